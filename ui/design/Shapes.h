#pragma once
// Continuous-corner shapes: a rounded rectangle whose corners blend into the sides without a
// kink (a squircle corner), and the capsule.

#include <QPainterPath>
#include <QRectF>

namespace tq {

QPainterPath continuousRect(const QRectF& rect, double radius);
QPainterPath continuousCapsule(const QRectF& rect);

// `logical`, laid out left to right in a box `width` wide, where it stands in `direction`
// (mirrored right to left), as QStyle::visualRect does for whole pixels.
QRectF visualRect(Qt::LayoutDirection direction, double width, const QRectF& logical);

} // namespace tq
