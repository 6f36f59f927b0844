// Shown texts are whole sentences: never glued to other text with +, and a count only ever
// fills a plural text. A scan of the program's sources.

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace tq {
namespace {

// Index just past the bracket that closes the one at `open`, skipping string and char literals.
qsizetype closing(const QString& s, qsizetype open)
{
    int depth = 0;
    for (qsizetype i = open; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == u'"' || c == u'\'') {
            for (++i; i < s.size() && s[i] != c; ++i)
                if (s[i] == u'\\')
                    ++i;
        } else if (c == u'(') {
            ++depth;
        } else if (c == u')' && --depth == 0) {
            return i + 1;
        }
    }
    return s.size();
}

// The arguments between the brackets at [open, end), split at top-level commas.
QStringList arguments(const QString& s, qsizetype open, qsizetype end)
{
    QStringList out;
    int depth = 0;
    qsizetype from = open + 1;
    for (qsizetype i = open + 1; i < end - 1; ++i) {
        const QChar c = s[i];
        if (c == u'"' || c == u'\'') {
            for (++i; i < end && s[i] != c; ++i)
                if (s[i] == u'\\')
                    ++i;
        } else if (c == u'(' || c == u'{') {
            ++depth;
        } else if (c == u')' || c == u'}') {
            --depth;
        } else if (c == u',' && depth == 0) {
            out << s.mid(from, i - from).trimmed();
            from = i + 1;
        }
    }
    out << s.mid(from, end - 1 - from).trimmed();
    return out;
}

qsizetype skipSpace(const QString& s, qsizetype i)
{
    while (i < s.size() && s[i].isSpace())
        ++i;
    return i;
}

} // namespace

TEST(Wording, ShownTextsAreWholeAndCountedByPluralTexts)
{
    const QRegularExpression call(QStringLiteral(R"re(\b(?:text|tr)\s*\(\s*")re"));
    // A number of things: a size, a character count, or a plain integer in the locale's digits.
    const QRegularExpression count(QStringLiteral(R"re(\.size\(\)|\.count\(\)|chars::count\(|^(?:QLocale\(\)|locale)\.toString\([^,]*\)$)re"));
    const QDir root(QStringLiteral(TQ_SOURCE_DIR));
    QStringList glued, unplural;
    int texts = 0;
    for (const char* folder : {"app", "ui", "completion", "overlay", "input", "field", "engines", "stores", "settings", "platform"}) {
        QDirIterator files(root.filePath(QString::fromLatin1(folder)), {QStringLiteral("*.cpp")}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QString source = QString::fromUtf8(file.readAll());
            const QString where = root.relativeFilePath(file.fileName());
            for (auto m = call.globalMatch(source); m.hasNext();) {
                const auto match = m.next();
                const qsizetype open = source.indexOf(u'(', match.capturedStart());
                qsizetype end = closing(source, open);
                const QStringList args = arguments(source, open, end);
                const QString shown = where + QStringLiteral(": ") + source.mid(match.capturedStart(), end - match.capturedStart());
                ++texts;
                // A count is an argument that is no string literal.
                const bool plural = args.size() > 1 && !args.last().startsWith(u'"');
                for (qsizetype i = skipSpace(source, end); source.mid(i, 5) == QLatin1String(".arg("); i = skipSpace(source, end)) {
                    const qsizetype argOpen = i + 4;
                    end = closing(source, argOpen);
                    for (const QString& a : arguments(source, argOpen, end))
                        if (!plural && a.contains(count))
                            unplural << shown + QStringLiteral(".arg(") + a + QLatin1Char(')');
                }
                qsizetype before = match.capturedStart() - 1;
                while (before >= 1 && source[before] == u':' && source[before - 1] == u':') // tq::text(
                    for (before -= 2; before >= 0 && (source[before].isLetterOrNumber() || source[before] == u'_');)
                        --before;
                while (before >= 0 && source[before].isSpace())
                    --before;
                if ((before >= 0 && source[before] == u'+' && (before == 0 || source[before - 1] != u'+'))
                    || (skipSpace(source, end) < source.size() && source[skipSpace(source, end)] == u'+'))
                    glued << shown;
            }
        }
    }
    EXPECT_GT(texts, 400); // the scan sees the program's texts
    EXPECT_TRUE(glued.isEmpty()) << "built by +:\n" << glued.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(unplural.isEmpty()) << "a count outside a plural text:\n" << unplural.join(QLatin1Char('\n')).toStdString();
}

} // namespace tq
