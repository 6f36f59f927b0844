#pragma once
// Screen geometry and the one conversion between the three rectangle spaces:
//  - accessibility space: origin at the top-left of the primary screen, y downward, in Qt's
//    logical pixels whatever unit the reporting toolkit used;
//  - screen space: origin at the bottom-left of the primary screen, y upward (what the
//    field code and the overlay layout work in);
//  - Qt's logical coordinates (top-left, y downward), used only inside platform/.

#include <QRectF>

#include <memory>

namespace tq {

class ScreenGeometry {
public:
    virtual ~ScreenGeometry() = default;
    // The primary screen's frame in Qt coordinates; empty when there is no screen.
    virtual QRectF primaryFrame() const = 0;

    // The Qt screens (made once, by SystemPlatform).
    static std::unique_ptr<ScreenGeometry> createSystem();
};

namespace screen {
// Top-left accessibility rectangle → bottom-left screen rectangle (x and size kept,
// y = H − (y + height), H the primary screen's height, 0 without a screen, read at each call).
QRectF fromAccessibility(const QRectF& rect, const ScreenGeometry& geometry);
// Bottom-left screen rectangle → top-left accessibility rectangle (the same flip).
QRectF toAccessibility(const QRectF& rect, const ScreenGeometry& geometry);
// Qt's own primary screen in Qt coordinates; empty without one. Qt window geometry is
// converted over the screens Qt itself shows the window on, never over a test's geometry.
QRectF qtPrimaryFrame();
// Bottom-left screen rectangle ↔ Qt's logical coordinates.
QRectF toQt(const QRectF& rect);
QRectF fromQt(const QRectF& rect);
// Screen pixels per Qt logical pixel on the primary screen (1 without one): X11 positions over
// this ratio are accessibility rectangles.
double devicePixelRatio();
QRectF fromDevicePixels(const QRectF& rect);
} // namespace screen

} // namespace tq
