#pragma once
// The intro's timing: when each thing happens (two tables, the usual one and the one for
// Reduce Motion), the easing helpers every layer uses, and the small state of the intro's
// ending. Everything here is a pure function of the scene time t in seconds.

#include <array>

namespace tq {

struct IntroCues {
    double drop;
    std::array<double, 5> letters;
    double ghost;
    double key;
    double accept;
    double tagline;
    double button;

    static const IntroCues& regular();
    static const IntroCues& reduced();
    static const IntroCues& pick(bool reduceMotion) { return reduceMotion ? reduced() : regular(); }
};

namespace intro {

double clamp01(double x);                 // C
double easeOut(double x);                 // E: 1 − (1 − C(x))³
double spring(double x);                  // S: damped spring, overshoots and settles at 1
double tail(double x);                    // (1 − C(x))³
// The fixed pseudo-random number of mote i for key k, in 0 … 1.
double moteRandom(int i, double k);

// "Get Started": its progress p, whether it takes clicks, whether accessibility sees it.
double buttonProgress(double t, const IntroCues& cue);
bool buttonUsable(double t, const IntroCues& cue);

// The typing caret's opacity before offsets (0 when hidden) and the end caret's.
double typingCaretOpacity(double t, const IntroCues& cue);
double endCaretOpacity(double t, const IntroCues& cue);
// Index of the letter the typing caret stands behind (-1: before the first).
int caretLetter(double t, const IntroCues& cue);
bool tabPressed(double t, const IntroCues& cue);
double tabOpacity(double t, const IntroCues& cue);
double taglineOpacity(double t, const IntroCues& cue);
double ghostOpacity(double t, const IntroCues& cue);
// Stage flash at the drop (0 with Reduce Motion).
double flash(double t, const IntroCues& cue, bool still);

} // namespace intro

// The intro's ending: leave() starts it once; `done` is reported once.
class IntroEnding {
public:
    enum class Phase { entering, playing, leaving, done };
    Phase phase() const { return phase_; }
    void entered() { if (phase_ == Phase::entering) phase_ = Phase::playing; }
    // Shown again before leaving: the entrance runs again.
    void restart() { if (!leaving()) phase_ = Phase::entering; }
    // True when this call starts the leaving (the first one).
    bool leave()
    {
        if (phase_ == Phase::leaving || phase_ == Phase::done)
            return false;
        phase_ = Phase::leaving;
        return true;
    }
    // True when `done` is to be called now (once).
    bool finish()
    {
        if (phase_ != Phase::leaving)
            return false;
        phase_ = Phase::done;
        return true;
    }
    bool leaving() const { return phase_ == Phase::leaving || phase_ == Phase::done; }

private:
    Phase phase_ = Phase::entering;
};

// How long the entrance, the leaving fade and the wait before `done` last.
struct IntroDurations {
    double enter;
    double leave;
    double doneAfter;
    static IntroDurations pick(bool reduceMotion)
    {
        return reduceMotion ? IntroDurations{0.2, 0.2, 0.2} : IntroDurations{0.45, 0.55, 0.5};
    }
};

} // namespace tq
