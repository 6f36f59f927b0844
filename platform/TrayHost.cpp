#include "platform/TrayHost.h"

#include "platform/Log.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace tq {

namespace {
const QString kWatcher = QStringLiteral("org.kde.StatusNotifierWatcher");
}

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
    xembed_ = x11_->readOwner();
}

DesktopTrayHost::~DesktopTrayHost() = default;

void DesktopTrayHost::update()
{
    const bool was = running();
    QDBusConnection bus = QDBusConnection::sessionBus();
    statusNotifier_ = bus.isConnected() && bus.interface() && bus.interface()->isServiceRegistered(kWatcher).value();
    xembed_ = x11_->readOwner();
    if (running() != was) {
        log::info(running() ? QStringLiteral("A system tray is running.") : QStringLiteral("No system tray is running."));
        emit runningChanged(running());
    }
}

} // namespace tq
