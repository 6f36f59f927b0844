#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace tq {

namespace {

class QtScreenGeometry final : public ScreenGeometry {
public:
    QRectF primaryFrame() const override
    {
        if (!qGuiApp)
            return {};
        const QScreen* s = QGuiApplication::primaryScreen();
        return s ? QRectF(s->geometry()) : QRectF();
    }
};

ScreenGeometry* installed = nullptr;

QRectF flip(const QRectF& rect)
{
    return QRectF(rect.x(), screen::primaryHeight() - (rect.y() + rect.height()), rect.width(), rect.height());
}

} // namespace

ScreenGeometry& ScreenGeometry::shared()
{
    if (installed)
        return *installed;
    static QtScreenGeometry real;
    return real;
}

void ScreenGeometry::setShared(ScreenGeometry* geometry)
{
    installed = geometry;
}

namespace screen {

double primaryHeight()
{
    return ScreenGeometry::shared().primaryFrame().height();
}

QRectF fromAccessibility(const QRectF& rect) { return flip(rect); }
QRectF toAccessibility(const QRectF& rect) { return flip(rect); }
// Accessibility rectangles are X11 root coordinates, which are Qt's coordinates at a
// device-pixel ratio of 1 (the X11 session's case).
QRectF toQt(const QRectF& rect) { return flip(rect); }
QRectF fromQt(const QRectF& rect) { return flip(rect); }

} // namespace screen

} // namespace tq
