#include "platform/AtSpiOwnTree.h"

#include "platform/Log.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCall>
#include <QDBusVirtualObject>
#include <QGuiApplication>
#include <QPointer>

namespace tq::atspiowntree {

namespace {

constexpr auto kQtConnection = "a11y"; // the name Qt's bridge gives its connection
constexpr auto kTreePath = "/org/a11y/atspi/accessible";
constexpr auto kRootPath = "/org/a11y/atspi/accessible/root";
constexpr auto kCachePath = "/org/a11y/atspi/cache";
constexpr auto kDevicesPath = "/org/a11y/atspi/registry/deviceeventcontroller";

// What Qt's bridge registered, found on the connection that serves it.
struct Served {
    QPointer<QDBusVirtualObject> tree;
    QPointer<QObject> cache;
    QPointer<QObject> devices;
};

Served& served()
{
    static Served s;
    return s;
}

QString& ownConnection()
{
    static QString name;
    return name;
}

QDBusConnection serving()
{
    return QDBusConnection(ownConnection().isEmpty() ? QString::fromLatin1(kQtConnection) : ownConnection());
}

void findServed()
{
    Served& s = served();
    if (s.tree)
        return;
    const QDBusConnection c = serving();
    s.tree = qobject_cast<QDBusVirtualObject*>(c.objectRegisteredAt(QString::fromLatin1(kTreePath)));
    s.cache = c.objectRegisteredAt(QString::fromLatin1(kCachePath));
    s.devices = c.objectRegisteredAt(QString::fromLatin1(kDevicesPath));
}

} // namespace

void startQtBridge()
{
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        QAccessible::isActive();
}

void lost()
{
    findServed();
    if (ownConnection().isEmpty())
        QDBusConnection::disconnectFromBus(QString::fromLatin1(kQtConnection));
}

bool republish(const QString& address)
{
    findServed();
    const Served& s = served();
    if (serving().isConnected())
        return true;
    if (!s.tree || address.isEmpty())
        return false;
    static int made = 0;
    const QString name = QStringLiteral("tq-own-tree-%1").arg(++made);
    QDBusConnection c = QDBusConnection::connectToBus(address, name);
    if (!c.isConnected()) {
        QDBusConnection::disconnectFromBus(name);
        return false;
    }
    c.registerVirtualObject(QString::fromLatin1(kTreePath), s.tree, QDBusConnection::SubPath);
    if (s.cache)
        c.registerObject(QString::fromLatin1(kCachePath), s.cache, QDBusConnection::ExportAdaptors);
    if (s.devices)
        c.registerObject(QString::fromLatin1(kDevicesPath), s.devices, QDBusConnection::ExportAdaptors);
    if (!ownConnection().isEmpty())
        QDBusConnection::disconnectFromBus(ownConnection());
    ownConnection() = name;

    QDBusArgument root;
    root.beginStructure();
    root << c.baseService() << QDBusObjectPath(QString::fromLatin1(kRootPath));
    root.endStructure();
    QDBusMessage embed = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.atspi.Registry"), QString::fromLatin1(kRootPath),
                                                        QStringLiteral("org.a11y.atspi.Socket"), QStringLiteral("Embed"));
    embed << QVariant::fromValue(root);
    c.asyncCall(embed, 3000);
    log::info(QStringLiteral("accessibility bus: this program's windows are served over the new bus"));
    return true;
}

} // namespace tq::atspiowntree
