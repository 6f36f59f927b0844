#include "platform/TrayHost.h"

#include "platform/Log.h"
#include "platform/StatusNotifierItem.h"
#include "platform/Text.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QSocketNotifier>
#include <QStandardPaths>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace tq {

QString trayHelpText(TrayHelp help)
{
    switch (help) {
    case TrayHelp::panelApplet:
        break;
    case TrayHelp::installAppIndicator:
        return text("GNOME shows tray icons only with the AppIndicator extension. Install the "
                    "gnome-shell-extension-appindicator package, log out and in, then turn it on in Extensions.");
    case TrayHelp::enableAppIndicator:
        return text("GNOME shows tray icons only with the AppIndicator extension. It is installed but off: turn it on "
                    "in Extensions.");
    }
    return text("There's no room for it, or your panel has no system tray. Add the panel's system tray or status "
                "area applet in its settings.");
}

QString noTrayText(TrayHelp help)
{
    return text("No system tray runs on this desktop, so the icon cannot show. %1").arg(trayHelpText(help));
}


namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");

bool hasDesktop(const QString& desktops, const char* name)
{
    return desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts).contains(QLatin1String(name), Qt::CaseInsensitive);
}

// Whether KDE Plasma runs the watcher: its tray shows no labels.
bool plasmaWatcher(QDBusConnection bus)
{
    if (hasDesktop(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), "KDE"))
        return true;
    const uint pid = bus.interface()->servicePid(kWatcher).value();
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (pid == 0 || !comm.open(QIODevice::ReadOnly))
        return false;
    const QByteArray name = comm.readAll().trimmed();
    return name == "plasmashell" || name.startsWith("kded");
}

bool appIndicatorInstalled()
{
    for (const char* uuid : {"appindicatorsupport@rgcjonas.gmail.com", "ubuntu-appindicators@ubuntu.com"}) {
        if (!QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                    QStringLiteral("gnome-shell/extensions/") + QLatin1String(uuid),
                                    QStandardPaths::LocateDirectory)
                 .isEmpty())
            return true;
    }
    return false;
}
} // namespace

// Its own connection, so that the MANAGER announcements on the root window and the end of
// the selection owner's window arrive as events, not by polling.
struct DesktopTrayHost::X11 {
    xcb_connection_t* conn = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t selection = 0, manager = 0;
    xcb_window_t owner = 0;
    std::unique_ptr<QSocketNotifier> notifier;

    X11()
    {
        int screen = 0;
        conn = xcb_connect(nullptr, &screen);
        if (xcb_connection_has_error(conn)) {
            xcb_disconnect(conn);
            conn = nullptr;
            return;
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn));
        for (int i = 0; i < screen && it.rem; ++i)
            xcb_screen_next(&it);
        root = it.data ? it.data->root : 0;
        selection = atom(QByteArray("_NET_SYSTEM_TRAY_S") + QByteArray::number(screen));
        manager = atom("MANAGER");
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn, root, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(conn);
    }
    ~X11()
    {
        if (conn)
            xcb_disconnect(conn);
    }
    xcb_atom_t atom(const QByteArray& name)
    {
        auto r = xcb_intern_atom_reply(conn, xcb_intern_atom(conn, 0, uint16_t(name.size()), name.constData()), nullptr);
        const xcb_atom_t a = r ? r->atom : 0;
        free(r);
        return a;
    }
    // Reads the selection's owner and follows the end of its window.
    bool readOwner()
    {
        if (!conn || !selection)
            return false;
        auto r = xcb_get_selection_owner_reply(conn, xcb_get_selection_owner(conn, selection), nullptr);
        owner = r ? r->owner : 0;
        free(r);
        if (owner) {
            const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
            xcb_change_window_attributes(conn, owner, XCB_CW_EVENT_MASK, &mask);
        }
        xcb_flush(conn);
        return owner != 0;
    }
    // Whether the events read concern the tray selection.
    bool drain()
    {
        bool relevant = false;
        while (xcb_generic_event_t* e = xcb_poll_for_event(conn)) {
            const uint8_t type = e->response_type & 0x7f;
            if (type == XCB_CLIENT_MESSAGE) {
                auto* m = reinterpret_cast<xcb_client_message_event_t*>(e);
                if (m->type == manager && m->data.data32[1] == selection)
                    relevant = true;
            } else if (type == XCB_DESTROY_NOTIFY) {
                if (reinterpret_cast<xcb_destroy_notify_event_t*>(e)->window == owner)
                    relevant = true;
            }
            free(e);
        }
        return relevant;
    }
};

DesktopTrayHost::DesktopTrayHost(QObject* parent) : TrayHost(parent), x11_(std::make_unique<X11>())
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected()) {
        auto* watcher = new QDBusServiceWatcher(kWatcher, bus, QDBusServiceWatcher::WatchForOwnerChange, this);
        connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, this, [this] { update(); });
    }
    if (x11_->conn) {
        x11_->notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(x11_->conn), QSocketNotifier::Read);
        connect(x11_->notifier.get(), &QSocketNotifier::activated, this, [this] {
            if (x11_->drain())
                update();
        });
    }
    QDBusConnectionInterface* iface = bus.isConnected() ? bus.interface() : nullptr;
    statusNotifier_ = iface && iface->isServiceRegistered(kWatcher).value();
    plasma_ = statusNotifier_ && plasmaWatcher(bus);
    xembed_ = x11_->readOwner();
}

DesktopTrayHost::~DesktopTrayHost() = default;

TrayKind DesktopTrayHost::kind() const
{
    if (statusNotifier_)
        return TrayKind::statusNotifier;
    return xembed_ ? TrayKind::xembed : TrayKind::none;
}

StatusNotifierItem& DesktopTrayHost::statusNotifierItem()
{
    if (!item_)
        item_ = std::make_unique<DBusStatusNotifierItem>();
    return *item_;
}

TrayHelp DesktopTrayHost::help() const { return help(qEnvironmentVariable("XDG_CURRENT_DESKTOP"), appIndicatorInstalled()); }

TrayHelp DesktopTrayHost::help(const QString& desktops, bool appIndicatorInstalled)
{
    // GNOME Flashback's panel has a tray of its own.
    if (!hasDesktop(desktops, "GNOME") || hasDesktop(desktops, "GNOME-Flashback"))
        return TrayHelp::panelApplet;
    return appIndicatorInstalled ? TrayHelp::enableAppIndicator : TrayHelp::installAppIndicator;
}

void DesktopTrayHost::update()
{
    const TrayKind was = kind();
    QDBusConnection bus = QDBusConnection::sessionBus();
    statusNotifier_ = bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(kWatcher).value();
    plasma_ = statusNotifier_ && plasmaWatcher(bus);
    xembed_ = x11_->readOwner();
    if (kind() == was)
        return;
    const bool wasRunning = was != TrayKind::none;
    if (running() != wasRunning)
        log::info(running() ? QStringLiteral("A system tray is running.") : QStringLiteral("No system tray is running."));
    emit kindChanged(kind());
    if (running() != wasRunning)
        emit runningChanged(running());
}

} // namespace tq
