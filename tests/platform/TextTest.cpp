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

TEST(Wording, NoShownTextUsesMacOnlyWords)
{
    // Every literal handed to text(), tr(), translate() or the QT_*_NOOP markers (adjacent
    // literals joined) in the program's sources, and every source text of the English .ts file.
    const QRegularExpression call(QStringLiteral(
        R"re((?:\b(?:text|tr|QT_TR_NOOP)\s*\(|\b(?:translate|QT_TRANSLATE_NOOP)\s*\(\s*"[^"]*"\s*,)\s*((?:"(?:[^"\\]|\\.)*"\s*)+))re"));
    const QRegularExpression literal(QStringLiteral(R"re("((?:[^"\\]|\\.)*)")re"));
    const QRegularExpression macWords(QString::fromUtf8(
        R"re(\bMac\b|\bMac's\b|macOS|System Settings|System Preferences|⌘|⌥|⌃|⇧|\\u2318|\\u2325|\\u2303|\\u21[eE]7)re"));
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
