#include "platform/WindowList.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace tq {

namespace {

// Reads the list over a connection of its own, opened on first use.
class X11WindowList final : public WindowList {
public:
    explicit X11WindowList(ScreenGeometry& geometry) : geometry_(geometry) {}
    ~X11WindowList() override
    {
        if (conn_)
            xcb_disconnect(conn_);
    }

    QVector<ListedWindow> windows() override
    {
        if (!connect())
            return {};
        QVector<ListedWindow> out;
        QByteArray list = property(root_, atoms_.stacking, XCB_ATOM_WINDOW, 8192);
        if (list.isEmpty())
            list = property(root_, atoms_.clientList, XCB_ATOM_WINDOW, 8192);
        const QVector<uint32_t> ids = words(list);
        // The stacking list runs bottom to top.
        for (auto it = ids.rbegin(); it != ids.rend(); ++it) {
            if (auto w = describe(*it))
                out.push_back(*w);
        }
        return out;
    }

    QVector<QRectF> screens() override
    {
        QVector<QRectF> out;
        const QRectF primary = geometry_.primaryFrame();
        if (!primary.isEmpty())
            out.push_back(screen::toAccessibility(screen::fromQt(primary), geometry_));
        for (QScreen* s : QGuiApplication::screens()) {
            const QRectF r = screen::toAccessibility(screen::fromQt(s->geometry()), geometry_);
            if (!out.contains(r))
                out.push_back(r);
        }
        return out;
    }

private:
    struct Atoms {
        xcb_atom_t stacking = 0, clientList = 0, pid = 0, type = 0, state = 0, hidden = 0, frameExtents = 0;
        xcb_atom_t typeDesktop = 0, typeDock = 0, typeNormal = 0, typeDialog = 0, typeUtility = 0;
    };

    bool connect()
    {
        if (conn_)
            return !xcb_connection_has_error(conn_);
        int screenNumber = 0;
        conn_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(conn_))
            return false;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn_));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        if (!it.rem)
            return false;
        root_ = it.data->root;
        atoms_.stacking = atom("_NET_CLIENT_LIST_STACKING");
        atoms_.clientList = atom("_NET_CLIENT_LIST");
        atoms_.pid = atom("_NET_WM_PID");
        atoms_.type = atom("_NET_WM_WINDOW_TYPE");
        atoms_.state = atom("_NET_WM_STATE");
        atoms_.hidden = atom("_NET_WM_STATE_HIDDEN");
        atoms_.frameExtents = atom("_NET_FRAME_EXTENTS");
        atoms_.typeDesktop = atom("_NET_WM_WINDOW_TYPE_DESKTOP");
        atoms_.typeDock = atom("_NET_WM_WINDOW_TYPE_DOCK");
        atoms_.typeNormal = atom("_NET_WM_WINDOW_TYPE_NORMAL");
        atoms_.typeDialog = atom("_NET_WM_WINDOW_TYPE_DIALOG");
        atoms_.typeUtility = atom("_NET_WM_WINDOW_TYPE_UTILITY");
        return true;
    }

    xcb_atom_t atom(const char* name)
    {
        auto cookie = xcb_intern_atom(conn_, 0, uint16_t(strlen(name)), name);
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(conn_, cookie, nullptr);
        const xcb_atom_t a = r ? r->atom : 0;
        free(r);
        return a;
    }

    QByteArray property(xcb_window_t w, xcb_atom_t prop, xcb_atom_t type, uint32_t maxLongs = 64)
    {
        if (!prop)
            return {};
        auto cookie = xcb_get_property(conn_, 0, w, prop, type, 0, maxLongs);
        xcb_get_property_reply_t* r = xcb_get_property_reply(conn_, cookie, nullptr);
        if (!r)
            return {};
        QByteArray out(static_cast<const char*>(xcb_get_property_value(r)), xcb_get_property_value_length(r));
        free(r);
        return out;
    }

    static QVector<uint32_t> words(const QByteArray& data)
    {
        QVector<uint32_t> out(data.size() / 4);
        if (!out.isEmpty())
            memcpy(out.data(), data.constData(), size_t(out.size()) * 4);
        return out;
    }

    std::optional<ListedWindow> describe(xcb_window_t w)
    {
        auto attrCookie = xcb_get_window_attributes(conn_, w);
        auto geoCookie = xcb_get_geometry(conn_, w);
        auto transCookie = xcb_translate_coordinates(conn_, w, root_, 0, 0);
        xcb_get_window_attributes_reply_t* attr = xcb_get_window_attributes_reply(conn_, attrCookie, nullptr);
        xcb_get_geometry_reply_t* geo = xcb_get_geometry_reply(conn_, geoCookie, nullptr);
        xcb_translate_coordinates_reply_t* trans = xcb_translate_coordinates_reply(conn_, transCookie, nullptr);
        const bool ok = attr && geo && trans && attr->map_state == XCB_MAP_STATE_VIEWABLE;
        ListedWindow out;
        if (ok) {
            out.id = w;
            out.bounds = QRectF(trans->dst_x, trans->dst_y, geo->width, geo->height);
        }
        free(attr);
        free(geo);
        free(trans);
        if (!ok)
            return std::nullopt;

        for (uint32_t s : words(property(w, atoms_.state, XCB_ATOM_ATOM)))
            if (s == atoms_.hidden)
                return std::nullopt;
        const QVector<uint32_t> types = words(property(w, atoms_.type, XCB_ATOM_ATOM));
        if (!types.isEmpty()) {
            const uint32_t t = types.front();
            if (t == atoms_.typeDesktop || t == atoms_.typeDock)
                return std::nullopt;
            if (t != atoms_.typeNormal && t != atoms_.typeDialog && t != atoms_.typeUtility)
                out.layer = 1;
        }
        const QVector<uint32_t> pid = words(property(w, atoms_.pid, XCB_ATOM_CARDINAL, 1));
        out.pid = pid.isEmpty() ? 0 : qint64(pid.front());
        // The window manager's frame around the client area: left, right, top, bottom.
        const QVector<uint32_t> extents = words(property(w, atoms_.frameExtents, XCB_ATOM_CARDINAL, 4));
        if (extents.size() == 4)
            out.bounds.adjust(-double(extents[0]), -double(extents[2]), double(extents[1]), double(extents[3]));
        out.bounds = screen::fromDevicePixels(out.bounds);
        return out;
    }

    ScreenGeometry& geometry_;
    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = 0;
    Atoms atoms_;
};

} // namespace

std::unique_ptr<WindowList> WindowList::createSystem(ScreenGeometry& geometry)
{
    return std::make_unique<X11WindowList>(geometry);
}

} // namespace tq
