#include "FieldFixture.h"

using namespace tq;
using namespace tq::testing;

namespace {

// Screen-space rectangle of a top-left one on the 900-high fake screen.
QRectF flipped(QRectF r) { return QRectF(r.x(), 900 - r.y() - r.height(), r.width(), r.height()); }

class Caret : public FieldFixture {
protected:
    AXElement element() { return AXElement(field->element(), screen); }
};

} // namespace

TEST_F(Caret, EmptyRangeBoxIsTheCaret)
{
    field->text = QStringLiteral("hello");
    const auto c = AXFieldSource::caretRect(element(), 5, QStringLiteral("hello"));
    // Grid: x = 100 + 4 + 5 × 8, row at y 102, 16 high (top-left space).
    EXPECT_EQ(c.rect, flipped(QRectF(144, 102, 1, 16)));
    EXPECT_FALSE(c.lineStartX);
}

TEST_F(Caret, BoxAtTheCornerGivesWayToThePreviousCharacter)
{
    field->text = QStringLiteral("hello");
    field->boundsFor = [&](AXRange r) -> std::optional<QRectF> {
        if (r.length == 0)
            return QRectF(0, 900, 0, 16); // bottom-left corner once flipped: minX 0, minY −16
        return field->gridBox(r.location, false);
    };
    const auto c = AXFieldSource::caretRect(element(), 5, QStringLiteral("hello"));
    EXPECT_EQ(c.rect, flipped(QRectF(144, 102, 1, 16))); // trailing edge of the "o"
}

TEST_F(Caret, StaleEmptyBoxAboveThePreviousCharacterIsIgnored)
{
    field->text = QStringLiteral("hello");
    field->boundsFor = [&](AXRange r) -> std::optional<QRectF> {
        if (r.length == 0)
            return QRectF(104, 40, 0, 16); // far above
        return field->gridBox(r.location, false);
    };
    EXPECT_EQ(AXFieldSource::caretRect(element(), 5, QStringLiteral("hello")).rect, flipped(QRectF(144, 102, 1, 16)));
}

TEST_F(Caret, AfterALineBreakTheCaretGoesUnderThePreviousLine)
{
    field->text = QStringLiteral("ab\ncd\n");
    // The empty box is reported on the previous row (stale).
    field->boundsFor = [&](AXRange r) -> std::optional<QRectF> {
        if (r.length == 0)
            return QRectF(124, 118, 0, 16);
        return field->gridBox(r.location, false);
    };
    const auto c = AXFieldSource::caretRect(element(), 6, QStringLiteral("ab\ncd\n"));
    // The previous line "cd" starts at 3: x 104, row 1 (y 118); the caret is one row under it.
    EXPECT_EQ(c.rect, QRectF(104, flipped(QRectF(104, 118, 8, 16)).y() - 16, 1, 16));
    EXPECT_EQ(c.lineStartX, 104);
}

TEST_F(Caret, NewLineProbePositionsCountZeroWidthCharacters)
{
    // The field holds a zero-width space on the previous line: positions are counted in the
    // text as the field holds it.
    const QString raw = QStringLiteral("ab\nc\u200Bd\n");
    field->text = raw;
    std::vector<AXRange> asked;
    field->boundsFor = [&](AXRange r) -> std::optional<QRectF> {
        asked.push_back(r);
        if (r.length == 0)
            return std::nullopt;
        return field->gridBox(r.location, false);
    };
    const auto probe = AXFieldSource::newLineProbe(element(), raw.size(), raw);
    ASSERT_TRUE(probe);
    EXPECT_EQ(asked.back(), (AXRange{3, 1}));
    EXPECT_EQ(probe->x(), 104);

    // Through the snapshot: the line "x\u200By" starts at 0 in the field's text, not at 1.
    field->text = QStringLiteral("x\u200By");
    field->selection = {3, 0};
    field->boundsFor = {};
    source->attach(kPid);
    const auto s = source->snapshot();
    ASSERT_TRUE(s);
    EXPECT_EQ(s->before, QStringLiteral("xy"));
    EXPECT_EQ(s->lineStartX, 104);
}

TEST_F(Caret, NewLineAfterAnEmptyLineFallsBackToTheEmptyBox)
{
    field->text = QStringLiteral("ab\n\n");
    EXPECT_FALSE(AXFieldSource::newLineProbe(element(), 4, QStringLiteral("ab\n\n")));
    const auto c = AXFieldSource::caretRect(element(), 4, QStringLiteral("ab\n\n"));
    EXPECT_EQ(c.rect, flipped(QRectF(104, 134, 1, 16)));
}

