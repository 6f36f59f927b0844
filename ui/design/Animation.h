#pragma once
// Springs, timing curves and values that move between targets over the frame clock, plus
// the MotionContext every animated view takes: the frame clock and the Reduce Motion setting.

#include "platform/ReduceMotion.h"
#include "ui/design/FrameClock.h"
#include "look/Palette.h"

#include <QObject>

namespace tq {

namespace motion {

// A damped spring going from 0 to 1, released with velocity `v0` (per second).
double springPosition(const Spring& spring, double t, double v0 = 0);
double springVelocity(const Spring& spring, double t, double v0 = 0);
// Seconds until it stays within `epsilon` of 1 and is slower than `epsilon` per second.
double springSettleTime(const Spring& spring, double epsilon = 0.001);
// A spring given as a duration and a bounce (0 = none, up to 1).
Spring springFromBounce(double duration, double bounce);

// Progress of a timing curve after t seconds, 0 before and 1 after.
double curveProgress(const Curve& curve, double t);
// Cubic Bézier ease-out (0, 0, 0.58, 1) and ease-in-out (0.42, 0, 0.58, 1).
Curve easeOut(int durationMs);
Curve easeInOut(int durationMs);
// The page change curve: the shared curve over 0.34 s.
const Curve& page();

} // namespace motion

// How a value goes to a new target.
struct Animation {
    enum class Kind { none, curve, spring };
    Kind kind = Kind::none;
    motion::Curve curve;
    motion::Spring spring;
    double delay = 0; // seconds before the move starts

    static Animation none() { return {}; }
    static Animation timing(const motion::Curve& c, double delaySeconds = 0)
    {
        Animation a;
        a.kind = Kind::curve;
        a.curve = c;
        a.delay = delaySeconds;
        return a;
    }
    static Animation springy(const motion::Spring& s)
    {
        Animation a;
        a.kind = Kind::spring;
        a.spring = s;
        return a;
    }
    static Animation springy(double response, double damping) { return springy(motion::Spring{response, damping, 0}); }
};

// A number that moves to its target along an Animation, read at the frame clock's time.
class AnimatedValue {
public:
    AnimatedValue(FrameClock& frames, double initial) : frames_(&frames), from_(initial), to_(initial) {}

    void setTo(double value); // at once
    void animateTo(double target, const Animation& animation);
    double value() const { return valueAt(frames_->seconds()); }
    double valueAt(double seconds) const;
    double target() const { return to_; }
    bool isMoving() const { return isMovingAt(frames_->seconds()); }
    bool isMovingAt(double seconds) const;

private:
    double velocityAt(double seconds) const;
    FrameClock* frames_;
    double from_;
    double to_;
    double start_ = 0;
    double v0_ = 0; // initial velocity as a fraction of (to - from) per second
    double end_ = 0;
    Animation anim_;
};

class MotionContext final : public QObject {
    Q_OBJECT
public:
    MotionContext(Clock& clock, ReduceMotion& reduceMotion, QObject* parent = nullptr);

    FrameClock& frames() { return frames_; }
    bool reduceMotion() const { return reduceMotion_.isOn(); }
    // `full` normally, `reduced` with Reduce Motion on.
    Animation pick(const Animation& full, const Animation& reduced = Animation::none()) const
    {
        return reduceMotion() ? reduced : full;
    }

signals:
    void reduceMotionChanged(bool on);

private:
    FrameClock frames_;
    ReduceMotion& reduceMotion_;
};

} // namespace tq
