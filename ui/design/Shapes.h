#pragma once
// Continuous-corner shapes: a rounded rectangle whose corners blend into the sides without a
// kink (a squircle corner), and the capsule.

#include <QPainterPath>
#include <QRectF>

namespace tq {

QPainterPath continuousRect(const QRectF& rect, double radius);
QPainterPath continuousCapsule(const QRectF& rect);

} // namespace tq
