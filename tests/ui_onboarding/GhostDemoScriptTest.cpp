// The welcome step's example scene as a function of time.

#include "ui/onboarding/GhostDemoScript.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

const QString kTyped = QStringLiteral("Thanks for the notes. I'll send the revised deck");
const QString kGhost = QStringLiteral(" by Friday morning.");

TEST(GhostDemoScript, WordStopsAndTypingRhythm)
{
    const GhostDemoScript script(kTyped, kGhost);
    EXPECT_EQ(script.wordStops(), (QList<int>{3, 10, 19}));
    EXPECT_EQ(GhostDemoScript(QStringLiteral("x"), QStringLiteral(" tomorrow")).wordStops(), (QList<int>{9}));
    EXPECT_EQ(GhostDemoScript(QStringLiteral("x"), QStringLiteral(" 👋🏽 hi")).wordStops(), (QList<int>{2, 5}));

    for (int i = 0; i < 200; ++i) {
        const double pause = GhostDemoScript::typingPause(i, false);
        EXPECT_GE(pause, 0.035);
        EXPECT_LT(pause, 0.075);
    }
    EXPECT_DOUBLE_EQ(GhostDemoScript::typingPause(7, true), 0.11);

    // About three seconds of typing, then the suggestion blooms in.
    const GhostDemoState typedAll = script.at(0.5 + 3.2);
    EXPECT_EQ(typedAll.typedCount, script.typedLength());
    EXPECT_EQ(script.at(0.4).typedCount, 0);
    EXPECT_EQ(script.at(0.5).typedCount, 1);
}

TEST(GhostDemoScript, OneSceneFromTypingToFade)
{
    const GhostDemoScript script(kTyped, kGhost);
    const double length = script.sceneLength();
    EXPECT_GT(length, 8);
    EXPECT_LT(length, 11);

    // Sample the scene: typing only grows, the bloom ends full, every word is taken, the
    // caret blinks off and on twice, and the text fades out before the scene restarts.
    int lastTyped = 0;
    double maxBloom = 0, lastAccepted = 0, maxPressed = 0;
    int caretToggles = 0;
    bool caret = true;
    for (double t = 0; t < length; t += 0.01) {
        const GhostDemoState s = script.at(t);
        EXPECT_GE(s.typedCount, lastTyped);
        EXPECT_GE(s.accepted, lastAccepted - 1e-9);
        EXPECT_GE(s.bloom, 0);
        EXPECT_LE(s.bloom, 1);
        if (s.accepted > 0) {
            EXPECT_DOUBLE_EQ(s.bloom, 1);
        }
        caretToggles += s.caretOn != caret ? 1 : 0;
        caret = s.caretOn;
        lastTyped = s.typedCount;
        lastAccepted = s.accepted;
        maxBloom = std::max(maxBloom, s.bloom);
        maxPressed = std::max(maxPressed, s.pressed);
    }
    EXPECT_DOUBLE_EQ(maxBloom, 1);
    EXPECT_NEAR(lastAccepted, 19, 1e-9);
    EXPECT_NEAR(maxPressed, 1, 0.05);
    EXPECT_EQ(caretToggles, 4);
    EXPECT_NEAR(script.at(length - 0.01).textOpacity, 0, 1e-9);
    EXPECT_EQ(script.at(length + 0.3), script.at(0.3));

    // The word just taken glows from its first character.
    const GhostDemoState second = script.at(length - 0.3 - 0.45 - 1.8 - 0.67 - 0.6);
    EXPECT_EQ(second.chunkStart, 3);
    EXPECT_GT(second.glow, 0);
}

TEST(GhostDemoScript, StillUnderReduceMotion)
{
    const GhostDemoScript script(kTyped, kGhost);
    const GhostDemoState s = script.still();
    EXPECT_EQ(s.typedCount, script.typedLength());
    EXPECT_DOUBLE_EQ(s.bloom, 1);
    EXPECT_DOUBLE_EQ(s.accepted, 0);
    EXPECT_DOUBLE_EQ(s.pressed, 0);
    EXPECT_TRUE(s.caretOn);
    EXPECT_DOUBLE_EQ(s.textOpacity, 1);
}

} // namespace
} // namespace tq
