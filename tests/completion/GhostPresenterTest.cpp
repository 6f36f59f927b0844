#include "EngineFixture.h"

#include "completion/GhostPresenter.h"
#include "overlay/GhostLayout.h"

#include <cmath>
#include <limits>

namespace tq::testing {
namespace {

const QString kText = QStringLiteral("world, and more");

// The presenter over real preferences, a fake layout and screens, and an offscreen panel.
class GhostPresenting : public ::testing::Test {
protected:
    GhostPresenting() : prefs(defaults), presenter(prefs, platform.keyLayout(), platform.overlayScreens()) {}

    GhostContent presented(const FieldSnapshot& s, const QString& text = kText)
    {
        EXPECT_TRUE(presenter.present(text, s, std::nullopt));
        return presenter.shown().value_or(GhostContent{});
    }
    double width(const QString& text) const
    {
        return std::ceil(GhostMetrics::qt().textWidth(text, GhostLayout::fontFor(*presenter.shown())));
    }
    double shownX() const { return presenter.shown() ? presenter.shown()->caretRect.x() : -1; }

    FakePlatform platform;
    FakeDefaults defaults;
    Preferences prefs;
    GhostPresenter presenter;
};

TEST_F(GhostPresenting, ContentFollowsTheSnapshotAndSettings)
{
    prefs.setGhostStyle(GhostStyle::tinted);
    prefs.setVerticalNudge(2.5);
    FieldSnapshot s = editorField(QStringLiteral("Hello "), QStringLiteral("  \n "));
    const GhostContent c = presented(s);
    EXPECT_EQ(c.kind, GhostContent::Kind::completion(kText));
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

    s.after = QStringLiteral(" x");
    EXPECT_FALSE(presented(s).allowWrap);
}

// Without a caret the ghost is a pill at the field's corner; without either it is hidden.
TEST_F(GhostPresenting, PlacesAtTheCaretOrAtTheField)
{
    struct Row {
        bool caret, frame;
        bool shown, anchored;
        QRectF at;
    } rows[] = {
        {true, true, true, false, QRectF(300, 500, 1, 20)},
        {true, false, true, false, QRectF(300, 500, 1, 20)},
        {false, true, true, true, QRectF(100, 400, 1, 0)},
        {false, false, false, false, {}},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "caret " << r.caret << ", frame " << r.frame);
        presented(editorField(QStringLiteral("Hello ")));
        FieldSnapshot s = editorField(QStringLiteral("Hello "));
        if (!r.caret)
            s.caretRect.reset();
        if (!r.frame)
            s.fieldFrame.reset();
        EXPECT_EQ(presenter.present(kText, s, std::nullopt), r.shown);
        EXPECT_EQ(presenter.isShowing(), r.shown);
        if (r.shown) {
            EXPECT_EQ(presenter.shown()->anchored, r.anchored);
            EXPECT_EQ(presenter.shown()->caretRect, r.at);
        }
    }
}

TEST_F(GhostPresenting, FontSizeFromTheFieldOrTheCaretWithinBounds)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        std::optional<double> font;
        double caretHeight, scale, expected;
    } rows[] = {
        {std::nullopt, 20, 1, 15.6}, {std::nullopt, 10, 1, 10}, {std::nullopt, 0, 1, 13}, {12, 20, 0.5, 8},
        {80, 20, 1, 72},             {nan, 20, 1, 13},          {14, 20, 1.5, 21},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "caret height " << r.caretHeight << ", scale " << r.scale);
        FieldSnapshot s = editorField(QStringLiteral("Hello "));
        s.fontSize = r.font;
        s.caretRect = QRectF(300, 500, 1, r.caretHeight);
        prefs.setTextScale(r.scale);
        EXPECT_DOUBLE_EQ(presenter.fontSize(s), r.expected);
        // A caretless field falls back to the default size.
        s.caretRect.reset();
        if (!r.font) {
            EXPECT_DOUBLE_EQ(presenter.fontSize(s), std::clamp(13 * r.scale, 8.0, 72.0));
        }
    }
}

TEST_F(GhostPresenting, KeyHintShowsFortyOneTimesAndNeedsTheShortcut)
{
    const std::optional<KeyCombo> tab = prefs.acceptWordKey();
    struct Row {
        int shownBefore;
        bool enabled, shortcut, hint;
    } rows[] = {
        {0, true, true, true}, {40, true, true, true}, {41, true, true, false},
        {0, false, true, false}, {0, true, false, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << r.shownBefore << " shown, enabled " << r.enabled);
        prefs.setKeyHintsShown(r.shownBefore);
        prefs.setShowKeyHint(r.enabled);
        prefs.setAcceptWordKey(r.shortcut ? tab : std::nullopt);
        const GhostContent c = presented(editorField(QStringLiteral("Hello ")));
        EXPECT_EQ(c.hint, r.hint ? std::optional<QString>(QStringLiteral("tab")) : std::nullopt);
    }
}

