#include "overlay/GhostLayout.h"
#include "overlay/GhostPanel.h"
#include "overlay/GhostView.h"
#include "platform/Chars.h"
#include "platform/OverlayWindow.h"
#include "platform/fakes/FakeOverlayScreens.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace tq {
namespace {

// Every character is half the font's pixel size wide; a row is the pixel size + 4 high.
const GhostMetrics& fakeMetrics()
{
    static const GhostMetrics m{
        [](const QString& t, const QFont& f) { return std::ceil(chars::count(t) * f.pixelSize() / 2.0); },
        [](const QFont& f) { return double(f.pixelSize() + 4); }};
    return m;
}

// Font 20 → 10 points per character, rows of 24; the hint font (9) → 4.5 per character.
GhostContent content(const QString& text, double caretX = 100)
{
    GhostContent c;
    c.kind = GhostContent::Kind::completion(text);
    c.caretRect = QRectF(caretX, 500, 2, 20);
    c.fieldFrame = QRectF(50, 400, 400, 140); // right edge 450 → right limit 444
    c.fontSize = 20;
    return c;
}

const QRectF kBounds(0, 0, 1600, 1000);

QString words(int n)
{
    QStringList w;
    for (int i = 0; i < n; ++i)
        w << QString(4, QChar('a' + i % 26));
    return w.join(' ');
}

TEST(GhostLayout, InlineTextThatFitsIsOneRowAtTheCaret)
{
    const GhostLayout l = GhostLayout::make(content("hello world"), kBounds, fakeMetrics());
    ASSERT_EQ(l.lines.size(), 1);
    EXPECT_EQ(l.lines[0], (GhostLayout::Line{"hello world", 100, 520, false}));
    EXPECT_FALSE(l.container);
    EXPECT_FALSE(l.hintX);
    EXPECT_EQ(l.lineHeight, 24);
    EXPECT_EQ(l.frame, QRectF(100, 496, 114, 24));
}

TEST(GhostLayout, InlineDropsWholeWordsBeforeTheEllipsis)
{
    // Room 444 − 380 = 64: "one two…" is 80 wide, "one…" 40.
    EXPECT_EQ(GhostLayout::make(content("one two three", 380), kBounds, fakeMetrics()).lines[0].text, "one…");
    // Room 444 − 300 = 144: "one two three…" fits.
    EXPECT_EQ(GhostLayout::make(content("one two three four five", 300), kBounds, fakeMetrics()).lines[0].text,
              "one two three…");
    // One over-long word stays whole with "…" even past the room.
    EXPECT_EQ(GhostLayout::make(content("extraordinarily", 380), kBounds, fakeMetrics()).lines[0].text,
              "extraordinarily…");
    // The room never shrinks below 24 points: with the caret at the edge two letters still fit.
    EXPECT_EQ(GhostLayout::make(content("ab", 440), kBounds, fakeMetrics()).lines[0].text, "ab");
}

TEST(GhostLayout, WrapAtTheLineStartBehavesInline)
{
    GhostContent c = content(words(30), 60);
    c.allowWrap = true;
    c.lineStartX = 60;
    const GhostLayout l = GhostLayout::make(c, kBounds, fakeMetrics());
    ASSERT_EQ(l.lines.size(), 1);
    EXPECT_TRUE(l.lines[0].text.endsWith("…"));
    EXPECT_FALSE(l.container);
}

TEST(GhostLayout, WrapFillsABoxOfAtMostThreeRows)
{
    GhostContent c = content(words(40), 300);
    c.allowWrap = true;
    c.lineStartX = 60;
    const GhostLayout l = GhostLayout::make(c, kBounds, fakeMetrics());
    ASSERT_EQ(l.lines.size(), 4);
    // Caret row: 144 points of room → three words of 4 letters.
    EXPECT_EQ(l.lines[0], (GhostLayout::Line{"aaaa bbbb cccc", 300, 520, false}));
    EXPECT_EQ(l.boxRowCount(), 3);
    EXPECT_EQ(l.lines[1].x, 60);
    EXPECT_EQ(l.lines[1].top, 497 - 5);
    EXPECT_EQ(l.lines[2].top, 497 - 5 - 24);
    EXPECT_FALSE(l.lines[1].text.startsWith(' '));
    EXPECT_TRUE(l.lines[3].text.endsWith("…"));
    EXPECT_FALSE(l.lines[2].text.endsWith("…"));
    ASSERT_TRUE(l.container);
    // Box: left max(60 − 10, 2), top 497, height 3 × 24 + 10, right 60 + widest row ("…" row, 350) + 10.
    EXPECT_EQ(*l.container, QRectF(50, 415, 370, 82));
    EXPECT_EQ(l.frame.y(), 415);
    EXPECT_EQ(l.frame.y() + l.frame.height(), 520);
}

TEST(GhostLayout, WrapWhereTheFirstWordDoesNotFitPutsEverythingInTheBox)
{
    GhostContent c = content("unbelievably long words", 400);
    c.allowWrap = true;
    c.lineStartX = 60;
    const GhostLayout l = GhostLayout::make(c, kBounds, fakeMetrics());
    ASSERT_FALSE(l.lines.isEmpty());
    EXPECT_TRUE(l.lines[0].inBox);
    EXPECT_EQ(l.lines[0].text, "unbelievably long words");
}

TEST(GhostLayout, BoxKeepsToTheRoomBelowOrGoesAbove)
{
    GhostContent c = content(words(40), 300);
    c.allowWrap = true;
    c.lineStartX = 60;
    // floor((500 − 3 − 437 − 10) / 24) = 2 rows below.
    GhostLayout two = GhostLayout::make(c, QRectF(0, 437, 1600, 563), fakeMetrics());
    EXPECT_EQ(two.boxRowCount(), 2);
    EXPECT_TRUE(two.lines.last().text.endsWith("…"));
    EXPECT_LT(two.container->y() + two.container->height(), 500.0);

    // No room below: up to three rows above the caret's row.
    GhostLayout above = GhostLayout::make(c, QRectF(0, 490, 1600, 510), fakeMetrics());
    EXPECT_EQ(above.boxRowCount(), 3);
    ASSERT_TRUE(above.container);
    EXPECT_EQ(above.container->y(), 520 + 3);
    EXPECT_EQ(above.container->y() + above.container->height(), 520 + 82 + 3);
    EXPECT_GT(above.lines[1].top, 520.0);
}

TEST(GhostLayout, KeyHintIsDroppedWhenItWouldOverflow)
{
    GhostContent c = content("abcdefghij", 300);
    c.hint = "tab";
    // 300 + 100 + 6 = 406; keycap 14 + 10 → 430 ≤ 450.
    GhostLayout kept = GhostLayout::make(c, kBounds, fakeMetrics());
    ASSERT_TRUE(kept.hintX);
    EXPECT_EQ(*kept.hintX, 406);
    EXPECT_EQ(kept.frame.x() + kept.frame.width(), 430 + 4);

    c.caretRect.moveLeft(330);
    GhostLayout dropped = GhostLayout::make(c, kBounds, fakeMetrics());
    EXPECT_FALSE(dropped.hintX);
    EXPECT_EQ(dropped.lines[0].text, "abcdefghij");
}

TEST(GhostLayout, AnchoredPillSitsUnderTheFieldOrFlipsAbove)
{
    GhostContent c = content("  next words \t");
    c.anchored = true;
    c.fieldFrame = QRectF(100, 100, 300, 30);
    GhostLayout under = GhostLayout::make(c, kBounds, fakeMetrics());
    EXPECT_TRUE(under.anchored);
    ASSERT_EQ(under.lines.size(), 1);
    EXPECT_EQ(under.lines[0].text, "next words");
    EXPECT_EQ(under.lines[0].x, 112);
    // Height 24 + 6 under the field, 4 points apart.
    EXPECT_EQ(under.frame, QRectF(104, 66, 108 + 8, 30));
    EXPECT_EQ(under.lines[0].top, 93);

    GhostLayout above = GhostLayout::make(c, QRectF(0, 80, 1600, 920), fakeMetrics());
    EXPECT_EQ(above.frame.y(), 134);

    // Without a field frame the pill starts at the caret with 40 points of text room.
    c.fieldFrame.reset();
    c.kind = GhostContent::Kind::completion("aaaa bbbb cccc");
    GhostLayout noField = GhostLayout::make(c, kBounds, fakeMetrics());
    EXPECT_EQ(noField.lines[0].text, "aaaa…");
}

TEST(GhostLayout, FixShowsArrowAndReplacement)
{
    GhostContent c = content("");
    c.kind = GhostContent::Kind::fix("teh", "the");
    EXPECT_EQ(GhostLayout::make(c, kBounds, fakeMetrics()).lines[0].text, "→ the");
    c.kind = GhostContent::Kind::fix("שלמ", "שלום");
    c.rightToLeft = true; // the arrow points the way the text runs
    c.caretRect.moveLeft(400);
    EXPECT_EQ(GhostLayout::make(c, kBounds, fakeMetrics()).lines[0].text, "← שלום");
}

// A right-to-left paragraph is laid out as the mirror image of the left-to-right one: the
// field, the caret and the line start mirrored about x = 800 give every row, the box, the key
// hint and the frame mirrored.
TEST(GhostLayout, RightToLeftIsTheMirrorImage)
{
    const auto mirror = [](const QRectF& r) { return QRectF(1600 - r.x() - r.width(), r.y(), r.width(), r.height()); };
    GhostContent inlineHint = content("abcdefghij", 300);
    inlineHint.hint = "tab";
    GhostContent wrapped = content(words(40), 300);
    wrapped.allowWrap = true;
    wrapped.lineStartX = 60;
    GhostContent wrappedHint = content(words(12), 300);
    wrappedHint.allowWrap = true;
    wrappedHint.lineStartX = 60;
    wrappedHint.hint = "tab";
    GhostContent anchored = content("next words");
    anchored.anchored = true;
    anchored.hint = "tab";
    GhostContent boxAbove = wrapped;
    boxAbove.caretRect.moveTop(30);

    for (const GhostContent& ltr : {content("hello world"), content("one two three", 380), inlineHint, wrapped, wrappedHint, anchored, boxAbove}) {
        GhostContent rtl = ltr;
        rtl.rightToLeft = true;
        rtl.caretRect.moveLeft(1600 - ltr.caretRect.x());
        if (ltr.lineStartX)
            rtl.lineStartX = 1600 - *ltr.lineStartX;
        rtl.fieldFrame = mirror(*ltr.fieldFrame);
        const GhostLayout l = GhostLayout::make(ltr, kBounds, fakeMetrics());
        const GhostLayout r = GhostLayout::make(rtl, kBounds, fakeMetrics());
        const std::string what = ltr.kind.text.toStdString();
        ASSERT_EQ(r.lines.size(), l.lines.size()) << what;
        for (qsizetype i = 0; i < l.lines.size(); ++i) {
            const double width = fakeMetrics().textWidth(l.lines[i].text, l.font);
            EXPECT_EQ(r.lines[i], (GhostLayout::Line{l.lines[i].text, 1600 - l.lines[i].x - width, l.lines[i].top, l.lines[i].inBox}))
                << what << " row " << i;
        }
        EXPECT_EQ(r.frame, mirror(l.frame)) << what;
        EXPECT_EQ(r.container.has_value(), l.container.has_value()) << what;
        if (l.container)
            EXPECT_EQ(*r.container, mirror(*l.container)) << what;
        EXPECT_EQ(r.hintX.has_value(), l.hintX.has_value()) << what;
        if (l.hintX) // the keycap: "tab" 14 wide and 5 each side
            EXPECT_EQ(*r.hintX, 1600 - *l.hintX - 14 - 10) << what;
    }
}

// The paragraph's direction: its first strong character, the suggestion's when the line has
// none; the direction a character runs in decides which side of it the caret stands.
TEST(GhostLayout, ParagraphDirectionFromTheFirstStrongCharacter)
{
    const struct {
        QString line, continuation;
        bool rightToLeft;
    } paragraphs[] = {
        {"مرحبا ", " بكم", true},      {"Hello ", " بكم", false},   {"שלום world ", " x", true},
        {"12, ", " مرحبا", true},      {"", "hello", false},         {"(", "", false},
        {"Hi مرحبا ", " يا", false},
    };
    for (const auto& p : paragraphs)
        EXPECT_EQ(GhostLayout::runsRightToLeft(p.line, p.continuation), p.rightToLeft) << p.line.toStdString();

    const struct {
        QString line;
        bool paragraph, rightToLeft; // the line's last character
    } ends[] = {
        {"مرحبا", false, true},        {"مرحبا ", true, true},       {"مرحبا ", false, false},
        {"abc ", true, true},          {"مرحبا hello", true, false}, {"مرحبا 123", true, false},
        {"hello مرحبا.", false, false}, {"", true, true},
    };
    for (const auto& e : ends)
        EXPECT_EQ(chars::runsRightToLeft(e.line, e.line.size() - 1, e.paragraph), e.rightToLeft) << e.line.toStdString();
    EXPECT_EQ(chars::lastLine(u"one\nمرحبا"), u"مرحبا");
}

TEST(GhostLayout, SplitWordsKeepsLeadingSpacesAndJoinsBack)
{
    EXPECT_EQ(GhostLayout::splitWords(" hello  big world  "), (QStringList{" hello", "  big", " world", "  "}));
    for (const QString& s : {QString(), QString("a"), QString("  "), QString("a b  c "), QString(" x")})
        EXPECT_EQ(GhostLayout::splitWords(s).join(QString()), s);
}

TEST(GhostLayout, UsableBoundsStretchUnderPanels)
{
    const QRectF screen(0, 0, 1600, 1000), visible(0, 48, 1600, 928);
    EXPECT_EQ(GhostLayout::usableBounds(screen, visible, QRectF(100, 100, 400, 200)), visible);
    EXPECT_EQ(GhostLayout::usableBounds(screen, visible, QRectF(100, 20, 400, 200)), QRectF(0, 0, 1600, 976));
    EXPECT_EQ(GhostLayout::usableBounds(screen, visible, QRectF(100, 900, 400, 90)), QRectF(0, 48, 1600, 952));
}

TEST(GhostLayout, UnboundedAreaStaysFiniteWithThreeRowsBelow)
{
    GhostContent c = content(words(40), 300);
    c.allowWrap = true;
    c.lineStartX = 60;
    const GhostLayout l = GhostLayout::make(c, GhostLayout::unbounded(), fakeMetrics());
    EXPECT_EQ(l.boxRowCount(), 3);
    EXPECT_LT(l.container->y(), 500.0);
    EXPECT_TRUE(std::isfinite(l.frame.width()));
    EXPECT_LT(l.frame.width(), 1.0e8);
}

TEST(GhostPanel, ShowsWithoutAnyScreenAndKeepsContentWhenHidden)
{
    FakeOverlayScreens none;
    GhostPanel panel(none);
    GhostContent c = content(words(20), 300);
    c.allowWrap = true;
    panel.show(c);
    EXPECT_TRUE(panel.isShowing());
    ASSERT_TRUE(panel.layout());
    EXPECT_TRUE(std::isfinite(panel.layout()->frame.y()));
    panel.hide();
    EXPECT_FALSE(panel.isShowing());
    EXPECT_EQ(panel.content(), c);
}

// Tab under a ghost that shows it taken must not reach the application: the ghost is drawn only
// once its keys are held, or after the longest wait for them.
TEST(GhostPanel, IsDrawnOnceItsKeysAreHeld)
{
    FakeOverlayScreens screens;
    screens.list = {ScreenArea{kBounds, kBounds}};
    GhostPanel panel(screens);
    bool held = false;
    panel.waitForKeys([&] { return held; });
    panel.show(content(QStringLiteral("world")));
    EXPECT_TRUE(panel.isShowing()); // on show for the keys it offers
    EXPECT_FALSE(panel.isDrawn());
    panel.keysChanged();
    EXPECT_FALSE(panel.isDrawn());
    held = true;
    panel.keysChanged();
    EXPECT_TRUE(panel.isDrawn());

    // Hidden while it waits: never drawn.
    held = false;
    panel.show(content(QStringLiteral("wide")));
    EXPECT_FALSE(panel.isDrawn());
    panel.hide();
    held = true;
    panel.keysChanged();
    EXPECT_FALSE(panel.window()->isVisible());

    held = false;
    panel.show(content(QStringLiteral("world")));
    EXPECT_FALSE(panel.isDrawn());
    EXPECT_TRUE(QTest::qWaitFor([&] { return panel.isDrawn(); }, int(2 * GhostPanel::kKeysWait.count())));
}

TEST(GhostPanel, FlatTextIsShapedToItsGlyphs)
{
    FakeOverlayScreens screens;
    screens.list = {ScreenArea{kBounds, kBounds}};
    GhostPanel panel(screens);
    panel.show(content(QStringLiteral("world is wide")));
    auto* view = qobject_cast<GhostView*>(panel.window());
    ASSERT_NE(view, nullptr);
    view->flat = true;
    const QRegion glyphs = view->drawnRegion();
    ASSERT_FALSE(glyphs.isEmpty());
    // Only the letters' pixels: far less than the rectangle around the line.
    const QRect box = glyphs.boundingRect();
    qint64 area = 0;
    for (const QRect& r : glyphs)
        area += qint64(r.width()) * r.height();
    EXPECT_LT(area, qint64(box.width()) * box.height() / 2);

    // The shape of an earlier suggestion (here the least one) never clips the next drawing.
    view->setMask(QRegion(0, 0, 1, 1));
    EXPECT_EQ(view->drawnRegion(), glyphs);
}

// Without a compositing manager the ghost is opaque; over the field's own colour its edges
// blend into the field instead of showing a darker rim, and the key hint's box stays see-through.
TEST(GhostPanel, FlatEdgesMixOverTheFieldColour)
{
    FakeOverlayScreens screens;
    screens.list = {ScreenArea{kBounds, kBounds}};
    GhostPanel panel(screens);
    GhostContent c = content(QStringLiteral("world is wide"));
    c.hint = QStringLiteral("tab");
    panel.show(c);
    auto* view = qobject_cast<GhostView*>(panel.window());
    ASSERT_NE(view, nullptr);
    const QColor field(27, 32, 51);
    view->flat = true;
    view->backdrop = field;
    const QRegion drawn = view->drawnRegion();
    ASSERT_FALSE(drawn.isEmpty());
    QImage img(view->size(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    view->render(&img, QPoint(), QRegion(), QWidget::IgnoreMask);

    int mixed = 0;
    for (const QRect& r : drawn) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                const QColor px = img.pixelColor(x, y);
                ASSERT_EQ(px.alpha(), 255);
                // Never darker than the field (the ghost's grey is lighter than it).
                ASSERT_GE(px.lightness(), field.lightness() - 2) << x << "," << y;
                mixed += px.lightness() < 100;
            }
        }
    }
    EXPECT_GT(mixed, 0); // anti-aliased edges, between the field and the grey
}

