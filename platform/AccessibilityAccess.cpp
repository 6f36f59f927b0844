#include "platform/AccessibilityAccess.h"

#include "platform/Log.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusServiceWatcher>
#include <QDBusVariant>

namespace tq {

namespace {
const QString kService = QStringLiteral("org.a11y.Bus");
const QString kPath = QStringLiteral("/org/a11y/bus");
const QString kStatus = QStringLiteral("org.a11y.Status");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");
const QString kAtSpiConnection = QStringLiteral("tessaquill-a11y-probe");
constexpr int kCallTimeoutMs = 1000;

QDBusMessage call(const QDBusMessage& message)
{
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kCallTimeoutMs);
}
} // namespace

AtSpiAccessibilityAccess::AtSpiAccessibilityAccess(QObject* parent) : AccessibilityAccess(parent)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return;
    bus.connect(kService, kPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                SLOT(onPropertiesChanged(QString, QVariantMap, QStringList)));
    // The bus launcher starting or going away changes reachability.
    auto* watcher = new QDBusServiceWatcher(kService, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, &AccessibilityAccess::changed);
}

AtSpiAccessibilityAccess::~AtSpiAccessibilityAccess()
{
    if (!connectedAddress_.isEmpty())
        QDBusConnection::disconnectFromBus(kAtSpiConnection);
}

void AtSpiAccessibilityAccess::onPropertiesChanged(const QString& interface, const QVariantMap&, const QStringList&)
{
    if (interface == kStatus)
        emit changed();
}

bool AtSpiAccessibilityAccess::busReachable()
{
    if (!QDBusConnection::sessionBus().isConnected())
        return false;
    const QDBusReply<QString> address = call(QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetAddress")));
    if (!address.isValid() || address.value().isEmpty())
        return false;
    if (address.value() == connectedAddress_ && QDBusConnection(kAtSpiConnection).isConnected())
        return true;
    if (!connectedAddress_.isEmpty())
        QDBusConnection::disconnectFromBus(kAtSpiConnection);
    connectedAddress_ = address.value();
    const bool ok = QDBusConnection::connectToBus(connectedAddress_, kAtSpiConnection).isConnected();
    // Polled every second while access is missing: say it once per address.
    if (!ok && unreachableLogged_ != connectedAddress_) {
        unreachableLogged_ = connectedAddress_;
        log::warning(QStringLiteral("The accessibility bus does not answer at its address."));
    }
    return ok;
}

bool AtSpiAccessibilityAccess::isTrusted()
{
    if (!busReachable())
        return false;
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("Get"));
    get << kStatus << QStringLiteral("IsEnabled");
    const QDBusReply<QDBusVariant> reply = call(get);
    return reply.isValid() && reply.value().variant().toBool();
}

bool AtSpiAccessibilityAccess::requestAccess()
{
    if (QDBusConnection::sessionBus().isConnected()) {
        QDBusMessage set = QDBusMessage::createMethodCall(kService, kPath, kProperties, QStringLiteral("Set"));
        set << kStatus << QStringLiteral("IsEnabled") << QVariant::fromValue(QDBusVariant(true));
        const QDBusMessage reply = call(set);
        if (reply.type() == QDBusMessage::ErrorMessage)
            log::warning(QStringLiteral("Could not switch on desktop accessibility: ") + reply.errorMessage());
    }
    return isTrusted();
}

} // namespace tq
