#include "ui/design/Effects.h"

#include "look/Palette.h"
#include "ui/design/Shapes.h"

#include <QPainter>

#include <cmath>

namespace tq {

double InkDrops::hash(double i, double k)
{
    const double v = std::sin(i * k * 12.9898) * 43758.5453;
    return v - std::floor(v);
}

std::vector<InkDrops::Drop> InkDrops::at(const QPointF& origin, double t) const
{
    std::vector<Drop> out;
    if (!(t > 0 && t < lifetime) || count <= 0)
        return out;
    static const QList<QColor> defaults = {palette::gold(), palette::withOpacity(palette::paper(), 0.9),
                                           palette::withOpacity(palette::gold(), 0.65)};
    const QList<QColor>& cols = colors.isEmpty() ? defaults : colors;
    const double p = t / lifetime;
    const double s = 1 + 1.6 * std::max(1 - 3 * t, 0.0);
    const double o = 1 - p * p;
    const double m = 1 - 0.5 * p;
    out.reserve(size_t(count));
    for (int n = 0; n < count; ++n) {
        const double i = n;
        const double a = 2 * M_PI * i / count + (hash(i, 1.7) - 0.5) * 0.6;
        const double v = speedLow + (speedHigh - speedLow) * hash(i, 3.1);
        const double vx = v * std::cos(a);
        const double vy = v * std::sin(a) - lift;
        const double x = origin.x() + t * vx;
        const double y = gravity * t * t * 0.5 + origin.y() + t * vy;
        const double r = hash(i, 5.3) * 3.5 + 1.5;
        out.push_back({QPointF(x, y), m * r, s, std::atan2(t * gravity + vy, vx), o, cols[n % cols.size()]});
    }
    return out;
}

void InkDrops::draw(QPainter& painter, const QPointF& origin, double t) const
{
    const auto drops = at(origin, t);
    if (drops.empty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double base = painter.opacity();
    for (const Drop& d : drops) {
        painter.save();
        painter.setOpacity(base * d.opacity);
        painter.translate(d.position);
        painter.rotate(d.heading * 180 / M_PI);
        painter.setBrush(d.colour);
        painter.drawEllipse(QRectF(-d.radius * d.stretch, -d.radius, 2 * d.radius * d.stretch, 2 * d.radius));
        painter.restore();
    }
    painter.restore();
}

ConfettiRandom::ConfettiRandom(std::int64_t seed)
    : state_((std::uint64_t(seed) * 0x9e3779b97f4a7c15ULL) | 1ULL)
{
}

double ConfettiRandom::next()
{
    state_ = state_ * 0x5851f42d4c957f2dULL + 0x14057b7ef767814fULL;
    return double(state_ >> 11) / double(1ULL << 53);
}

GoldConfetti::GoldConfetti(std::int64_t seed)
{
    ConfettiRandom rng(seed);
    flecks_.reserve(kCount);
    for (int i = 0; i < kCount; ++i) {
        ConfettiFleck f{};
        f.angle = (rng.next() - 0.5) * M_PI * 0.85 - M_PI / 2;
        f.speed = rng.next() * 420 + 520;
        const double r3 = rng.next();
        const double r4 = rng.next();
        f.spin = (4 + 7 * r4) * (r3 < 0.5 ? -1 : 1);
        f.phase = 2 * (rng.next() * M_PI);
        f.size = rng.next() * 5 + 5;
        f.delay = rng.next() * 0.12;
        if (rng.next() < 0.4)
            f.colour = 0;
        else if (rng.next() < 0.45)
            f.colour = 1;
        else
            f.colour = rng.next() < 0.75 ? 2 : 3;
        f.round = rng.next() < 0.25;
        flecks_.push_back(f);
    }
}

QColor GoldConfetti::colour(int index)
{
    switch (index) {
    case 0:
        return palette::gold();
    case 1:
        return palette::goldDeep();
    case 2:
        return palette::goldPale();
    default:
        return QColor::fromRgbF(1, 1, 1, 0.9f);
    }
}

void GoldConfetti::draw(QPainter& painter, const QSizeF& size, double t) const
{
    if (!(t >= 0 && t < kDuration))
        return;
    const double W = size.width(), H = size.height();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const double base = painter.opacity();
    for (const ConfettiFleck& f : flecks_) {
        const double tau = t - f.delay;
        if (tau <= 0)
            continue;
        const double k = (1 - std::exp(-2.5 * tau)) / 2.5;
        const double y = 0.42 * H + k * f.speed * std::sin(f.angle) + (tau - k) * 200;
        if (y >= H + 20)
            continue;
        const double x = 0.5 * W + k * f.speed * std::cos(f.angle) + std::min(tau, 1.0) * 6 * std::sin(f.phase + 2.4 * tau);
        const double opacity = tau < 1.6 ? 1 : std::max(0.0, 1 + (tau - 1.6) / (1.6 - 2.4));
        const double theta = f.phase + f.spin * tau;
        painter.save();
        painter.setOpacity(base * opacity);
        painter.translate(x, y);
        painter.rotate(theta * 180 / M_PI);
        painter.scale(std::max(std::abs(std::cos(1.3 * theta)), 0.15), 1);
        painter.setBrush(colour(f.colour));
        if (f.round)
            painter.drawEllipse(QRectF(-f.size / 2, -f.size / 2, f.size, f.size));
        else
            painter.drawPath(continuousRect(QRectF(-f.size / 2, -0.3 * f.size, f.size, 0.6 * f.size), 1));
        painter.restore();
    }
    painter.restore();
}

} // namespace tq
