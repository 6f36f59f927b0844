#include "ui/design/Animation.h"

#include <QPointF>

#include <algorithm>
#include <cmath>

namespace tq {

namespace motion {

namespace {
struct Osc {
    double w0;
    double zeta;
};
Osc osc(const Spring& s)
{
    const double response = std::max(s.response, 1e-3);
    return {2 * M_PI / response, std::max(s.dampingFraction, 0.0)};
}
} // namespace

// x(t) = 1 - e(t) where e solves e'' + 2ζω e' + ω² e = 0, e(0) = 1, e'(0) = -v0.
double springPosition(const Spring& spring, double t, double v0)
{
    if (t <= 0)
        return 0;
    const auto [w, z] = osc(spring);
    const double e0 = 1.0, de0 = -v0;
    double e;
    if (z < 1) {
        const double wd = w * std::sqrt(1 - z * z);
        e = std::exp(-z * w * t) * (e0 * std::cos(wd * t) + (de0 + z * w * e0) / wd * std::sin(wd * t));
    } else if (z == 1) {
        e = std::exp(-w * t) * (e0 + (de0 + w * e0) * t);
    } else {
        const double s = w * std::sqrt(z * z - 1);
        const double r1 = -z * w + s, r2 = -z * w - s;
        const double c2 = (de0 - r1 * e0) / (r2 - r1);
        const double c1 = e0 - c2;
        e = c1 * std::exp(r1 * t) + c2 * std::exp(r2 * t);
    }
    return 1 - e;
}

double springVelocity(const Spring& spring, double t, double v0)
{
    if (t <= 0)
        return v0;
    const double h = 1e-4;
    return (springPosition(spring, t + h, v0) - springPosition(spring, std::max(t - h, 1e-9), v0)) /
           (t + h - std::max(t - h, 1e-9));
}

double springSettleTime(const Spring& spring, double epsilon)
{
    // Step forward until position and velocity stay small for a tenth of a second.
    const double step = 1.0 / 240;
    double calm = 0;
    for (double t = step; t < 20; t += step) {
        if (std::abs(1 - springPosition(spring, t)) < epsilon && std::abs(springVelocity(spring, t)) < epsilon * 10)
            calm += step;
        else
            calm = 0;
        if (calm >= 0.1)
            return t - calm;
    }
    return 20;
}

Spring springFromBounce(double duration, double bounce)
{
    return Spring{duration, 1 - std::clamp(bounce, 0.0, 0.99), 0};
}

double curveProgress(const Curve& curve, double t)
{
    if (t <= 0)
        return 0;
    const double d = curve.durationMs / 1000.0;
    if (d <= 0 || t >= d)
        return 1;
    return curve.easing.valueForProgress(t / d);
}

namespace {
Curve bezier(double x1, double y1, double x2, double y2, int ms)
{
    QEasingCurve e(QEasingCurve::BezierSpline);
    e.addCubicBezierSegment(QPointF(x1, y1), QPointF(x2, y2), QPointF(1, 1));
    return Curve{e, ms};
}
} // namespace

Curve easeOut(int durationMs) { return bezier(0, 0, 0.58, 1, durationMs); }
Curve easeInOut(int durationMs) { return bezier(0.42, 0, 0.58, 1, durationMs); }
const Curve& page() { return slow(); }

} // namespace motion

void AnimatedValue::setTo(double value)
{
    from_ = to_ = value;
    anim_ = Animation::none();
    v0_ = 0;
}

void AnimatedValue::animateTo(double target, const Animation& animation)
{
    const double now = frames_->seconds();
    const double current = valueAt(now);
    const double velocity = velocityAt(now);
    if (animation.kind == Animation::Kind::none) {
        setTo(target);
        return;
    }
    if (target == to_ && isMovingAt(now))
        return; // already on its way
    from_ = current;
    to_ = target;
    anim_ = animation;
    start_ = now + animation.delay;
    const double span = to_ - from_;
    v0_ = (animation.kind == Animation::Kind::spring && std::abs(span) > 1e-9) ? velocity / span : 0;
    if (animation.kind == Animation::Kind::spring)
        end_ = start_ + motion::springSettleTime(animation.spring);
    else
        end_ = start_ + animation.curve.durationMs / 1000.0;
    if (std::abs(span) < 1e-12)
        setTo(target);
}

double AnimatedValue::valueAt(double seconds) const
{
    if (anim_.kind == Animation::Kind::none || seconds >= end_)
        return to_;
    const double t = seconds - start_;
    if (t <= 0)
        return from_;
    const double p = anim_.kind == Animation::Kind::spring ? motion::springPosition(anim_.spring, t, v0_)
                                                            : motion::curveProgress(anim_.curve, t);
    return from_ + (to_ - from_) * p;
}

double AnimatedValue::velocityAt(double seconds) const
{
    if (anim_.kind != Animation::Kind::spring || seconds >= end_ || seconds <= start_)
        return 0;
    return motion::springVelocity(anim_.spring, seconds - start_, v0_) * (to_ - from_);
}

bool AnimatedValue::isMovingAt(double seconds) const
{
    return anim_.kind != Animation::Kind::none && seconds < end_;
}

MotionContext::MotionContext(Clock& clock, ReduceMotion& reduceMotion, QObject* parent)
    : QObject(parent), frames_(clock), reduceMotion_(reduceMotion)
{
    connect(&reduceMotion_, &ReduceMotion::changed, this, &MotionContext::reduceMotionChanged);
}

} // namespace tq
