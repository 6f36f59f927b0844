#include "platform/Grapheme.h"
#include "platform/Text.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
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

TEST(Wording, NoShownSourceTextUsesMacOnlyWords)
{
    // Every literal handed to text() or tr() (adjacent literals joined), in every source file.
    const QRegularExpression call(QStringLiteral(R"re((?:\btext|\btr)\s*\(\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    const QRegularExpression macWords(QString::fromUtf8(R"re(\bMac\b|macOS|System Settings|System Preferences|⌘|⌥|⌃|⇧)re"));
    QStringList found;
    int literals = 0;
    QDirIterator files(QStringLiteral(TQ_SOURCE_DIR), {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        const QString relative = QDir(QStringLiteral(TQ_SOURCE_DIR)).relativeFilePath(path);
        if (relative.startsWith(QLatin1String("build")) || relative.startsWith(QLatin1String("tests/")))
            continue;
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QString source = QString::fromUtf8(file.readAll());
        for (auto m = call.globalMatch(source); m.hasNext();) {
            QString text;
            for (auto l = literal.globalMatch(m.next().captured(1)); l.hasNext();)
                text += l.next().captured(1);
            ++literals;
            if (text.contains(macWords))
                found << relative + QStringLiteral(": ") + text;
        }
    }
    EXPECT_GT(literals, 100); // the scan sees the program's texts
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

} // namespace tq
