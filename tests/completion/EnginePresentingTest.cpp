#include "EngineFixture.h"

#include "overlay/GhostLayout.h"

#include <cmath>

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;

// What the engine presents and the status it leaves; drawing itself is the presenter's.
class EnginePresenting : public EngineFixture {
protected:
    double width(const QString& text) const
    {
        return std::ceil(GhostMetrics::qt().textWidth(text, GhostLayout::fontFor(*engine->ghost().content())));
    }
};

TEST_F(EnginePresenting, DrawsOnlyTheUnconsumedPart)
{
    showSuggestion(QStringLiteral("Hello "), QStringLiteral("world, and more"));
    setText(QStringLiteral("Hello wor"));
    EXPECT_EQ(ghostText(), QStringLiteral("ld, and more"));
    EXPECT_EQ(status(), Status::showing());
}

TEST_F(EnginePresenting, WithoutCaretOrFrameItSaysSo)
{
    FieldSnapshot s = snap(QStringLiteral("Hello "));
    s.caretRect.reset();
    s.fieldFrame.reset();
    setField(s);
    provider.reply(QStringLiteral("world"));
    settle();
    ASSERT_TRUE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("This app doesn't report where the caret is")));
}

// After a next-word acceptance the real caret moved `ratio` times the measured width of the
// accepted word: a plausible ratio becomes the field's scale for the next advance.
class EngineAdvanceScale : public EnginePresenting {
protected:
    void acceptWordAndMoveCaret(double ratio)
    {
        showSuggestion(QStringLiteral("Hello "), QStringLiteral("world and more"));
        ASSERT_TRUE(engine->ghost().isShowing());
        const double w = width(QStringLiteral("world "));
        ASSERT_TRUE(press(keycode::kTab));
        FieldSnapshot s = *field.current;
        s.before += QStringLiteral("world ");
        s.caretRect->moveLeft(300 + ratio * w);
        setField(s);
        ASSERT_TRUE(engine->ghost().isShowing());
        EXPECT_EQ(ghostText(), QStringLiteral("and more"));
    }
    // How far a typed "a" moves the ghost, over its measured width.
    double typedScale()
    {
        const double w = width(QStringLiteral("a"));
        const double x = engine->ghost().content()->caretRect.x();
        typeKey(QStringLiteral("a"));
        EXPECT_EQ(ghostText(), QStringLiteral("nd more"));
        return (engine->ghost().content()->caretRect.x() - x) / w;
    }
};

TEST_F(EngineAdvanceScale, LearnsAPlausibleRatio)
{
    acceptWordAndMoveCaret(0.8);
    const double w = width(QStringLiteral("a"));
    EXPECT_NEAR(typedScale(), std::trunc(0.8 * w) / w, 1e-9);
}

TEST_F(EngineAdvanceScale, RejectsNoise)
{
    acceptWordAndMoveCaret(1.8);
    EXPECT_EQ(typedScale(), 1);
}

TEST_F(EnginePresenting, ClearSuggestionMakesRepliesStaleAndHides)
{
    showSuggestion(QStringLiteral("Hello "), QStringLiteral("world"));
    ASSERT_TRUE(engine->ghost().isShowing());
    const int g = engine->generation();
    engine->dismiss(Status::idle()); // clears the suggestion first
    EXPECT_EQ(engine->generation(), g + 1);
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());

    // A request still open is cancelled, and its late answer shows nothing.
    setText(QStringLiteral("Hello there "));
    ASSERT_FALSE(provider.last().cancelled);
    engine->dismiss(Status::idle());
    EXPECT_TRUE(provider.last().cancelled);
    provider.reply(QStringLiteral("friend"));
    settle();
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
}

} // namespace
} // namespace tq::testing
