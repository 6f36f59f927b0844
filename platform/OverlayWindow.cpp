#include "platform/OverlayWindow.h"

#include "platform/ColourScheme.h"
#include "platform/Screen.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>
#include <X11/extensions/shape.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tq {

namespace {

class QtOverlayScreens final : public OverlayScreens {
public:
    QList<ScreenArea> screens() const override
    {
        QList<ScreenArea> out;
        for (QScreen* s : QGuiApplication::screens())
            out.append(area(s));
        return out;
    }
    std::optional<ScreenArea> mainScreen() const override
    {
        if (QScreen* s = QGuiApplication::primaryScreen())
            return area(s);
        return std::nullopt;
    }
    const ColourScheme* colourScheme() const override
    {
        if (!scheme_)
            scheme_ = std::make_unique<SystemColourScheme>();
        return scheme_.get();
    }

private:
    static ScreenArea area(QScreen* s)
    {
        return ScreenArea{screen::fromQt(QRectF(s->geometry())), screen::fromQt(QRectF(s->availableGeometry()))};
    }
    mutable std::unique_ptr<SystemColourScheme> scheme_; // made on first use, on the main thread
};

} // namespace

bool OverlayScreens::prefersDark() const
{
    const ColourScheme* scheme = colourScheme();
    return scheme && scheme->isDark();
}

std::optional<ScreenArea> OverlayScreens::screenFor(QPointF point) const
{
    for (const ScreenArea& s : screens()) {
        // Containment as the layout rules have it: minimum edges in, maximum edges out.
        const QRectF& f = s.frame;
        if (point.x() >= f.x() && point.x() < f.x() + f.width() && point.y() >= f.y() && point.y() < f.y() + f.height())
            return s;
    }
    return mainScreen();
}

std::unique_ptr<OverlayScreens> OverlayScreens::createSystem()
{
    return std::make_unique<QtOverlayScreens>();
}

namespace overlay {

void prepare(QWidget* window)
{
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus
                           | Qt::X11BypassWindowManagerHint | Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint);
    window->setAttribute(Qt::WA_ShowWithoutActivating);
    window->setAttribute(Qt::WA_TransparentForMouseEvents);
    window->setAttribute(Qt::WA_X11DoNotAcceptFocus);
    window->setAttribute(Qt::WA_TranslucentBackground);
    window->setAttribute(Qt::WA_NoSystemBackground);
    window->setFocusPolicy(Qt::NoFocus);
}

bool compositing()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return true; // offscreen and other platforms draw translucency themselves
    // Qt's own connection: no second one to open and never close.
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    const Atom atom = XInternAtom(display, name.constData(), False);
    return XGetSelectionOwner(display, atom) != None;
}

bool blendsOnScreen() { return QGuiApplication::platformName() == QLatin1String("xcb") && compositing(); }

void setDrawnShadow(QWidget* window, int margin)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display)
        return;
    const Window id = Window(window->winId());
    const Atom extents = XInternAtom(display, "_GTK_FRAME_EXTENTS", False);
    if (margin <= 0) {
        XDeleteProperty(display, id, extents);
    } else {
        const long m = std::lround(margin * window->devicePixelRatioF());
        const long values[4] = {m, m, m, m}; // left, right, top, bottom
        XChangeProperty(display, id, extents, XA_CARDINAL, 32, PropModeReplace,
                        reinterpret_cast<const unsigned char*>(values), 4);
    }
    XFlush(display);
}

void setFrame(QWidget* window, const QRectF& screenRect)
{
    const QRect r = screen::toQt(screenRect).toAlignedRect();
    if (window->geometry() != r)
        window->setGeometry(r);
}

QRectF frame(const QWidget* window) { return screen::fromQt(QRectF(window->geometry())); }

void applyShape(QWidget* window, const QRegion& visible)
{
    if (compositing())
        window->clearMask();
    else
        window->setMask(visible.isEmpty() ? QRegion(0, 0, 1, 1) : visible);
}

void setInputArea(QWidget* window, const QRegion& area)
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    int event = 0, error = 0;
    if (!display || !XFixesQueryExtension(display, &event, &error))
        return;
    const Window id = Window(window->winId());
    if (area.isEmpty()) {
        XFixesSetWindowShapeRegion(display, id, ShapeInput, 0, 0, None);
    } else {
        const double scale = window->devicePixelRatioF();
        std::vector<XRectangle> rects;
        for (const QRect& r : area) {
            const QRect px(QPoint(int(std::floor(r.left() * scale)), int(std::floor(r.top() * scale))),
                           QPoint(int(std::ceil((r.right() + 1) * scale)) - 1, int(std::ceil((r.bottom() + 1) * scale)) - 1));
            rects.push_back({short(px.x()), short(px.y()), ushort(px.width()), ushort(px.height())});
        }
        const XserverRegion region = XFixesCreateRegion(display, rects.data(), int(rects.size()));
        XFixesSetWindowShapeRegion(display, id, ShapeInput, 0, 0, region);
        XFixesDestroyRegion(display, region);
    }
    XFlush(display);
}

void orderFront(QWidget* window)
{
    if (!window->isVisible())
        window->show();
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        window->raise();
}

std::optional<QColor> screenColour(const QRectF& screenRect, const QWidget* window)
{
    const QRect r = screen::toQt(screenRect).toAlignedRect();
    QScreen* s = QGuiApplication::screenAt(r.center());
    if (!s)
        s = QGuiApplication::primaryScreen();
    if (!s || r.isEmpty())
        return std::nullopt;
    // The root window's pixels: what shows there, other windows included.
    const QRect local = r.translated(-s->geometry().topLeft());
    const QImage image = s->grabWindow(0, local.x(), local.y(), local.width(), local.height()).toImage();
    QRegion own;
    if (window && window->isVisible())
        own = (window->mask().isEmpty() ? QRegion(window->rect()) : window->mask()).translated(window->pos() - r.topLeft());
    return commonColour(image, own);
}

std::optional<QColor> commonColour(const QImage& image, const QRegion& skip)
{
    if (image.isNull())
        return std::nullopt;
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<char> skipped(size_t(rgb.width()) * size_t(rgb.height()), 0);
    for (const QRect& part : skip) {
        const QRect in = part & rgb.rect();
        for (int y = in.top(); y <= in.bottom(); ++y)
            std::fill_n(skipped.begin() + qsizetype(y) * rgb.width() + in.left(), in.width(), 1);
    }
    QHash<QRgb, int> counts;
    QRgb best = 0;
    int bestCount = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            if (skipped[size_t(y) * size_t(rgb.width()) + size_t(x)])
                continue;
            const int n = ++counts[row[x]];
            if (n > bestCount) {
                bestCount = n;
                best = row[x];
            }
        }
    }
    if (bestCount == 0)
        return std::nullopt;
    return QColor::fromRgb(best | 0xff000000u);
}

} // namespace overlay

} // namespace tq
