#include "ui/design/Shapes.h"

#include <algorithm>
#include <cmath>

namespace tq {

namespace {
// A corner reaches 1.528 radii along each side, as continuous corners do; its curve is a
// superellipse whose 45° point lies where a circular corner of that radius would put it.
constexpr double kReach = 1.528;
constexpr int kSteps = 10;

} // namespace

QPainterPath continuousRect(const QRectF& rect, double radius)
{
    QPainterPath path;
    const double w = rect.width(), h = rect.height();
    if (w <= 0 || h <= 0)
        return path;
    radius = std::clamp(radius, 0.0, std::min(w, h) / 2);
    if (radius <= 0) {
        path.addRect(rect);
        return path;
    }
    const double reach = std::min(kReach * radius, std::min(w, h) / 2);
    // Exponent that puts the corner's middle at radius × (1 − 1/√2) from each side.
    const double inset = radius * (1 - M_SQRT1_2) * 1.03;
    const double n = std::clamp(-std::log(2.0) / std::log(1 - std::min(inset / reach, 0.45)), 1.9, 6.0);
    const double l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    // Clockwise from the top-left corner's end on the top side; each corner walks from its
    // horizontal side to its vertical side or the reverse.
    path.moveTo(l + reach, t);
    path.lineTo(r - reach, t);
    for (int i = 0; i <= kSteps; ++i) { // top-right: top side → right side
        const double th = (M_PI / 2) * i / kSteps;
        const double cx = std::pow(std::cos(th), 2.0 / n), sn = std::pow(std::sin(th), 2.0 / n);
        path.lineTo(r - reach * (1 - sn), t + reach * (1 - cx));
    }
    path.lineTo(r, b - reach);
    for (int i = kSteps; i >= 0; --i) { // bottom-right: right side → bottom side
        const double th = (M_PI / 2) * i / kSteps;
        const double cx = std::pow(std::cos(th), 2.0 / n), sn = std::pow(std::sin(th), 2.0 / n);
        path.lineTo(r - reach * (1 - sn), b - reach * (1 - cx));
    }
    path.lineTo(l + reach, b);
    for (int i = 0; i <= kSteps; ++i) { // bottom-left: bottom side → left side
        const double th = (M_PI / 2) * i / kSteps;
        const double cx = std::pow(std::cos(th), 2.0 / n), sn = std::pow(std::sin(th), 2.0 / n);
        path.lineTo(l + reach * (1 - sn), b - reach * (1 - cx));
    }
    path.lineTo(l, t + reach);
    for (int i = kSteps; i >= 0; --i) { // top-left: left side → top side
        const double th = (M_PI / 2) * i / kSteps;
        const double cx = std::pow(std::cos(th), 2.0 / n), sn = std::pow(std::sin(th), 2.0 / n);
        path.lineTo(l + reach * (1 - sn), t + reach * (1 - cx));
    }
    path.closeSubpath();
    return path;
}

QPainterPath continuousCapsule(const QRectF& rect)
{
    QPainterPath path;
    if (rect.width() <= 0 || rect.height() <= 0)
        return path;
    const double r = std::min(rect.width(), rect.height()) / 2;
    path.addRoundedRect(rect, r, r);
    return path;
}

QRectF visualRect(Qt::LayoutDirection direction, double width, const QRectF& logical)
{
    if (direction != Qt::RightToLeft)
        return logical;
    return QRectF(width - logical.right(), logical.top(), logical.width(), logical.height());
}

} // namespace tq
