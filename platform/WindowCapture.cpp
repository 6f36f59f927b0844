#include "platform/WindowCapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

#include <cmath>

namespace tq {

namespace {

// Grabs the root window's pixels: what the window shows where it is not covered.
class X11WindowCapture final : public WindowCapture {
public:
    QImage capture(const QRectF& area, double scale) override
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen || area.width() < 1 || area.height() < 1)
            return {};
        const QRect r = area.toAlignedRect();
        const QPixmap grabbed = screen->grabWindow(0, r.x(), r.y(), r.width(), r.height());
        if (grabbed.isNull())
            return {};
        QImage image = grabbed.toImage();
        const int width = int(std::floor(area.width() * scale));
        const int height = int(std::floor(area.height() * scale));
        if (image.width() != width || image.height() != height)
            image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        return image;
    }

    double scale() override
    {
        QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->devicePixelRatio() : 2.0;
    }
};

} // namespace

std::unique_ptr<WindowCapture> WindowCapture::createSystem()
{
    return std::make_unique<X11WindowCapture>();
}

} // namespace tq
