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
// Accessibility rectangles are already in Qt's logical pixels.
QRectF toQt(const QRectF& rect) { return flip(rect, qtPrimaryFrame().height()); }
QRectF fromQt(const QRectF& rect) { return flip(rect, qtPrimaryFrame().height()); }

double devicePixelRatio()
{
    const QScreen* s = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    const double ratio = s ? s->devicePixelRatio() : 1.0;
    return ratio > 0 ? ratio : 1.0;
}

QRectF fromDevicePixels(const QRectF& rect)
{
    const double k = 1.0 / devicePixelRatio();
    return QRectF(rect.x() * k, rect.y() * k, rect.width() * k, rect.height() * k);
}

} // namespace screen

} // namespace tq
