#include "platform/fakes/FakeReduceMotion.h"
#include "ui/design/Animation.h"

#include <gtest/gtest.h>

using namespace tq;

TEST(Spring, SettlesAtTargetWithinItsSettleTime)
{
    const motion::Spring springs[] = {motion::spring(), {0.22, 0.85, 0}, {0.35, 0.6, 0}, {0.5, 1.0, 0}, {0.8, 1.4, 0}};
    for (const auto& s : springs) {
        const double settle = motion::springSettleTime(s);
        EXPECT_GT(settle, 0.05) << s.response;
        EXPECT_LT(settle, 3 * s.response + 0.5) << s.response;
        EXPECT_NEAR(motion::springPosition(s, settle), 1.0, 0.002) << s.response;
        EXPECT_NEAR(motion::springPosition(s, 5.0), 1.0, 1e-6) << s.response;
        EXPECT_EQ(motion::springPosition(s, 0), 0);
    }
    // Under-damped springs pass their target once; critically damped ones never do.
    double peak = 0;
    for (double t = 0; t < 1; t += 0.005)
        peak = std::max(peak, motion::springPosition({0.35, 0.6, 0}, t));
    EXPECT_GT(peak, 1.05);
    for (double t = 0; t < 2; t += 0.005)
        EXPECT_LE(motion::springPosition({0.5, 1.0, 0}, t), 1.0 + 1e-9);
}

TEST(Curves, SharedCurveStartsFastAndEndsAtOne)
{
    const motion::Curve& c = motion::standard();
    EXPECT_EQ(motion::curveProgress(c, 0), 0);
    EXPECT_GT(motion::curveProgress(c, 0.05), 0.5); // a fast start
    EXPECT_EQ(motion::curveProgress(c, 0.22), 1);
    EXPECT_EQ(motion::curveProgress(c, 9), 1);
}

TEST(FrameClock, TicksOnlyWhileSomethingMoves)
{
    VirtualClock clock;
    FakeReduceMotion reduce;
    MotionContext motion(clock, reduce);
    FrameClock& frames = motion.frames();
    clock.advance(Millis(500));
    EXPECT_EQ(frames.ticks(), 0u);
    EXPECT_EQ(clock.pendingCount(), 0u);

    AnimatedValue v(frames, 0);
    v.animateTo(1, Animation::springy(motion::spring()));
    int frameCount = 0;
    FrameClock::ListenerId id = 0;
    id = frames.listen([&] {
        ++frameCount;
        if (!v.isMoving())
            frames.unlisten(id);
    });
    EXPECT_TRUE(frames.isRunning());
    clock.advance(Millis(100));
    EXPECT_GT(v.value(), 0.3);
    EXPECT_LT(v.value(), 1.1);
    clock.advance(std::chrono::seconds(3));
    EXPECT_EQ(v.value(), 1.0);
    EXPECT_FALSE(frames.isRunning());
    const auto ticks = frames.ticks();
    clock.advance(std::chrono::seconds(5));
    EXPECT_EQ(frames.ticks(), ticks);
    EXPECT_GT(frameCount, 10);
}

TEST(AnimatedValue, DelayCurveAndRetarget)
{
    VirtualClock clock;
    FrameClock frames(clock);
    AnimatedValue v(frames, 0);
    v.animateTo(10, Animation::timing(motion::standard(), 0.1));
    clock.advance(Millis(50));
    EXPECT_EQ(v.value(), 0); // still waiting
    clock.advance(Millis(400));
    EXPECT_EQ(v.value(), 10);
    EXPECT_FALSE(v.isMoving());
    // A spring retargeted halfway starts from where the value is, not from its old start.
    v.animateTo(0, Animation::springy(0.3, 1.0));
    clock.advance(Millis(60));
    const double mid = v.value();
    v.animateTo(20, Animation::springy(0.3, 1.0));
    EXPECT_NEAR(v.value(), mid, 1e-9);
    v.animateTo(5, Animation::none());
    EXPECT_EQ(v.value(), 5);
}

TEST(ReduceMotion, SourcesDecideInOrder)
{
    const struct {
        const char* env;
        std::optional<bool> gnome;
        std::optional<double> kde;
        bool on;
    } cases[] = {
        {"", std::nullopt, std::nullopt, false}, {"1", true, 1.0, true},      {"0", false, 0.0, false},
        {"", false, std::nullopt, true},         {"", true, std::nullopt, false}, {"", std::nullopt, 0.0, true},
        {"", std::nullopt, 0.5, false},          {"yes", false, std::nullopt, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(reduceMotionFrom(QString::fromLatin1(c.env), c.gnome, c.kde), c.on) << c.env;

    EXPECT_EQ(parseGSettingsBool("false\n"), false);
    EXPECT_EQ(parseGSettingsBool("true"), true);
    EXPECT_EQ(parseGSettingsBool("No such key"), std::nullopt);
    EXPECT_EQ(parseKdeAnimationFactor("[General]\nAnimationDurationFactor=3\n[KDE]\nLookAndFeel=x\nAnimationDurationFactor=0\n"), 0.0);
    EXPECT_EQ(parseKdeAnimationFactor("[KDE]\nAnimationDurationFactor = 0.25\n"), 0.25);
    EXPECT_EQ(parseKdeAnimationFactor("[General]\nAnimationDurationFactor=0\n"), std::nullopt);
}

TEST(ReduceMotion, ContextFollowsTheService)
{
    VirtualClock clock;
    FakeReduceMotion reduce;
    MotionContext motion(clock, reduce);
    std::vector<bool> seen;
    QObject::connect(&motion, &MotionContext::reduceMotionChanged, [&](bool on) { seen.push_back(on); });
    reduce.set(true);
    EXPECT_TRUE(motion.reduceMotion());
    EXPECT_EQ(motion.pick(Animation::springy(motion::spring())).kind, Animation::Kind::none);
    reduce.set(false);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
}
