#pragma once
// A still image of an area of the screen (a window's area), for text recognition.

#include <QImage>
#include <QRectF>

#include <memory>

namespace tq {

class WindowCapture {
public:
    virtual ~WindowCapture() = default;
    // The area (top-left screen coordinates) at `scale` pixels per point, without the pointer.
    // A null image when nothing could be captured.
    virtual QImage capture(const QRectF& area, double scale) = 0;
    // Pixels per point of the primary screen; 2.0 when there is no screen.
    virtual double scale() = 0;

    // The system implementation (made once, by SystemPlatform).
    static std::unique_ptr<WindowCapture> createSystem();
};

} // namespace tq
