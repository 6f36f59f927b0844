#include "EngineFixture.h"

#include "overlay/GhostLayout.h"

#include <cmath>

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;

class EnginePresenting : public EngineFixture {
protected:
    CompletionEngine::Suggestion suggestion(const QString& text = QStringLiteral("world, and more"), int consumed = 0)
    {
        return {text, QStringLiteral("Hello "), consumed, QStringLiteral("100:1")};
    }
    GhostContent presented(const FieldSnapshot& s, const QString& text = QStringLiteral("world, and more"))
    {
        engine->present(suggestion(text), s);
        EXPECT_TRUE(engine->ghost().isShowing());
        return engine->ghost().content().value_or(GhostContent{});
    }
    double width(const QString& text) const
    {
        return std::ceil(GhostMetrics::qt().textWidth(text, GhostLayout::fontFor(*engine->ghost().content())));
    }
};

TEST_F(EnginePresenting, ContentFollowsTheSnapshotAndSettings)
{
    prefs.setGhostStyle(GhostStyle::tinted);
    prefs.setVerticalNudge(2.5);
    FieldSnapshot s = snap(QStringLiteral("Hello "), QStringLiteral("  \n "));
    const GhostContent c = presented(s);
    EXPECT_EQ(c.kind, GhostContent::Kind::completion(QStringLiteral("world, and more")));
    EXPECT_EQ(c.caretRect, *s.caretRect);
    EXPECT_EQ(c.lineStartX, s.lineStartX);
    EXPECT_EQ(c.fieldFrame, s.fieldFrame);
    EXPECT_EQ(c.fontSize, 14);
    EXPECT_EQ(c.fontName, s.fontName);
    EXPECT_TRUE(c.allowWrap);
    EXPECT_EQ(c.hint, QStringLiteral("tab"));
    EXPECT_TRUE(c.tinted);
    EXPECT_EQ(c.verticalNudge, 2.5);
    EXPECT_FALSE(c.anchored);
    EXPECT_EQ(status(), Status::showing());

    s.after = QStringLiteral(" x");
    EXPECT_FALSE(presented(s).allowWrap);
}

TEST_F(EnginePresenting, DrawsOnlyTheUnconsumedPart)
{
    engine->present(suggestion(QStringLiteral("world, and more"), 3), snap(QStringLiteral("Hello wor")));
    EXPECT_EQ(ghostText(), QStringLiteral("ld, and more"));
}

TEST_F(EnginePresenting, WithoutCaretAnAnchoredPillAtTheField)
{
    FieldSnapshot s = snap(QStringLiteral("Hello "));
    s.caretRect.reset();
    s.fontSize.reset();
    const GhostContent c = presented(s);
    EXPECT_TRUE(c.anchored);
    EXPECT_EQ(c.caretRect, QRectF(100, 400, 1, 0));
    EXPECT_EQ(c.fontSize, 13);
}

TEST_F(EnginePresenting, WithoutCaretOrFrameItSaysSo)
{
    presented(snap(QStringLiteral("Hello ")));
    FieldSnapshot s = snap(QStringLiteral("Hello "));
    s.caretRect.reset();
    s.fieldFrame.reset();
    engine->present(suggestion(), s);
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("This app doesn't report where the caret is")));
}

TEST_F(EnginePresenting, FontSizeRule)
{
    FieldSnapshot s = snap(QStringLiteral("Hello "));
    s.fontSize.reset();
    s.caretRect = QRectF(300, 500, 1, 20);
    EXPECT_DOUBLE_EQ(engine->presentedFontSize(s), 15.6);
    s.caretRect = QRectF(300, 500, 1, 10);
    EXPECT_DOUBLE_EQ(engine->presentedFontSize(s), 10);
    s.fontSize = 12;
    prefs.setTextScale(0.5);
    EXPECT_DOUBLE_EQ(engine->presentedFontSize(s), 8);
    prefs.setTextScale(1);
    s.fontSize = 80;
    EXPECT_DOUBLE_EQ(engine->presentedFontSize(s), 72);
    s.fontSize = std::numeric_limits<double>::quiet_NaN();
    EXPECT_DOUBLE_EQ(engine->presentedFontSize(s), 13);
}

