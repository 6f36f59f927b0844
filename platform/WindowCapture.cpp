#include "platform/WindowCapture.h"

#include "platform/Screen.h"

#include <QAtomicInteger>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QScreen>

#include <xcb/composite.h>
#include <xcb/shape.h>
#include <xcb/xcb.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace tq {

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> reply(T* r)
{
    return Reply<T>(r, &std::free);
}

// Over a connection of its own, opened on first use: a compositing manager keeps each
// top-level window's pixels in a pixmap of its own, read as it is; without one the screen is
// read and what lies over the window is painted out.
class X11WindowCapture final : public WindowCapture {
public:
    ~X11WindowCapture() override
    {
        if (conn_)
            xcb_disconnect(conn_);
    }

    WindowShot capture(quint64 window, const QRectF& area, double scale) override
    {
        const int width = int(std::floor(area.width() * scale));
        const int height = int(std::floor(area.height() * scale));
        if (width < 1 || height < 1 || !connect())
            return {};
        const double ratio = screen::devicePixelRatio();
        const QRect wanted = QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio)
                                 .toAlignedRect();
        const xcb_window_t top = toplevel(xcb_window_t(window));
        if (!top)
            return {};

        WindowShot shot;
        QImage image(wanted.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        if (const auto own = ownPixels(top)) {
            QPainter(&image).drawImage(own->origin - wanted.topLeft(), own->image);
            shot.own = true;
        } else {
            // The screen's size as it is now: it changes with the monitors.
            auto rootGeometry = reply(xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, root_), nullptr));
            const QRect onScreen = rootGeometry ? wanted & QRect(0, 0, rootGeometry->width, rootGeometry->height) : QRect();
            const QImage pixels = onScreen.isEmpty() ? QImage() : readImage(root_, onScreen);
            if (pixels.isNull())
                return {};
            QPainter painter(&image);
            painter.drawImage(onScreen.topLeft() - wanted.topLeft(), pixels);
            for (const Covering& c : coverings(top, wanted)) {
                for (const QRect& r : c.rects)
                    painter.fillRect(r.translated(-wanted.topLeft()), Qt::white);
                shot.covering.push_back(c.pid);
            }
        }
        if (image.width() != width || image.height() != height)
            image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        dump(image, shot.own);
        shot.image = std::move(image);
        return shot;
    }

    double scale() override
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->devicePixelRatio() : 2.0;
    }

