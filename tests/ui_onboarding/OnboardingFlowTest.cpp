// The first-run window's order apart from its widgets: intro once, steps, buttons, ending.

#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "settings/Preferences.h"
#include "ui/onboarding/OnboardingFlow.h"

#include <gtest/gtest.h>

#include <memory>

namespace tq {
namespace {

class OnboardingFlowTest : public ::testing::Test {
protected:
    std::unique_ptr<OnboardingFlow> makeFlow(bool hasIntro = true)
    {
        return std::make_unique<OnboardingFlow>(prefs, clock, hasIntro, [this] { ++finished; });
    }
    VirtualClock clock;
    FakeDefaults defaults;
    Preferences prefs{defaults};
    int finished = 0;
};

TEST_F(OnboardingFlowTest, StepsTitlesAndProgressInOrder)
{
    auto flow = makeFlow();
    struct Row {
        OnboardingStep step;
        double progress;
        const char* label;
        bool back;
        const char* primary;
    };
    const Row rows[] = {
        {OnboardingStep::welcome, 0.25, "Step 1 of 4", false, "Continue"},
        {OnboardingStep::access, 0.5, "Step 2 of 4", true, "Later"},
        {OnboardingStep::engine, 0.75, "Step 3 of 4", true, "Continue"},
        {OnboardingStep::practice, 1.0, "Step 4 of 4", true, "Start Writing"},
    };
    for (const Row& r : rows) {
        EXPECT_EQ(flow->step(), r.step);
        EXPECT_DOUBLE_EQ(flow->progress(), r.progress);
        EXPECT_EQ(flow->progressLabel(), QString::fromUtf8(r.label));
        EXPECT_EQ(flow->hasBack(), r.back);
        EXPECT_EQ(flow->primaryTitle(), QString::fromUtf8(r.primary));
        if (r.step != OnboardingStep::practice)
            flow->advance();
    }
    EXPECT_EQ(finished, 0);
    EXPECT_EQ(onboardingStepFromRaw(4), std::nullopt);
    EXPECT_EQ(onboardingStepFromRaw(-1), std::nullopt);
    EXPECT_EQ(onboardingStepFromRaw(2), OnboardingStep::engine);
}

TEST_F(OnboardingFlowTest, LaterTurnsIntoContinueWhenAccessIsGranted)
{
    auto flow = makeFlow();
    flow->goTo(OnboardingStep::access);
    int titleChanges = 0;
    QObject::connect(flow.get(), &OnboardingFlow::primaryTitleChanged, [&] { ++titleChanges; });
    EXPECT_EQ(flow->primaryTitle(), QStringLiteral("Later"));
    flow->setAccessGranted(true);
    EXPECT_EQ(flow->primaryTitle(), QStringLiteral("Continue"));
    EXPECT_EQ(titleChanges, 1);
    flow->setAccessGranted(false);
    EXPECT_EQ(flow->primaryTitle(), QStringLiteral("Later"));
    // "Later" still moves on: no step is required.
    flow->advance();
    EXPECT_EQ(flow->step(), OnboardingStep::engine);
}

TEST_F(OnboardingFlowTest, BackGoesOneStepExceptOnTheFirst)
{
    auto flow = makeFlow();
    QList<OnboardingStep> seen;
    QObject::connect(flow.get(), &OnboardingFlow::stepChanged, [&](OnboardingStep s) { seen.append(s); });
    flow->back();
    EXPECT_EQ(flow->step(), OnboardingStep::welcome);
    flow->goTo(OnboardingStep::practice);
    flow->back();
    flow->back();
    EXPECT_EQ(flow->step(), OnboardingStep::access);
    EXPECT_EQ(seen, (QList<OnboardingStep>{OnboardingStep::practice, OnboardingStep::engine, OnboardingStep::access}));
}

TEST_F(OnboardingFlowTest, TheIntroPlaysOnce)
{
    auto flow = makeFlow();
    int changes = 0;
    QObject::connect(flow.get(), &OnboardingFlow::introChanged, [&] { ++changes; });
    EXPECT_TRUE(flow->showsIntro());
    flow->introDone();
    EXPECT_FALSE(flow->showsIntro());
    EXPECT_TRUE(prefs.introSeen());
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(defaults.stored().value(QStringLiteral("introSeen")), QVariant(true));
    // A new window starts at the first step without the intro; without an intro to play
    // the flag is left alone.
    EXPECT_FALSE(makeFlow()->showsIntro());
    prefs.setIntroSeen(false);
    EXPECT_FALSE(makeFlow(false)->showsIntro());
}

TEST_F(OnboardingFlowTest, StartWritingFinishesAfterTheBurst)
{
    auto flow = makeFlow();
    flow->goTo(OnboardingStep::practice);
    flow->advance();
    ASSERT_TRUE(flow->finishedAt());
    clock.advance(std::chrono::milliseconds(849));
    EXPECT_EQ(finished, 0);
    clock.advance(std::chrono::milliseconds(1));
    EXPECT_EQ(finished, 1);

    // Pressed twice: the burst restarts and each press finishes once; the window going away
    // during the burst does not stop it.
    flow->advance();
    clock.advance(std::chrono::milliseconds(400));
    flow->advance();
    EXPECT_EQ(*flow->finishedAt(), clock.monotonic());
    flow.reset();
    clock.advance(std::chrono::milliseconds(1000));
    EXPECT_EQ(finished, 3);
}

TEST_F(OnboardingFlowTest, UnderReduceMotionStartWritingFinishesAtOnce)
{
    auto flow = makeFlow();
    flow->setReduceMotion(true);
    flow->goTo(OnboardingStep::practice);
    flow->advance();
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(flow->finishedAt());
    EXPECT_EQ(clock.pendingCount(), 0u);
}

TEST(AccessSeal, CelebratesAtMostOnceARun)
{
    struct Row {
        std::optional<bool> startedOff;
        bool justGranted, celebrated, celebrates;
    };
    const Row rows[] = {
        {true, false, false, true},   // granted while the step was shown
        {false, false, false, false}, // granted long before
        {false, true, false, true},   // granted just before the step
        {true, false, true, false},   // revoked and granted again: already played
        {false, true, true, false},
        {std::nullopt, false, false, false},
    };
    for (const Row& r : rows)
        EXPECT_EQ(accessSealCelebrates(r.startedOff, r.justGranted, r.celebrated), r.celebrates);
}

} // namespace
} // namespace tq
