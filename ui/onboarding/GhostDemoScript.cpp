#include "ui/onboarding/GhostDemoScript.h"

#include "platform/Chars.h"
#include "look/Palette.h"

#include <QEasingCurve>
#include <QPointF>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {
constexpr double kStartPause = 0.5;
constexpr double kAfterTyping = 0.45;
constexpr double kBloom = 0.9;
constexpr double kAfterBloom = 1.4;
constexpr double kAccept = 0.3;
constexpr double kPressHold = 0.12;
constexpr double kGlowFade = 0.7;
constexpr double kAfterWord = 0.55;
constexpr double kBlink = 0.45;
constexpr int kBlinks = 4;
constexpr double kFade = 0.3;
constexpr double kAfterFade = 0.45;

const QEasingCurve& easeOut()
{
    static const QEasingCurve curve = [] {
        QEasingCurve c(QEasingCurve::BezierSpline);
        c.addCubicBezierSegment(QPointF(0, 0), QPointF(0.58, 1), QPointF(1, 1));
        return c;
    }();
    return curve;
}

// Progress 0…1 of an animation of `length` seconds started at `start`.
double progress(const QEasingCurve& curve, double t, double start, double length)
{
    if (t <= start)
        return 0;
    if (t >= start + length)
        return 1;
    return curve.valueForProgress((t - start) / length);
}

double quickProgress(double t, double start)
{
    const auto& q = motion::quick();
    return progress(q.easing, t, start, q.durationMs / 1000.0);
}
} // namespace

GhostDemoScript::GhostDemoScript(QString typed, QString ghost)
    : typed_(std::move(typed)), ghost_(std::move(ghost))
    , typedBounds_(chars::boundaries(typed_)), ghostBounds_(chars::boundaries(ghost_))
{
    for (int i = 1; i < ghostLength(); ++i) {
        if (ghost_.sliced(ghostBounds_[i], ghostBounds_[i + 1] - ghostBounds_[i]) == QLatin1String(" "))
            stops_.append(i);
    }
    if (ghostLength() > 0)
        stops_.append(ghostLength());

    double t = kStartPause;
    for (int i = 0; i < typedLength(); ++i) {
        typedAt_.append(t);
        const bool space = typed_.sliced(typedBounds_[i], typedBounds_[i + 1] - typedBounds_[i]) == QLatin1String(" ");
        t += typingPause(i, space);
    }
    bloomAt_ = t + kAfterTyping;
    wordsAt_ = bloomAt_ + kAfterBloom;
    blinkAt_ = wordsAt_ + stops_.size() * (kPressHold + kAfterWord);
    fadeAt_ = blinkAt_ + kBlinks * kBlink;
}

QString GhostDemoScript::typedPrefix(int count) const
{
    count = std::clamp(count, 0, typedLength());
    return typed_.first(typedBounds_[count]);
}

qsizetype GhostDemoScript::ghostOffset(int index) const
{
    return ghostBounds_[std::clamp(index, 0, ghostLength())];
}

double GhostDemoScript::typingPause(int index, bool isSpace)
{
    if (isSpace)
        return 0.11;
    const double x = std::sin(double(index) * 12.9898) * 43758.5453;
    return 0.035 + 0.04 * (x - std::floor(x));
}

double GhostDemoScript::sceneLength() const { return fadeAt_ + kFade + kAfterFade; }

GhostDemoState GhostDemoScript::still() const
{
    GhostDemoState s;
    s.typedCount = typedLength();
    s.bloom = 1;
    return s;
}

GhostDemoState GhostDemoScript::at(double seconds) const
{
    const double t = std::fmod(std::max(seconds, 0.0), sceneLength());
    GhostDemoState s;
    s.typedCount = int(std::upper_bound(typedAt_.begin(), typedAt_.end(), t) - typedAt_.begin());
    s.bloom = progress(easeOut(), t, bloomAt_, kBloom);

    double accepted = 0;
    int previous = 0;
    for (int k = 0; k < stops_.size(); ++k) {
        const double start = wordsAt_ + k * (kPressHold + kAfterWord);
        if (t < start)
            break;
        const double release = start + kPressHold;
        s.chunkStart = previous;
        s.glow = t < release ? 1 : 1 - progress(easeOut(), t, release, kGlowFade);
        s.pressed = t < release ? quickProgress(t, start) : quickProgress(release, start) * (1 - quickProgress(t, release));
        accepted = previous + (stops_[k] - previous) * progress(motion::standard().easing, t, start, kAccept);
        previous = stops_[k];
    }
    s.accepted = accepted;

    if (t >= blinkAt_) {
        const int toggles = std::min(kBlinks, int((t - blinkAt_) / kBlink) + 1);
        s.caretOn = toggles % 2 == 0;
    }
    s.textOpacity = 1 - progress(easeOut(), t, fadeAt_, kFade);
    return s;
}

} // namespace tq