TEST_F(Caret, CombiningWithThePreviousLine)
{
    const QRectF line(10, 100, 50, 16);
    EXPECT_EQ(AXFieldSource::combineWithPreviousLine(QRectF(70, 100, 0, 16), line, 10.0), QRectF(10, 84, 1, 16));
    EXPECT_EQ(AXFieldSource::combineWithPreviousLine(QRectF(10, 84, 0, 16), line, 10.0), QRectF(10, 84, 1, 16));
    EXPECT_EQ(AXFieldSource::combineWithPreviousLine(std::nullopt, line, 10.0), QRectF(10, 84, 1, 16));
    EXPECT_FALSE(AXFieldSource::combineWithPreviousLine(std::nullopt, line, std::nullopt));
    EXPECT_FALSE(AXFieldSource::combineWithPreviousLine(std::nullopt, std::nullopt, 10.0));
}

TEST_F(Caret, NextCharacterThenNothing)
{
    field->text = QStringLiteral("abc");
    field->boundsFor = [&](AXRange r) -> std::optional<QRectF> {
        if (r.location == 0 && r.length == 1)
            return field->gridBox(0, false);
        return std::nullopt;
    };
    EXPECT_EQ(AXFieldSource::caretRect(element(), 0, QString()).rect, flipped(QRectF(104, 102, 1, 16)));
    LogCapture log;
    field->answersBounds = false;
    EXPECT_FALSE(AXFieldSource::caretRect(element(), 0, QString()).rect);
    EXPECT_EQ(log.lines, QStringList{QStringLiteral("AXTextField has no text-marker selection")});
}

TEST_F(Caret, LineStartOnlyWhenTheLineDoesNotWrap)
{
    field->text = QStringLiteral("ab\ncdef");
    const QRectF caret = flipped(QRectF(136, 118, 1, 16));
    EXPECT_EQ(AXFieldSource::lineStartX(element(), 7, QStringLiteral("ab\ncdef"), caret), 104);
    EXPECT_FALSE(AXFieldSource::lineStartX(element(), 7, QStringLiteral("ab\ncdef"), caret.translated(0, -16)));
    EXPECT_FALSE(AXFieldSource::lineStartX(element(), 3, QStringLiteral("ab\n"), caret));
}

TEST_F(Caret, FontIsReadBeforeTheCaret)
{
    field->text = QStringLiteral("ab");
    field->fontSize = 11.5;
    field->fontName = QStringLiteral("DejaVu Sans");
    auto [size, name] = AXFieldSource::readFont(element(), 2);
    EXPECT_EQ(size, 11.5);
    EXPECT_EQ(name, QStringLiteral("DejaVu Sans"));
    field->text = QString();
    std::tie(size, name) = AXFieldSource::readFont(element(), 0);
    EXPECT_FALSE(size);
}

TEST(CaretEstimate, SingleLineFieldWithoutFont)
{
    const QRectF frame(100, 500, 300, 22);
    const auto e = AXFieldSource::estimateCaret(QString(), QString(), std::nullopt, std::nullopt, frame);
    ASSERT_TRUE(e);
    EXPECT_EQ(e->fontSize, 13);
    EXPECT_EQ(e->lineStartX, 104);
    EXPECT_EQ(e->caret.x(), 104);
    EXPECT_EQ(e->caret.width(), 1);
    EXPECT_NEAR(e->caret.center().y(), frame.center().y(), 0.01);

    EXPECT_EQ(AXFieldSource::estimateCaret(QString(), QString(), std::nullopt, std::nullopt, QRectF(0, 0, 300, 16))->fontSize, 11);
    EXPECT_EQ(AXFieldSource::estimateCaret(QString(), QString(), std::nullopt, std::nullopt, QRectF(0, 0, 300, 60))->fontSize, 13);
    EXPECT_EQ(AXFieldSource::estimateCaret(QString(), QString(), 20.0, std::nullopt, QRectF(0, 0, 300, 60))->fontSize, 20);
}

TEST(CaretEstimate, CaretMovesRightWithTheText)
{
    const QRectF frame(100, 500, 300, 22);
    const auto a = AXFieldSource::estimateCaret(QStringLiteral("ab"), QString(), 12.0, std::nullopt, frame);
    const auto b = AXFieldSource::estimateCaret(QStringLiteral("abcdef"), QStringLiteral("gh"), 12.0, std::nullopt, frame);
    ASSERT_TRUE(a && b);
    EXPECT_GT(b->caret.x(), a->caret.x());
    // Never past the field's right edge less 4.
    const auto c = AXFieldSource::estimateCaret(QString(400, QLatin1Char('w')), QString(), 12.0, std::nullopt, frame);
    EXPECT_EQ(c->caret.x(), 100 + 4 + 300 - 8);
}

