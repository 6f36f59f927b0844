#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace tq {

namespace {

class QtScreenGeometry final : public ScreenGeometry {
public:
    QRectF primaryFrame() const override { return screen::qtPrimaryFrame(); }
};

QRectF flip(const QRectF& rect, double height)
{
    return QRectF(rect.x(), height - (rect.y() + rect.height()), rect.width(), rect.height());
}

} // namespace

std::unique_ptr<ScreenGeometry> ScreenGeometry::createSystem()
{
    return std::make_unique<QtScreenGeometry>();
}

namespace screen {

QRectF qtPrimaryFrame()
{
    if (!qGuiApp)
        return {};
    const QScreen* s = QGuiApplication::primaryScreen();
    return s ? QRectF(s->geometry()) : QRectF();
}

QRectF fromAccessibility(const QRectF& rect, const ScreenGeometry& geometry)
{
    return flip(rect, geometry.primaryFrame().height());
}
QRectF toAccessibility(const QRectF& rect, const ScreenGeometry& geometry)
{
    return flip(rect, geometry.primaryFrame().height());
}
// Accessibility rectangles are X11 root coordinates, which are Qt's coordinates at a
// device-pixel ratio of 1 (the X11 session's case).
QRectF toQt(const QRectF& rect) { return flip(rect, qtPrimaryFrame().height()); }
QRectF fromQt(const QRectF& rect) { return flip(rect, qtPrimaryFrame().height()); }

} // namespace screen

} // namespace tq
