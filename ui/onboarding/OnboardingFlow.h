#pragma once
// The order of the first-run window apart from its widgets: the intro once, then the four
// steps with their progress, titles and buttons, and the ending that waits for the burst
// before it finishes. Main thread only.

#include "platform/Clock.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace tq {

class Preferences;

enum class OnboardingStep { welcome = 0, access = 1, engine = 2, practice = 3 };
inline constexpr int kOnboardingStepCount = 4;
// None outside 0…3.
std::optional<OnboardingStep> onboardingStepFromRaw(int raw);

class OnboardingFlow final : public QObject {
    Q_OBJECT
public:
    static constexpr Nanos kBurstLength = std::chrono::milliseconds(850);

    // `hasIntro`: an intro can be played inside the window. `finish` ends the onboarding (the
    // window marks it done and closes); it may run after this object is gone.
    OnboardingFlow(Preferences& prefs, Clock& clock, bool hasIntro, std::function<void()> finish,
                   QObject* parent = nullptr);

    // The intro plays while it has not been seen; done() stores that it was.
    bool showsIntro() const;
    void introDone();

    OnboardingStep step() const { return step_; }
    // 0.25, 0.5, 0.75, 1.
    double progress() const;
    // "Step 2 of 4".
    QString progressLabel() const;
    bool hasBack() const { return step_ != OnboardingStep::welcome; }
    // "Continue"; on the access step "Later" until access is granted; "Start Writing" last.
    QString primaryTitle() const;

    void setAccessGranted(bool granted);
    bool accessGranted() const { return accessGranted_; }

    void goTo(OnboardingStep step);
    // The primary button: the next step, or the ending on the last.
    void advance();
    // "Back" and Escape: one step back; nothing on the first step.
    void back();
    // Under Reduce Motion finishes at once; else starts the burst and finishes after it. A
    // second press starts the burst again and finishes once more.
    void finishWithBurst();
    void setReduceMotion(bool on) { reduceMotion_ = on; }
    bool reduceMotion() const { return reduceMotion_; }
    // When the burst began (monotonic), none before "Start Writing".
    std::optional<Nanos> finishedAt() const { return finishedAt_; }

signals:
    void introChanged();
    void stepChanged(tq::OnboardingStep step);
    void primaryTitleChanged();
    void burstStarted();

private:
    Preferences& prefs_;
    Clock& clock_;
    bool hasIntro_;
    std::function<void()> finish_;
    OnboardingStep step_ = OnboardingStep::welcome;
    bool accessGranted_ = false;
    bool reduceMotion_ = false;
    std::optional<Nanos> finishedAt_;
};

// Whether the access step's seal celebrates: when access was missing as the step first
// showed, or was granted less than two minutes ago; never twice in one run.
bool accessSealCelebrates(std::optional<bool> startedOff, bool justGranted, bool celebratedThisRun);

} // namespace tq