TEST(CaretEstimate, MultiLineRowsFromTheTop)
{
    const QRectF frame(0, 0, 300, 200);
    const auto first = AXFieldSource::estimateCaret(QStringLiteral("one"), QStringLiteral("\ntwo"), 12.0, std::nullopt, frame);
    const auto second = AXFieldSource::estimateCaret(QStringLiteral("one\n"), QStringLiteral("two"), 12.0, std::nullopt, frame);
    const auto third = AXFieldSource::estimateCaret(QStringLiteral("one\ntwo\n"), QString(), 12.0, std::nullopt, frame);
    ASSERT_TRUE(first && second && third);
    const double l = first->caret.height();
    EXPECT_EQ(first->caret.y(), 200 - 4 - l);
    EXPECT_EQ(second->caret.y(), 200 - 4 - 2 * l);
    EXPECT_EQ(third->caret.y(), 200 - 4 - 3 * l);
    EXPECT_EQ(second->caret.x(), 4);
    EXPECT_EQ(third->caret.x(), 4);
}

TEST(CaretEstimate, NoCaretWhenTheTextCannotFitOrRunsRightToLeft)
{
    QString many;
    for (int i = 0; i < 30; ++i)
        many += QStringLiteral("line\n");
    EXPECT_FALSE(AXFieldSource::estimateCaret(many, QString(), 12.0, std::nullopt, QRectF(0, 0, 300, 100)));
    EXPECT_FALSE(AXFieldSource::estimateCaret(QStringLiteral("hello \u05E9\u05DC\u05D5\u05DD"), QString(), 12.0, std::nullopt,
                                              QRectF(0, 0, 300, 22)));
    EXPECT_FALSE(AXFieldSource::estimateCaret(QString(), QStringLiteral("\u0645"), 12.0, std::nullopt, QRectF(0, 0, 300, 22)));
    EXPECT_FALSE(AXFieldSource::estimateCaret(QString(), QString(), 12.0, std::nullopt, QRectF(0, 0, 0, 22)));
}

TEST_F(Caret, SnapshotEstimatesWhenNoBoxIsGivenAndLogsOnce)
{
    LogCapture log;
    field->text = QStringLiteral("hello");
    field->answersBounds = false;
    source->attach(kPid);
    for (int i = 0; i < 3; ++i) {
        const auto s = source->snapshot();
        ASSERT_TRUE(s && s->caretRect);
        EXPECT_EQ(s->lineStartX, 104);
        EXPECT_EQ(s->fontSize, 13);
    }
    EXPECT_EQ(log.lines.count(QStringLiteral("AXTextField caret measured from its text")), 1);
    EXPECT_EQ(log.lines.count(QStringLiteral("AXTextField has no text-marker selection")), 1);
}

TEST(PlausibleBox, HeightLimits)
{
    EXPECT_TRUE(AXFieldSource::plausibleBox(QRectF(0, 0, 10, 6), std::nullopt));
    EXPECT_FALSE(AXFieldSource::plausibleBox(QRectF(0, 0, 10, 5.9), std::nullopt));
    EXPECT_FALSE(AXFieldSource::plausibleBox(QRectF(0, 0, 10, 40), std::nullopt));
    EXPECT_FALSE(AXFieldSource::plausibleBox(QRectF(0, 0, 10, 24), QRectF(0, 0, 1, 16)));
    EXPECT_TRUE(AXFieldSource::plausibleBox(QRectF(0, 0, 10, 23.9), QRectF(0, 0, 1, 16)));
}

// Right-to-left lines, right-aligned at x 300, 8 points a character: the paragraph ends at the
// line's left edge, whatever side the toolkit puts the empty box at the end on, and begins at
// its right edge. Hebrew then "ab": the Latin run stands left of the Hebrew, "a" first.
TEST_F(Caret, RightToLeftLineIsReadFromItsOwnSide)
{
    const struct {
        QString text;
        QList<double> lefts; // each character's left edge
        double caret;
    } lines[] = {
        {QStringLiteral("שלום "), {292, 284, 276, 268, 260}, 260},
        {QStringLiteral("שלום ab"), {292, 284, 276, 268, 260, 244, 252}, 244},
    };
    for (const auto& l : lines) {
        field->text = l.text;
        field->boundsFor = [&](AXRange r) -> std::optional<QRectF> {
            if (r.length == 0)
                return QRectF(300, 102, 0, 16); // the line's far end
            double left = 1e9, right = -1e9;
            for (qint64 i = r.location; i < r.location + r.length; ++i) {
                left = std::min(left, l.lefts[i]);
                right = std::max(right, l.lefts[i] + 8);
            }
            return QRectF(left, 102, right - left, 16);
        };
        const auto c = AXFieldSource::caretRect(element(), l.text.size(), l.text);
        EXPECT_EQ(c.rect, flipped(QRectF(l.caret, 102, 1, 16))) << l.text.toStdString();
        ASSERT_TRUE(c.rect);
        EXPECT_EQ(AXFieldSource::lineStartX(element(), l.text.size(), l.text, *c.rect), 300);
    }
}
