#include "field/ScreenText.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tq {
namespace {

ScreenLine line(const QString& text, double x = 0, double y = 0, double w = 300, double h = 20)
{
    return {text, QRectF(x, y, w, h)};
}

const QRectF kField(100, 500, 400, 40);

} // namespace

TEST(ScreenTextTokens, WordsStopWordsAndCJKPairs)
{
    EXPECT_EQ(ScreenText::tokenize(QStringLiteral("The quick, brown fox and me!")),
              (QSet<QString>{QStringLiteral("quick"), QStringLiteral("brown"), QStringLiteral("fox")}));
    EXPECT_TRUE(ScreenText::tokenize(QStringLiteral("the and is a of")).isEmpty());
    // Four CJK characters give three adjacent pairs; one alone is its own token.
    const auto cjk = ScreenText::tokenize(QString::fromUtf8("東京大学 日"));
    EXPECT_EQ(cjk.size(), 4);
    EXPECT_TRUE(cjk.contains(QString::fromUtf8("京大")));
    EXPECT_TRUE(cjk.contains(QString::fromUtf8("日")));
}

TEST(ScreenTextPick, ShortDuplicateAndInFieldLinesAreDropped)
{
    const QVector<ScreenLine> lines = {
        line(QStringLiteral("  ab  ")),
        line(QString()),
        line(QStringLiteral("Quarterly revenue report draft"), 100, 400),
        line(QStringLiteral("QUARTERLY REVENUE REPORT DRAFT"), 100, 420),
        // Centre inside the field frame grown by 2 points.
        line(QStringLiteral("Text typed inside the field"), 100, 499, 400, 2),
    };
    EXPECT_EQ(ScreenText::pickLines(lines, kField, QString(), 1200), QStringLiteral("Quarterly revenue report draft"));
}

TEST(ScreenTextPick, LinesAlreadyTypedAreDroppedOnlyWhenLong)
{
    const QString typed = QStringLiteral("I said: see you at the lake house tomorrow, ok");
    const QVector<ScreenLine> longLine = {line(QStringLiteral("see you at the lake"))}; // 19 characters
    EXPECT_TRUE(ScreenText::pickLines(longLine, std::nullopt, typed, 1200).isEmpty());
    // 10 characters inside the typed text: kept, and two shared words lift it over the threshold.
    const QVector<ScreenLine> shortLine = {line(QStringLiteral("lake house"))};
    EXPECT_EQ(ScreenText::pickLines(shortLine, std::nullopt, typed, 1200), QStringLiteral("lake house"));
}

TEST(ScreenTextPick, ShortLinesNeedSharedWords)
{
    const QVector<ScreenLine> lines = {line(QStringLiteral("Hello team"))}; // two words, 10 characters: 0.35
    EXPECT_TRUE(ScreenText::pickLines(lines, std::nullopt, QString(), 1200).isEmpty());
    // Two shared tokens: 0.35 + 1.2 = 1.55, picked.
    EXPECT_EQ(ScreenText::pickLines(lines, std::nullopt, QStringLiteral("hello to the whole team"), 1200),
              QStringLiteral("Hello team"));
}

TEST(ScreenTextPick, AboveBeatsBelowAndBudgetHolds)
{
    // Above the field, gap 0, full overlap: 6.2; directly below: 3.72.
    const QVector<ScreenLine> lines = {
        line(QStringLiteral("one two three four below"), 100, 540, 400, 20),
        line(QStringLiteral("one two three four above"), 100, 480, 400, 20),
    };
    EXPECT_EQ(ScreenText::pickLines(lines, kField, QString(), 25), QStringLiteral("one two three four above"));
    const QString both = ScreenText::pickLines(lines, kField, QString(), 1200);
    EXPECT_EQ(both, QStringLiteral("one two three four above\none two three four below"));

    QVector<ScreenLine> many;
    for (int i = 0; i < 200; ++i)
        many.push_back(line(QStringLiteral("line number %1 with several words").arg(i), 0, i * 20));
    EXPECT_LE(ScreenText::pickLines(many, std::nullopt, QString(), 1200).size(), 1200);
}

TEST(ScreenTextPick, CJKWeights)
{
    // 14 CJK characters, no spaces: weight 1.6 → picked; 10 characters: 0.56 → not picked.
    const QVector<ScreenLine> longCjk = {line(QString::fromUtf8("今日は東京で会議がありました"))};
    EXPECT_FALSE(ScreenText::pickLines(longCjk, std::nullopt, QString(), 1200).isEmpty());
    const QVector<ScreenLine> shortCjk = {line(QString::fromUtf8("今日は東京で会議が"))};
    EXPECT_TRUE(ScreenText::pickLines(shortCjk, std::nullopt, QString(), 1200).isEmpty());
}

TEST(ScreenTextReadingOrder, RowsWithinFourPointsReadLeftToRight)
{
    QVector<ScreenLine> lines = {line(QStringLiteral("right"), 200, 103), line(QStringLiteral("left"), 0, 100),
                                 line(QStringLiteral("next row"), 0, 108)};
    ScreenText::sortReadingOrder(lines);
    EXPECT_EQ(lines[0].text, QStringLiteral("left"));
    EXPECT_EQ(lines[1].text, QStringLiteral("right"));
    EXPECT_EQ(lines[2].text, QStringLiteral("next row"));

    QVector<ScreenLine> apart = {line(QStringLiteral("b"), 0, 105), line(QStringLiteral("a"), 200, 100)};
    ScreenText::sortReadingOrder(apart);
    EXPECT_EQ(apart[0].text, QStringLiteral("a"));

    // A staircase of tops 3 points apart must still sort consistently (no broken ordering).
    QVector<ScreenLine> stairs;
    for (int i = 0; i < 50; ++i)
        stairs.push_back(line(QString::number(i), 500 - i * 10, i * 3));
    ScreenText::sortReadingOrder(stairs);
    for (qsizetype i = 1; i < stairs.size(); ++i)
        EXPECT_GE(stairs[i].frame.top() - stairs[i - 1].frame.top() >= 4 ? 1 : stairs[i].frame.left() - stairs[i - 1].frame.left(), 0);
}

TEST(ScreenTextRecent, NeedsSharedTokens)
{
    const QVector<ScreenLine> lines = {line(QStringLiteral("Flight to Lisbon departs at nine")),
                                       line(QStringLiteral("Unrelated weather forecast for today"))};
    EXPECT_EQ(ScreenText::pickRecent(lines, QStringLiteral("my flight to lisbon"), 240),
              QStringLiteral("Flight to Lisbon departs at nine"));
    EXPECT_TRUE(ScreenText::pickRecent(lines, QStringLiteral("the a, of; is!"), 240).isEmpty());
}

TEST(ScreenTextSplit, EqualBandsFromTheTop)
{
    const auto lines = ScreenText::splitLines(QRectF(10, 100, 200, 60), QStringLiteral("one\r\ntwo\n  \nthree"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[1].text, QStringLiteral("two"));
    EXPECT_EQ(lines[2].frame, QRectF(10, 140, 200, 20));
    const auto single = ScreenText::splitLines(QRectF(0, 0, 10, 10), QStringLiteral(" only one \n"));
    ASSERT_EQ(single.size(), 1);
    EXPECT_EQ(single[0].text, QStringLiteral(" only one \n"));
}

} // namespace tq
