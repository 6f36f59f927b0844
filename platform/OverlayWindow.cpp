#include "platform/OverlayWindow.h"

#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <X11/Xlib.h>

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

private:
    static ScreenArea area(QScreen* s)
    {
        return ScreenArea{screen::fromQt(QRectF(s->geometry())), screen::fromQt(QRectF(s->availableGeometry()))};
    }
};

} // namespace

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
    window->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus | Qt::X11BypassWindowManagerHint
                           | Qt::WindowTransparentForInput | Qt::NoDropShadowWindowHint);
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
    static Display* display = XOpenDisplay(nullptr);
    if (!display)
        return false;
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(DefaultScreen(display));
    const Atom atom = XInternAtom(display, name.constData(), False);
    return XGetSelectionOwner(display, atom) != None;
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

void orderFront(QWidget* window)
{
    if (!window->isVisible())
        window->show();
    if (QGuiApplication::platformName() == QLatin1String("xcb"))
        window->raise();
}

} // namespace overlay

} // namespace tq
