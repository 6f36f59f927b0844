#include "platform/StatusNotifierItem.h"

#include "platform/Log.h"
#include "platform/StatusNotifierAdaptor.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusPendingCallWatcher>
#include <QDBusServiceWatcher>
#include <QGuiApplication>
#include <QScreen>
#include <QtEndian>

namespace tq {

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
const QString kPath = QStringLiteral("/StatusNotifierItem");
int gSerial = 0;

// Host positions are X screen pixels; Qt places windows in logical ones.
QPoint logical(QPoint device)
{
    if (device.isNull())
        return {};
    const QScreen* screen = QGuiApplication::primaryScreen();
    const qreal ratio = screen ? screen->devicePixelRatio() : 1.0;
    return QPoint(qRound(device.x() / ratio), qRound(device.y() / ratio));
}
} // namespace

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& p)
{
    arg.beginStructure();
    arg << p.width << p.height << p.bytes;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& p)
{
    arg.beginStructure();
    arg >> p.width >> p.height >> p.bytes;
    arg.endStructure();
    return arg;
}

QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& t)
{
    arg.beginStructure();
    arg << t.iconName << t.icon << t.title << t.body;
    arg.endStructure();
    return arg;
}

const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& t)
{
    arg.beginStructure();
    arg >> t.iconName >> t.icon >> t.title >> t.body;
    arg.endStructure();
    return arg;
}

StatusNotifierAdaptor::StatusNotifierAdaptor(QObject* item, const SniState& state)
    : QDBusAbstractAdaptor(item), state_(state)
{
    setAutoRelaySignals(false);
}

void StatusNotifierAdaptor::Activate(int x, int y)
{
    if (clicked)
        clicked(Click::primary, QPoint(x, y));
}

void StatusNotifierAdaptor::SecondaryActivate(int x, int y)
{
    if (clicked)
        clicked(Click::secondary, QPoint(x, y));
}

void StatusNotifierAdaptor::ContextMenu(int x, int y)
{
    if (clicked)
        clicked(Click::menu, QPoint(x, y));
}

void StatusNotifierAdaptor::Scroll(int, const QString&) {}

// The exported object, its adaptor and the name it holds while published.
struct DBusStatusNotifierItem::Bus {
    QDBusConnection connection = QDBusConnection::sessionBus();
    SniState state;
    QObject object;
    StatusNotifierAdaptor* adaptor = new StatusNotifierAdaptor(&object, state);
    QString name;
};

DBusStatusNotifierItem::DBusStatusNotifierItem(QObject* parent) : StatusNotifierItem(parent), bus_(std::make_unique<Bus>())
{
    qDBusRegisterMetaType<SniPixmap>();
    qDBusRegisterMetaType<SniPixmaps>();
    qDBusRegisterMetaType<SniToolTip>();
    bus_->state.id = QCoreApplication::applicationName();
    bus_->state.title = QCoreApplication::applicationName();
    bus_->adaptor->clicked = [this](StatusNotifierAdaptor::Click click, QPoint at) {
        switch (click) {
        case StatusNotifierAdaptor::Click::primary: emit activated(logical(at)); break;
        case StatusNotifierAdaptor::Click::secondary: emit secondaryActivated(logical(at)); break;
        case StatusNotifierAdaptor::Click::menu: emit contextMenuRequested(logical(at)); break;
        }
    };
    if (bus_->connection.isConnected()) {
        // A watcher that starts (or restarts) knows nothing of the item yet.
        auto* watcher = new QDBusServiceWatcher(kWatcher, bus_->connection, QDBusServiceWatcher::WatchForRegistration, this);
        connect(watcher, &QDBusServiceWatcher::serviceRegistered, this, [this] {
            if (published())
                registerWithWatcher();
        });
    }
}

DBusStatusNotifierItem::~DBusStatusNotifierItem() { withdraw(); }

bool DBusStatusNotifierItem::published() const { return !bus_->name.isEmpty(); }

void DBusStatusNotifierItem::publish()
{
    if (published() || !bus_->connection.isConnected())
        return;
    if (!bus_->connection.registerObject(kPath, &bus_->object, QDBusConnection::ExportAdaptors)) {
        log::warning(QStringLiteral("Could not put the tray item on the session bus."));
        return;
    }
    // Qt's own tray icon counts from 1; these names stay clear of its.
    const QString name = QStringLiteral("org.kde.StatusNotifierItem-%1-%2").arg(QCoreApplication::applicationPid()).arg(100 + ++gSerial);
    if (!bus_->connection.registerService(name)) {
        bus_->connection.unregisterObject(kPath);
        log::warning(QStringLiteral("Could not take a name for the tray item on the session bus."));
        return;
    }
    bus_->name = name;
    registerWithWatcher();
}

void DBusStatusNotifierItem::withdraw()
{
    if (!published())
        return;
    bus_->connection.unregisterService(bus_->name);
    bus_->connection.unregisterObject(kPath);
    bus_->name.clear();
}

void DBusStatusNotifierItem::registerWithWatcher()
{
    QDBusMessage call = QDBusMessage::createMethodCall(kWatcher, QStringLiteral("/StatusNotifierWatcher"), kWatcher,
                                                       QStringLiteral("RegisterStatusNotifierItem"));
    call << bus_->name;
    auto* pending = new QDBusPendingCallWatcher(bus_->connection.asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [](QDBusPendingCallWatcher* w) {
        if (w->isError())
            log::info(QStringLiteral("The tray did not take the item: ") + w->error().message());
        else
            log::info(QStringLiteral("The tray item is registered with the StatusNotifier watcher."));
        w->deleteLater();
    });
}

QByteArray DBusStatusNotifierItem::argb32NetworkOrder(const QImage& image)
{
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    QByteArray out(qsizetype(argb.width()) * argb.height() * 4, Qt::Uninitialized);
    auto* dst = reinterpret_cast<uchar*>(out.data());
    for (int y = 0; y < argb.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x, dst += 4)
            qToBigEndian(row[x], dst);
    }
    return out;
}

void DBusStatusNotifierItem::setIcon(const QList<QImage>& sizes)
{
    SniPixmaps icon;
    for (const QImage& image : sizes)
        icon.append({image.width(), image.height(), argb32NetworkOrder(image)});
    bus_->state.icon = icon;
    if (published())
        emit bus_->adaptor->NewIcon();
}

void DBusStatusNotifierItem::setToolTip(const QString& title, const QString& body)
{
    if (bus_->state.toolTip.title == title && bus_->state.toolTip.body == body)
        return;
    bus_->state.toolTip.title = title;
    bus_->state.toolTip.body = body;
    if (published())
        emit bus_->adaptor->NewToolTip();
}

void DBusStatusNotifierItem::setLabel(const QString& label, const QString& guide)
{
    if (bus_->state.label == label && bus_->state.labelGuide == guide)
        return;
    bus_->state.label = label;
    bus_->state.labelGuide = guide;
    if (published())
        emit bus_->adaptor->XAyatanaNewLabel(label, guide);
}

} // namespace tq
