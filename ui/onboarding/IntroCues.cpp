#include "ui/onboarding/IntroCues.h"

#include <algorithm>
#include <cmath>

namespace tq {

const IntroCues& IntroCues::regular()
{
    static const IntroCues cues{2.0, {2.3, 2.52, 2.74, 2.96, 3.18}, 3.5, 3.9, 4.4, 5.5, 6.4};
    return cues;
}

const IntroCues& IntroCues::reduced()
{
    static const IntroCues cues{0.6, {1.0, 1.0, 1.0, 1.0, 1.0}, 1.6, 1.9, 2.6, 3.4, 4.0};
    return cues;
}

namespace intro {

double clamp01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}

double easeOut(double x)
{
    const double u = 1 - clamp01(x);
    return 1 - u * u * u;
}

double spring(double x)
{
    if (x <= 0)
        return 0;
    if (x > 1.6)
        return 1;
    return 1 - std::exp(-5 * x) * std::cos(7.5 * x);
}

double tail(double x)
{
    const double u = 1 - clamp01(x);
    return u * u * u;
}

double moteRandom(int i, double k)
{
    const double y = std::sin(i * k * 12.9898) * 43758.5453;
    return y - std::floor(y);
}

double buttonProgress(double t, const IntroCues& cue)
{
    return clamp01(2 * (t - cue.button));
}

bool buttonUsable(double t, const IntroCues& cue)
{
    return t > cue.button;
}

namespace {
double blink(double t)
{
    const double f = 1.9 * t - std::floor(1.9 * t);
    return f < 0.62 ? 1.0 : 0.25;
}
} // namespace

int caretLetter(double t, const IntroCues& cue)
{
    for (int i = int(cue.letters.size()) - 1; i >= 0; --i)
        if (cue.letters[i] <= t)
            return i;
    return -1;
}

double typingCaretOpacity(double t, const IntroCues& cue)
{
    if (!(cue.letters[0] - 0.1 < t && t < cue.accept))
        return 0;
    const int i = caretLetter(t, cue);
    const double k = i < 0 ? 0 : tail((t - cue.letters[i]) / 0.18);
    return std::min(0.6 * k + blink(t), 1.0);
}

double endCaretOpacity(double t, const IntroCues& cue)
{
    if (!(cue.accept <= t && t < cue.tagline + 0.6))
        return 0;
    return std::min(blink(t) * tail((t - cue.tagline) / 0.6), 1.0);
}

bool tabPressed(double t, const IntroCues& cue)
{
    return cue.accept <= t && t < cue.accept + 0.16;
}

double tabOpacity(double t, const IntroCues& cue)
{
    return easeOut((t - cue.key) / 0.35) * tail((t - (cue.tagline - 0.3)) / 0.4);
}

double taglineOpacity(double t, const IntroCues& cue)
{
    return easeOut((t - cue.tagline) / 0.6);
}

double ghostOpacity(double t, const IntroCues& cue)
{
    return 0.34 * easeOut((t - cue.ghost) / 0.6) + 0.66 * easeOut((t - cue.accept) / 0.45);
}

double flash(double t, const IntroCues& cue, bool still)
{
    if (still)
        return 0;
    return easeOut(t - cue.drop + 1) * tail((t - cue.drop) / 0.6);
}

} // namespace intro

} // namespace tq
