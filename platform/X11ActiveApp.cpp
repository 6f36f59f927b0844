#include "platform/X11ActiveApp.h"

#include "platform/WebRuntime.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <cstdlib>
#include <vector>

namespace tq {

struct X11ActiveApp::Impl {
    xcb_connection_t* conn = nullptr;
    xcb_window_t root = 0;
    xcb_atom_t activeWindow = 0, wmPid = 0, clientList = 0, gtkAppId = 0, kdeDesktopFile = 0, utf8 = 0, wmClass = 0;
    std::unique_ptr<QSocketNotifier> notifier;
    qint64 lastPid = -1;

    xcb_atom_t atom(const char* name)
    {
        auto cookie = xcb_intern_atom(conn, 0, uint16_t(strlen(name)), name);
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(conn, cookie, nullptr);
        xcb_atom_t a = r ? r->atom : 0;
        free(r);
        return a;
    }

    QByteArray property(xcb_window_t w, xcb_atom_t prop, xcb_atom_t type, uint32_t maxLongs = 1024)
    {
        if (!conn || !w || !prop)
            return {};
        auto cookie = xcb_get_property(conn, 0, w, prop, type, 0, maxLongs);
        xcb_get_property_reply_t* r = xcb_get_property_reply(conn, cookie, nullptr);
        if (!r)
            return {};
        QByteArray out(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
        free(r);
        return out;
    }

    std::optional<uint32_t> cardinal(xcb_window_t w, xcb_atom_t prop, xcb_atom_t type)
    {
        const QByteArray v = property(w, prop, type, 1);
        if (v.size() < 4)
            return std::nullopt;
        uint32_t x;
        memcpy(&x, v.constData(), 4);
        return x;
    }

    xcb_window_t active() { return cardinal(root, activeWindow, XCB_ATOM_WINDOW).value_or(0); }

    std::optional<qint64> pidOf(xcb_window_t w)
    {
        if (!w)
            return std::nullopt;
        auto pid = cardinal(w, wmPid, XCB_ATOM_CARDINAL);
        if (!pid || *pid == 0)
            return std::nullopt;
        return qint64(*pid);
    }

    xcb_window_t windowOf(qint64 pid)
    {
        const xcb_window_t a = active();
        if (a && pidOf(a) == pid)
            return a;
        const QByteArray list = property(root, clientList, XCB_ATOM_WINDOW, 4096);
        for (qsizetype i = 0; i + 4 <= list.size(); i += 4) {
            xcb_window_t w;
            memcpy(&w, list.constData() + i, 4);
            if (pidOf(w) == pid)
                return w;
        }
        return 0;
    }
};

X11ActiveApp::X11ActiveApp(QObject* parent) : ActiveApp(parent), d(std::make_unique<Impl>())
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        return;
    int screenNumber = 0;
    d->conn = xcb_connect(nullptr, &screenNumber);
    if (!d->conn || xcb_connection_has_error(d->conn)) {
        if (d->conn)
            xcb_disconnect(d->conn);
        d->conn = nullptr;
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(d->conn));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    d->root = it.data ? it.data->root : 0;
    d->activeWindow = d->atom("_NET_ACTIVE_WINDOW");
    d->wmPid = d->atom("_NET_WM_PID");
    d->clientList = d->atom("_NET_CLIENT_LIST");
    d->gtkAppId = d->atom("_GTK_APPLICATION_ID");
    d->kdeDesktopFile = d->atom("_KDE_NET_WM_DESKTOP_FILE");
    d->utf8 = d->atom("UTF8_STRING");
    d->wmClass = XCB_ATOM_WM_CLASS;
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(d->conn, d->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(d->conn);
    d->lastPid = d->pidOf(d->active()).value_or(0);
    d->notifier = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(d->conn), QSocketNotifier::Read);
    connect(d->notifier.get(), &QSocketNotifier::activated, this, [this] { drainEvents(); });
}

X11ActiveApp::~X11ActiveApp()
{
    d->notifier.reset();
    if (d->conn)
        xcb_disconnect(d->conn);
}

void X11ActiveApp::drainEvents()
{
    if (!d->conn)
        return;
    bool fromSocket = true;
    for (;;) {
        bool activeChanged = false;
        // Replies read below may queue further events behind them: those are taken from
        // the queue without waiting for the socket.
        while (xcb_generic_event_t* e = fromSocket ? xcb_poll_for_event(d->conn) : xcb_poll_for_queued_event(d->conn)) {
            if ((e->response_type & ~0x80) == XCB_PROPERTY_NOTIFY) {
                auto* p = reinterpret_cast<xcb_property_notify_event_t*>(e);
                if (p->window == d->root && p->atom == d->activeWindow)
                    activeChanged = true;
            }
            free(e);
        }
        fromSocket = false;
        if (!activeChanged)
            return;
        const qint64 pid = d->pidOf(d->active()).value_or(0);
        if (pid != d->lastPid) {
            d->lastPid = pid;
            emit activated(pid);
        }
    }
}

std::optional<qint64> X11ActiveApp::frontmostPid()
{
    if (!d->conn)
        return std::nullopt;
    return d->pidOf(d->active());
}

std::optional<RunningApplication> X11ActiveApp::application(qint64 pid)
{
    if (!appid::processExists(pid))
        return std::nullopt;
    RunningApplication app;
    app.pid = pid;
    QString wmClassName;
    if (d->conn) {
        if (const xcb_window_t w = d->windowOf(pid)) {
            app.bundleIdentifier = QString::fromUtf8(d->property(w, d->gtkAppId, d->utf8));
            if (app.bundleIdentifier.isEmpty())
                app.bundleIdentifier = appid::normalizedDesktopId(QString::fromUtf8(d->property(w, d->kdeDesktopFile, d->utf8)));
            const QList<QByteArray> cls = d->property(w, d->wmClass, XCB_ATOM_STRING).split('\0');
            if (cls.size() >= 2)
                wmClassName = QString::fromLocal8Bit(cls[1]);
        }
    }
    if (app.bundleIdentifier.isEmpty())
        app.bundleIdentifier = appid::launchedDesktopId(pid);
    const QString desktopName = appid::desktopEntryName(app.bundleIdentifier);
    if (app.bundleIdentifier.isEmpty())
        app.bundleIdentifier = wmClassName;
    if (app.bundleIdentifier.isEmpty())
        app.bundleIdentifier = appid::executableName(pid);
    app.localizedName = !desktopName.isEmpty() ? desktopName : !wmClassName.isEmpty() ? wmClassName : appid::executableName(pid);
    app.webRuntime = webruntime::detect(pid, app.bundleIdentifier);
    if (app.webRuntime != WebRuntime::none)
        app.launchCommand = webruntime::launchCommand(pid, app.bundleIdentifier);
    return app;
}

} // namespace tq