TEST(GhostPanel, FieldColourIsTheCommonOneLeavingOutTheGhostsOwnPixels)
{
    const QColor field(27, 32, 51);
    QImage img(20, 10, QImage::Format_RGB32);
    img.fill(field);
    img.setPixelColor(0, 9, Qt::red);
    EXPECT_EQ(overlay::commonColour(img), field);
    // A ghost box still showing over most of the area is left out.
    const QRegion box(0, 0, 20, 7);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 20; ++x)
            img.setPixelColor(x, y, Qt::white);
    EXPECT_EQ(overlay::commonColour(img), QColor(Qt::white));
    EXPECT_EQ(overlay::commonColour(img, box), field);
    EXPECT_EQ(overlay::commonColour(img, QRegion(img.rect())), std::nullopt);
    EXPECT_EQ(overlay::commonColour(QImage()), std::nullopt);
}

TEST(GhostPanel, PicksTheScreenHoldingTheCaret)
{
    FakeOverlayScreens screens;
    screens.list = {ScreenArea{QRectF(0, 0, 1000, 800), QRectF(0, 40, 1000, 760)},
                    ScreenArea{QRectF(1000, 0, 800, 600), QRectF(1000, 0, 800, 600)}};
    EXPECT_EQ(screens.screenFor(QPointF(1200, 10))->frame, screens.list[1].frame);
    EXPECT_EQ(screens.screenFor(QPointF(5000, 10))->frame, screens.list[0].frame);
}

} // namespace
} // namespace tq