TEST_F(EnginePresenting, KeyHintShowsFortyOneTimesAndNeedsTheShortcut)
{
    prefs.setKeyHintsShown(40);
    EXPECT_EQ(presented(snap(QStringLiteral("Hello "))).hint, QStringLiteral("tab"));
    prefs.setKeyHintsShown(41);
    EXPECT_FALSE(presented(snap(QStringLiteral("Hello "))).hint);
    prefs.setKeyHintsShown(0);
    prefs.setShowKeyHint(false);
    EXPECT_FALSE(presented(snap(QStringLiteral("Hello "))).hint);
    prefs.setShowKeyHint(true);
    prefs.setAcceptWordKey(std::nullopt);
    EXPECT_FALSE(presented(snap(QStringLiteral("Hello "))).hint);
}

TEST_F(EnginePresenting, AdvanceMovesTheGhostByTheMeasuredWidth)
{
    setField(snap(QStringLiteral("Hello ")));
    const GhostContent before = presented(*field.current);
    const double w = width(QStringLiteral("wo"));
    ASSERT_GT(w, 0);
    EXPECT_EQ(engine->measureText(QStringLiteral("wo")), w);
    engine->presentAfterAdvance(QStringLiteral("wo"), QStringLiteral("rld, and more"));
    const GhostContent after = *engine->ghost().content();
    EXPECT_EQ(after.caretRect.x(), before.caretRect.x() + w);
    EXPECT_EQ(after.kind.text, QStringLiteral("rld, and more"));
    EXPECT_FALSE(after.hint);

    engine->presentAfterAdvance(QStringLiteral("rld, and more"), QString());
    EXPECT_FALSE(engine->ghost().isShowing());
    // Nothing on show: nothing to move.
    engine->presentAfterAdvance(QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_FALSE(engine->ghost().isShowing());
}

TEST_F(EnginePresenting, AnchoredGhostIsNotMovedOrMeasured)
{
    FieldSnapshot s = snap(QStringLiteral("Hello "));
    s.caretRect.reset();
    const GhostContent before = presented(s);
    EXPECT_FALSE(engine->measureText(QStringLiteral("wo")));
    engine->presentAfterAdvance(QStringLiteral("wo"), QStringLiteral("rld"));
    EXPECT_EQ(engine->ghost().content()->caretRect, before.caretRect);
    EXPECT_EQ(ghostText(), QStringLiteral("rld"));
}

TEST_F(EnginePresenting, FixIsNeverMoved)
{
    setField(snap(QStringLiteral("I saw teh ")));
    ASSERT_TRUE(engine->pendingFix());
    const GhostContent fix = *engine->ghost().content();
    ASSERT_TRUE(fix.kind.isFix());
    engine->presentAfterAdvance(QStringLiteral("x"), QStringLiteral("y"));
    EXPECT_EQ(*engine->ghost().content(), fix);
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
};

TEST_F(EngineAdvanceScale, LearnsAPlausibleRatio)
{
    acceptWordAndMoveCaret(0.8);
    EXPECT_NEAR(engine->advanceScale().value(QStringLiteral("100:1")), 0.8, 1e-9);

    const double w = width(QStringLiteral("an"));
    const double x = engine->ghost().content()->caretRect.x();
    engine->presentAfterAdvance(QStringLiteral("an"), QStringLiteral("d more"));
    EXPECT_EQ(engine->ghost().content()->caretRect.x(), x + std::trunc(0.8 * w));
}

TEST_F(EngineAdvanceScale, RejectsNoise)
{
    acceptWordAndMoveCaret(1.8);
    EXPECT_TRUE(engine->advanceScale().isEmpty());
}

TEST(EngineRect, DescriptionUsesWholeNumbers)
{
    EXPECT_EQ(CompletionEngine::rectDescription(QRectF(120.7, 640.2, 300.9, 22)), QStringLiteral("120,640 300x22"));
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
    EXPECT_FALSE(engine->pending());
}

TEST_F(EnginePresenting, LogLineCarriesNoTypedText)
{
    LogCapture log;
    presented(snap(QStringLiteral("Secret plans\nfor today ")));
    ASSERT_TRUE(log.contains(QStringLiteral("present: caret 300,500 h20, field 100,400 600x200, line start 100, font 14, wrap true, lines before 1")));
    for (const QString& line : LogCapture::lines())
        EXPECT_FALSE(line.contains(QStringLiteral("Secret")));
}

} // namespace
} // namespace tq::testing
