#include "platform/Chars.h"
#include "platform/Text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tq {

TEST(Chars, CountsUserVisibleCharacters)
{
    EXPECT_EQ(chars::count(u""), 0);
    EXPECT_EQ(chars::count(u"héllo"), 5);
    // Family emoji (ZWJ sequence), flag, skin tone, combining accent: one character each.
    EXPECT_EQ(chars::count(QString::fromUtf8("👨‍👩‍👧🇫🇷👍🏽e\u0301")), 4);
}

// The shortcuts for plain text (one character per unit) agree with the break rules that
// boundaries() applies to every text, at every cut.
TEST(Chars, CutsNeverSplitACharacterAndAgreeWithTheBreakRules)
{
    const QString texts[] = {
        QStringLiteral("plain ascii text"),
        QStringLiteral("line\r\nbreak\r\n"),
        QString::fromUtf8("cafe\u0301 au lait"),
        QString::fromUtf8("ab😀cd"),
        QString::fromUtf8("hi 👨‍👩‍👧 and 🇫🇷🇩🇪 ok"),
        QString::fromUtf8("soft\u00ADhyphen and tab\t"),
        QString::fromUtf8("\u1100\u1161\u11A8 hangul"),
        QString::fromUtf8("مرحبا بالعالم"),
        QStringLiteral("x\u0301"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        const QList<qsizetype> bounds = chars::boundaries(text);
        const int n = int(bounds.size()) - 1;
        EXPECT_EQ(chars::count(text), n);
        for (qsizetype pos = 0; pos <= text.size(); ++pos)
            EXPECT_EQ(chars::isBoundary(text, pos), bounds.contains(pos)) << pos;
        for (int k = 0; k <= n + 1; ++k) {
            const qsizetype head = bounds[std::min(k, n)];
            const qsizetype tail = bounds[std::max(0, n - k)];
            EXPECT_EQ(chars::offsetAfter(text, k), head) << k;
            EXPECT_EQ(chars::offsetOfLast(text, k), tail) << k;
            EXPECT_EQ(chars::first(text, k), QStringView(text).left(head)) << k;
            EXPECT_EQ(chars::last(text, k), QStringView(text).mid(tail)) << k;
            EXPECT_EQ(chars::countAtLeast(text, k), k <= n) << k;
        }
    }
}

TEST(Chars, ScalarsLineBreaksAndTrimming)
{
    EXPECT_EQ(chars::firstScalar(QString::fromUtf8("😀x")), U'😀');
    EXPECT_EQ(chars::firstScalar(u""), 0u);
    EXPECT_TRUE(chars::endsWithLineBreak(u"one\r\n"));
    EXPECT_TRUE(chars::endsWithLineBreak(u"one\u2028"));
    EXPECT_FALSE(chars::endsWithLineBreak(u"one "));
    EXPECT_FALSE(chars::endsWithLineBreak(u""));
    EXPECT_TRUE(chars::isBlank(u" \t\n"));
    EXPECT_FALSE(chars::isBlank(u" a "));
    EXPECT_EQ(chars::trimSpacesAndTabs(u"\t a b \n "), QStringView(u"a b \n"));
    EXPECT_EQ(chars::trimSpaceEnd(u" a\n\t"), QStringView(u" a"));
}

TEST(Wording, NoShownTextUsesMacOnlyWords)
{
    // Every literal handed to text(), tr(), translate() or the QT_*_NOOP markers (adjacent
    // literals joined) in the program's sources, and every source text of the English .ts file.
    const QRegularExpression call(QStringLiteral(
        R"re((?:\b(?:text|tr|QT_TR_NOOP)\s*\(|\b(?:translate|QT_TRANSLATE_NOOP)\s*\(\s*"[^"]*"\s*,)\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    const QRegularExpression macWords(QString::fromUtf8(
        R"re(\bMac\b|\bMac's\b|macOS|System Settings|System Preferences|\bApple\b|(?i:menu bar)|Xcode|\bApplications\b|top of (?:your|the) screen|\bKeychain\b|Screen Recording|\bReturn\b|⌘|⌥|⌃|⇧|\\u2318|\\u2325|\\u2303|\\u21[eE]7)re"));
    const QDir root(QStringLiteral(TQ_SOURCE_DIR));
    QStringList found;
    int texts = 0;
    auto check = [&](const QString& where, const QString& text) {
        ++texts;
        if (text.contains(macWords))
            found << where + QStringLiteral(": ") + text;
    };
    for (const char* folder : {"app", "ui", "completion", "overlay", "input", "field", "engines", "stores", "settings", "platform"}) {
        QDirIterator files(root.filePath(QString::fromLatin1(folder)), {QStringLiteral("*.cpp"), QStringLiteral("*.h")},
                           QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QString source = QString::fromUtf8(file.readAll());
            for (auto m = call.globalMatch(source); m.hasNext();) {
                QString text;
                for (auto l = literal.globalMatch(m.next().captured(1)); l.hasNext();)
                    text += l.next().captured(1);
                check(root.relativeFilePath(file.fileName()), text);
            }
        }
    }
    QFile ts(root.filePath(QStringLiteral("translations/tessaquill_en.ts")));
    ASSERT_TRUE(ts.open(QIODevice::ReadOnly));
    const QRegularExpression source(QStringLiteral("<source>([^<]*)</source>"));
    for (auto m = source.globalMatch(QString::fromUtf8(ts.readAll())); m.hasNext();)
        check(QStringLiteral("tessaquill_en.ts"), m.next().captured(1));
    EXPECT_GT(texts, 400); // the scan sees the program's texts
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

} // namespace tq