private:
    struct Placed {
        QImage image;
        QPoint origin; // on the root window, device pixels
    };
    struct Covering {
        qint64 pid = 0;
        QVector<QRect> rects; // what it shows, on the root window
    };

    bool connect()
    {
        if (conn_ && !xcb_connection_has_error(conn_))
            return true;
        if (conn_)
            xcb_disconnect(conn_);
        int screenNumber = 0;
        conn_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(conn_))
            return false;
        const xcb_setup_t* setup = xcb_get_setup(conn_);
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup);
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        if (!it.rem)
            return false;
        root_ = it.data->root;
        lsbFirst_ = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
        for (auto f = xcb_setup_pixmap_formats_iterator(setup); f.rem; xcb_format_next(&f))
            if (f.data->depth == 24 || f.data->depth == 32)
                bitsPerPixel_[f.data->depth] = f.data->bits_per_pixel;
        if (const xcb_query_extension_reply_t* e = xcb_get_extension_data(conn_, &xcb_composite_id); e && e->present) {
            auto v = reply(xcb_composite_query_version_reply(conn_, xcb_composite_query_version(conn_, 0, 4), nullptr));
            composite_ = v && (v->major_version > 0 || v->minor_version >= 2);
        }
        const xcb_query_extension_reply_t* s = xcb_get_extension_data(conn_, &xcb_shape_id);
        shape_ = s && s->present;
        pidAtom_ = atom("_NET_WM_PID");
        stackingAtom_ = atom("_NET_CLIENT_LIST_STACKING");
        return true;
    }

    xcb_atom_t atom(const char* name)
    {
        auto r = reply(xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, uint16_t(strlen(name)), name), nullptr));
        return r ? r->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    // The child of the root holding `window`: the window manager's frame, or the window itself.
    xcb_window_t toplevel(xcb_window_t window)
    {
        for (int depth = 0; window && depth < 16; ++depth) {
            auto r = reply(xcb_query_tree_reply(conn_, xcb_query_tree(conn_, window), nullptr));
            if (!r)
                return 0;
            if (r->parent == root_ || r->root == window)
                return window;
            window = r->parent;
        }
        return 0;
    }

    // The outer rectangle of a child of the root, border included.
    std::optional<QRect> outerRect(xcb_get_geometry_reply_t* g) const
    {
        if (!g)
            return std::nullopt;
        return QRect(g->x, g->y, g->width + 2 * g->border_width, g->height + 2 * g->border_width);
    }

    // The pixels a compositing manager keeps for `top`; nothing when none redirects it.
    std::optional<Placed> ownPixels(xcb_window_t top)
    {
        if (!composite_)
            return std::nullopt;
        auto geometry = reply(xcb_get_geometry_reply(conn_, xcb_get_geometry(conn_, top), nullptr));
        const auto rect = outerRect(geometry.get());
        if (!rect)
            return std::nullopt;
        const xcb_pixmap_t pixmap = xcb_generate_id(conn_);
        if (xcb_generic_error_t* e = xcb_request_check(conn_, xcb_composite_name_window_pixmap_checked(conn_, top, pixmap))) {
            free(e); // not redirected: no compositing manager keeps it
            return std::nullopt;
        }
        QImage image = readImage(pixmap, QRect(QPoint(0, 0), rect->size()));
        xcb_free_pixmap(conn_, pixmap);
        xcb_flush(conn_);
        if (image.isNull())
            return std::nullopt;
        return Placed{std::move(image), rect->topLeft()};
    }

    // A rectangle of a drawable as 32-bit pixels; null when it cannot be read or converted.
    QImage readImage(xcb_drawable_t drawable, const QRect& r)
    {
        auto image = reply(xcb_get_image_reply(
            conn_, xcb_get_image(conn_, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, int16_t(r.x()), int16_t(r.y()),
                                 uint16_t(r.width()), uint16_t(r.height()), ~0u),
            nullptr));
        if (!image || !lsbFirst_)
            return {};
        const auto bpp = bitsPerPixel_.value(image->depth, 0);
        const int stride = r.width() * 4;
        if (bpp != 32 || xcb_get_image_data_length(image.get()) < stride * r.height())
            return {};
        return QImage(xcb_get_image_data(image.get()), r.width(), r.height(), stride, QImage::Format_RGB32).copy();
    }

    // The windows stacked above `top` that show over `area` (root pixels), in the server's own
    // stacking (which holds override-redirect windows too), with what each shows there.
    QVector<Covering> coverings(xcb_window_t top, const QRect& area)
    {
        auto tree = reply(xcb_query_tree_reply(conn_, xcb_query_tree(conn_, root_), nullptr));
        if (!tree)
            return {};
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        const int count = xcb_query_tree_children_length(tree.get());
        int index = 0;
        while (index < count && children[index] != top)
            ++index;
        // Bottom to top: the windows after it lie above it.
        QVector<xcb_window_t> above(children + std::min(index + 1, count), children + count);
        QVector<xcb_get_window_attributes_cookie_t> attrCookies;
        QVector<xcb_get_geometry_cookie_t> geoCookies;
        for (xcb_window_t w : above) {
            attrCookies.push_back(xcb_get_window_attributes(conn_, w));
            geoCookies.push_back(xcb_get_geometry(conn_, w));
        }
        QVector<Covering> out;
        QHash<xcb_window_t, qint64> clientPids;
        bool clientsRead = false;
        for (qsizetype i = 0; i < above.size(); ++i) {
            auto attr = reply(xcb_get_window_attributes_reply(conn_, attrCookies[i], nullptr));
            auto geo = reply(xcb_get_geometry_reply(conn_, geoCookies[i], nullptr));
            const auto rect = outerRect(geo.get());
            if (!attr || !rect || attr->map_state != XCB_MAP_STATE_VIEWABLE || attr->_class != XCB_WINDOW_CLASS_INPUT_OUTPUT
                || !rect->intersects(area))
                continue;
            Covering c;
            c.rects = shownRects(above[i], *rect, geo->border_width, area);
            if (c.rects.isEmpty())
                continue;
            c.pid = pidOf(above[i]);
            if (!c.pid) {
                if (!clientsRead) {
                    clientPids = pidsByToplevel();
                    clientsRead = true;
                }
                c.pid = clientPids.value(above[i], 0);
            }
            out.push_back(std::move(c));
        }
        return out;
    }

    // What a window shows (its bounding shape, else its rectangle) within `area`.
    QVector<QRect> shownRects(xcb_window_t w, const QRect& outer, int border, const QRect& area)
    {
        QVector<QRect> out;
        if (shape_) {
            auto r = reply(xcb_shape_get_rectangles_reply(
                conn_, xcb_shape_get_rectangles(conn_, w, XCB_SHAPE_SK_BOUNDING), nullptr));
            if (r) {
                const xcb_rectangle_t* rects = xcb_shape_get_rectangles_rectangles(r.get());
                const int n = xcb_shape_get_rectangles_rectangles_length(r.get());
                // Shapes are relative to the window's inside corner.
                const QPoint origin = outer.topLeft() + QPoint(border, border);
                for (int i = 0; i < n; ++i) {
                    const QRect piece = QRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height).translated(origin) & area;
                    if (!piece.isEmpty())
                        out.push_back(piece);
                }
                return out;
            }
        }
        out.push_back(outer & area);
        return out;
    }

    qint64 pidOf(xcb_window_t w)
    {
        auto r = reply(xcb_get_property_reply(conn_, xcb_get_property(conn_, 0, w, pidAtom_, XCB_ATOM_CARDINAL, 0, 1), nullptr));
        if (!r || r->format != 32 || xcb_get_property_value_length(r.get()) < 4)
            return 0;
        return qint64(*static_cast<const uint32_t*>(xcb_get_property_value(r.get())));
    }

    // The process of each managed window, by the frame the window manager put around it.
    QHash<xcb_window_t, qint64> pidsByToplevel()
    {
        QHash<xcb_window_t, qint64> out;
        auto r = reply(xcb_get_property_reply(
            conn_, xcb_get_property(conn_, 0, root_, stackingAtom_, XCB_ATOM_WINDOW, 0, 8192), nullptr));
        if (!r || r->format != 32)
            return out;
        const auto* clients = static_cast<const xcb_window_t*>(xcb_get_property_value(r.get()));
        const int n = xcb_get_property_value_length(r.get()) / 4;
        for (int i = 0; i < n; ++i) {
            if (const qint64 pid = pidOf(clients[i]))
                if (const xcb_window_t top = toplevel(clients[i]))
                    out.insert(top, pid);
        }
        return out;
    }

    static void dump(const QImage& image, bool own)
    {
        static const QString folder = qEnvironmentVariable("TESSAQUILL_CAPTURE_DUMP");
        if (folder.isEmpty())
            return;
        static QAtomicInteger<int> taken;
        const int n = ++taken;
        image.save(QDir(folder).filePath(QStringLiteral("capture-%1-%2.png").arg(n).arg(own ? QStringLiteral("own")
                                                                                          : QStringLiteral("screen"))));
    }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = 0;
    bool lsbFirst_ = true;
    bool composite_ = false;
    bool shape_ = false;
    QHash<int, int> bitsPerPixel_;
    xcb_atom_t pidAtom_ = XCB_ATOM_NONE;
    xcb_atom_t stackingAtom_ = XCB_ATOM_NONE;
};

} // namespace

std::unique_ptr<WindowCapture> WindowCapture::createSystem()
{
    return std::make_unique<X11WindowCapture>();
}

} // namespace tq
