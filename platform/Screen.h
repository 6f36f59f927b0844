#pragma once
// Screen geometry and the one conversion between the three rectangle spaces:
//  - accessibility space: origin at the top-left of the primary screen, y downward;
//  - screen space: origin at the bottom-left of the primary screen, y upward (what the
//    field code and the overlay layout work in);
//  - Qt's logical coordinates (top-left, y downward), used only inside platform/.

#include <QRectF>

namespace tq {

class ScreenGeometry {
public:
    virtual ~ScreenGeometry() = default;
    // The primary screen's frame in Qt coordinates; empty when there is no screen.
    virtual QRectF primaryFrame() const = 0;

    // The Qt screens unless a test installed another.
    static ScreenGeometry& shared();
    static void setShared(ScreenGeometry* geometry); // nullptr restores the real one
};

namespace screen {
// Height of the primary screen, 0 without one; read at each call.
double primaryHeight();
// Top-left accessibility rectangle → bottom-left screen rectangle (x and size kept,
// y = H − (y + height)).
QRectF fromAccessibility(const QRectF& rect);
// Bottom-left screen rectangle → top-left accessibility rectangle (the same flip).
QRectF toAccessibility(const QRectF& rect);
// Bottom-left screen rectangle ↔ Qt's logical coordinates.
QRectF toQt(const QRectF& rect);
QRectF fromQt(const QRectF& rect);
} // namespace screen

} // namespace tq
