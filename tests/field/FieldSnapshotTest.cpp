#include "field/FieldSnapshot.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {
FieldSnapshot withBefore(const QString& before)
{
    FieldSnapshot s;
    s.before = before;
    return s;
}
FieldSnapshot withAfter(const QString& after)
{
    FieldSnapshot s;
    s.after = after;
    return s;
}
} // namespace

TEST(FieldSnapshot, RestOfLineStopsAtTheFirstLineBreak)
{
    EXPECT_EQ(withAfter(QStringLiteral("abc\ndef")).restOfLine(), QStringLiteral("abc"));
    EXPECT_EQ(withAfter(QStringLiteral("abc")).restOfLine(), QStringLiteral("abc"));
    EXPECT_EQ(withAfter(QString()).restOfLine(), QString());
    EXPECT_EQ(withAfter(QStringLiteral("abc\r\ndef")).restOfLine(), QStringLiteral("abc"));
}

TEST(FieldSnapshot, StartsLineAfterSentence)
{
    EXPECT_TRUE(withBefore(QStringLiteral("Done.\n")).startsLineAfterSentence());
    EXPECT_TRUE(withBefore(QStringLiteral("Done.\n\n")).startsLineAfterSentence());
    EXPECT_FALSE(withBefore(QStringLiteral("word\n")).startsLineAfterSentence());
    EXPECT_FALSE(withBefore(QStringLiteral("Done. ")).startsLineAfterSentence());
    EXPECT_TRUE(withBefore(QStringLiteral("終わり\u3002\n")).startsLineAfterSentence());
    EXPECT_TRUE(withBefore(QStringLiteral("first,  \n")).startsLineAfterSentence());
    EXPECT_FALSE(withBefore(QStringLiteral("\n\n")).startsLineAfterSentence());
    EXPECT_FALSE(withBefore(QString()).startsLineAfterSentence());
    EXPECT_TRUE(withBefore(QStringLiteral("one\nSaid \u201Cyes\u201D\u2028")).startsLineAfterSentence());
}

TEST(FieldSnapshot, AfterIsBlank)
{
    EXPECT_TRUE(withAfter(QString()).afterIsBlank());
    EXPECT_TRUE(withAfter(QStringLiteral(" \n\t")).afterIsBlank());
    EXPECT_FALSE(withAfter(QStringLiteral(" a")).afterIsBlank());
}

TEST(FieldSnapshot, EqualityComparesEveryFieldExactly)
{
    FieldSnapshot a;
    a.fieldKey = QStringLiteral("1:2");
    FieldSnapshot b = a;
    EXPECT_EQ(a, b);
    b.isLocal = true;
    EXPECT_FALSE(a == b);
    b = a;
    b.caretRect = QRectF(1, 2, 1, 16);
    EXPECT_FALSE(a == b);
    a.caretRect = QRectF(1, 2 + 1e-13, 1, 16);
    EXPECT_FALSE(a == b); // no fuzzy comparison
    a.caretRect = b.caretRect;
    EXPECT_EQ(a, b);
}
