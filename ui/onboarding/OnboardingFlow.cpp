#include "ui/onboarding/OnboardingFlow.h"

#include "platform/Text.h"
#include "settings/Preferences.h"

#include <QLocale>

namespace tq {

std::optional<OnboardingStep> onboardingStepFromRaw(int raw)
{
    if (raw < 0 || raw >= kOnboardingStepCount)
        return std::nullopt;
    return OnboardingStep(raw);
}

OnboardingFlow::OnboardingFlow(Preferences& prefs, Clock& clock, bool hasIntro, std::function<void()> finish,
                               QObject* parent)
    : QObject(parent), prefs_(prefs), clock_(clock), hasIntro_(hasIntro), finish_(std::move(finish))
{
    connect(&prefs_, &Preferences::changed, this, [this](const QString& key) {
        if (key == QLatin1String("introSeen"))
            emit introChanged();
    });
}

bool OnboardingFlow::showsIntro() const { return hasIntro_ && !prefs_.introSeen(); }

void OnboardingFlow::introDone()
{
    if (!prefs_.introSeen())
        prefs_.setIntroSeen(true);
}

double OnboardingFlow::progress() const { return (int(step_) + 1) * 0.25; }

QString OnboardingFlow::progressLabel() const
{
    const QLocale locale;
    return tq::text("Step %1 of %Ln", kOnboardingStepCount).arg(locale.toString(int(step_) + 1));
}

QString OnboardingFlow::primaryTitle() const
{
    switch (step_) {
    case OnboardingStep::welcome:
    case OnboardingStep::engine:
        return tq::text("Continue");
    case OnboardingStep::access:
        return accessGranted_ ? tq::text("Continue") : tq::text("Later");
    case OnboardingStep::practice:
        return tq::text("Start Writing");
    }
    return {};
}

void OnboardingFlow::setAccessGranted(bool granted)
{
    if (granted == accessGranted_)
        return;
    accessGranted_ = granted;
    if (step_ == OnboardingStep::access)
        emit primaryTitleChanged();
}

void OnboardingFlow::goTo(OnboardingStep step)
{
    if (step == step_)
        return;
    step_ = step;
    emit stepChanged(step_);
    emit primaryTitleChanged();
}

void OnboardingFlow::advance()
{
    if (step_ == OnboardingStep::practice) {
        finishWithBurst();
        return;
    }
    goTo(OnboardingStep(int(step_) + 1));
}

void OnboardingFlow::back()
{
    if (hasBack())
        goTo(OnboardingStep(int(step_) - 1));
}

void OnboardingFlow::finishWithBurst()
{
    if (reduceMotion_) {
        if (finish_)
            finish_();
        return;
    }
    finishedAt_ = clock_.monotonic();
    emit burstStarted();
    // Not tied to this object: closing the window during the burst still finishes.
    clock_.start(kBurstLength, [finish = finish_] {
        if (finish)
            finish();
    });
}

bool accessSealCelebrates(std::optional<bool> startedOff, bool justGranted, bool celebratedThisRun)
{
    return !celebratedThisRun && (startedOff.value_or(false) || justGranted);
}

} // namespace tq
