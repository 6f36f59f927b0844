#include "platform/Grapheme.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

namespace tq {

TEST(Grapheme, CountsUserVisibleCharacters)
{
    EXPECT_EQ(grapheme::count(u""), 0);
    EXPECT_EQ(grapheme::count(u"héllo"), 5);
    // Family emoji (ZWJ sequence), flag, skin tone, combining accent: one character each.
    EXPECT_EQ(grapheme::count(QString::fromUtf8("👨‍👩‍👧🇫🇷👍🏽e\u0301")), 4);
}

TEST(Grapheme, PrefixAndSuffixNeverSplitACharacter)
{
    const QString s = QString::fromUtf8("ab😀cd");
    EXPECT_EQ(grapheme::prefix(s, 3), QString::fromUtf8("ab😀"));
    EXPECT_EQ(grapheme::suffix(s, 3), QString::fromUtf8("😀cd"));
    EXPECT_EQ(grapheme::prefix(s, 99), s);
    EXPECT_EQ(grapheme::suffix(s, 0), QString());
    EXPECT_FALSE(grapheme::isBoundary(s, 3));
    EXPECT_TRUE(grapheme::isBoundary(s, 4));
    EXPECT_EQ(grapheme::last(s), QStringLiteral("d"));
}

TEST(Wording, MacOnlyWordsAreSaidTheLinuxWay)
{
    EXPECT_EQ(linuxWording(QStringLiteral("Open System Settings on your Mac")),
              QStringLiteral("Open the desktop's settings on your computer"));
    EXPECT_EQ(linuxWording(QStringLiteral("Requires macOS 26")), QStringLiteral("Requires the system 26"));
    EXPECT_EQ(linuxWording(QStringLiteral("Machine")), QStringLiteral("Machine"));
    EXPECT_EQ(linuxWording(QString::fromUtf8("⌘⇧Space")), QStringLiteral("SuperShiftSpace"));
}

} // namespace tq