// Typing into the shown completion moves it right by the typed text's width and drops the
// hint; an anchored pill stays put; a fix and an empty rest are handled apart.
TEST_F(GhostPresenting, AdvanceMovesTheCompletionByTheMeasuredWidth)
{
    enum class On { completion, anchored, fix, nothing };
    struct Row {
        On on;
        QString rest;
        bool moved, shown;
        QString text;
    } rows[] = {
        {On::completion, QStringLiteral("rld, and more"), true, true, QStringLiteral("rld, and more")},
        {On::completion, QString(), false, false, {}},
        {On::anchored, QStringLiteral("rld"), false, true, QStringLiteral("rld")},
        {On::fix, QStringLiteral("rld"), false, true, QStringLiteral("the")},
        {On::nothing, QStringLiteral("rld"), false, false, {}},
    };
    const QString key = QStringLiteral("100:1");
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << int(r.on) << " " << r.rest.toStdString());
        FieldSnapshot s = editorField(QStringLiteral("Hello "));
        if (r.on == On::anchored)
            s.caretRect.reset();
        presented(s);
        if (r.on == On::fix) {
            GhostContent fix = *presenter.shown();
            fix.kind = GhostContent::Kind::fix(QStringLiteral("teh"), QStringLiteral("the"));
            presenter.show(fix);
        } else if (r.on == On::nothing) {
            presenter.hide();
        }
        const std::optional<GhostContent> before = presenter.shown();
        const double w = width(QStringLiteral("wo"));
        ASSERT_GT(w, 0);
        presenter.advance(QStringLiteral("wo"), r.rest, key);
        ASSERT_EQ(presenter.isShowing(), r.shown);
        if (!r.shown)
            continue;
        EXPECT_EQ(shownX(), before->caretRect.x() + (r.moved ? w : 0));
        EXPECT_EQ(presenter.shown()->kind.text, r.text);
        if (r.on != On::fix)
            EXPECT_FALSE(presenter.shown()->hint);
        else
            EXPECT_EQ(*presenter.shown(), *before);
    }
}

// After a word is inserted the real caret moved `ratio` times its measured width: a plausible
// ratio, with the inserted text before the caret, becomes the field's scale for later moves.
TEST_F(GhostPresenting, LearnsTheFieldsAdvanceScale)
{
    const QString key = QStringLiteral("100:1");
    const QString word = QStringLiteral("world ");
    struct Row {
        double ratio;
        std::optional<QString> injected;
        QString presentedKey;
        double learnt;
    } rows[] = {
        {0.8, word, key, 0.8},
        {1.55, word, key, 1.55},
        {0.65, word, key, 0.65},
        {1.8, word, key, 1},
        {0.5, word, key, 1},
        {0.8, std::nullopt, key, 1},
        {0.8, QStringLiteral("elsewhere"), key, 1},
        {0.8, word, QStringLiteral("200:1"), 1},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(::testing::Message() << "ratio " << r.ratio);
        GhostPresenter fresh(prefs, platform.keyLayout(), platform.overlayScreens());
        FieldSnapshot s = editorField(QStringLiteral("Hello "), {}, key);
        ASSERT_TRUE(fresh.present(QStringLiteral("world and more"), s, std::nullopt));
        const double w = std::ceil(GhostMetrics::qt().textWidth(word, GhostLayout::fontFor(*fresh.shown())));
        fresh.expectAdvance(key, word);

        s.fieldKey = r.presentedKey;
        s.before += word;
        s.caretRect->moveLeft(300 + r.ratio * w);
        ASSERT_TRUE(fresh.present(QStringLiteral("and more"), s, r.injected));
        const double x = fresh.shown()->caretRect.x();
        const double an = std::ceil(GhostMetrics::qt().textWidth(QStringLiteral("an"), GhostLayout::fontFor(*fresh.shown())));
        fresh.advance(QStringLiteral("an"), QStringLiteral("d more"), r.presentedKey);
        EXPECT_EQ(fresh.shown()->caretRect.x(), x + std::trunc(r.learnt * an));
    }
}

TEST_F(GhostPresenting, AnchoredPillIsNotMeasuredForLearning)
{
    FieldSnapshot s = editorField(QStringLiteral("Hello "));
    s.caretRect.reset();
    presented(s);
    presenter.expectAdvance(s.fieldKey, QStringLiteral("world "));
    s = editorField(QStringLiteral("Hello world "));
    s.caretRect->moveLeft(300 + 40);
    ASSERT_TRUE(presenter.present(QStringLiteral("and more"), s, QStringLiteral("world ")));
    const double x = shownX();
    presenter.advance(QStringLiteral("an"), QStringLiteral("d more"), s.fieldKey);
    EXPECT_EQ(shownX(), x + width(QStringLiteral("an")));
}

// The log line has whole numbers and never the typed text.
TEST_F(GhostPresenting, LogLineCarriesNoTypedText)
{
    struct Row {
        std::optional<QRectF> frame;
        QString line;
    } rows[] = {
        {QRectF(100, 400, 600, 200),
         QStringLiteral("present: caret 300,500 h20, field 100,400 600x200, line start 100, font 14, wrap true, lines before 1")},
        {QRectF(120.7, 640.2, 300.9, 22),
         QStringLiteral("present: caret 300,500 h20, field 120,640 300x22, line start 100, font 14, wrap true, lines before 1")},
        {std::nullopt,
         QStringLiteral("present: caret 300,500 h20, field none, line start 100, font 14, wrap true, lines before 1")},
    };
    for (const Row& r : rows) {
        LogCapture log;
        FieldSnapshot s = editorField(QStringLiteral("Secret plans\nfor today "));
        s.fieldFrame = r.frame;
        presented(s);
        EXPECT_TRUE(log.contains(r.line)) << LogCapture::lines().join(u'\n').toStdString();
        for (const QString& line : LogCapture::lines())
            EXPECT_FALSE(line.contains(QStringLiteral("Secret")));
    }
}

} // namespace
} // namespace tq::testing
