#include "ui/design/Formatters.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSet>
#include <QTranslator>
#include <gtest/gtest.h>

#include <vector>

using namespace tq;

namespace {
struct LocaleScope {
    explicit LocaleScope(const QLocale& l) { QLocale::setDefault(l); }
    ~LocaleScope() { QLocale::setDefault(QLocale::system()); }
};
} // namespace

TEST(Formatters, EnglishTable)
{
    LocaleScope en(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        double minutes;
        const char* text;
    } typing[] = {
        {0, "0 min"},       {0.4, "under a minute"}, {-2, "under a minute"}, {1, "1 min"},      {1.5, "2 min"},
        {89.4, "89 min"},   {89.5, "90 min"},        {90, "1.5 h"},          {120, "2.0 h"},    {599.9, "10.0 h"},
        {600, "10 h"},      {75000, "1,250 h"},
    };
    for (const auto& c : typing)
        EXPECT_EQ(formatTypingTime(c.minutes), QString::fromUtf8(c.text)) << c.minutes;

    const struct {
        std::int64_t n;
        const char* text;
    } words[] = {{1, "1 word"}, {0, "0 words"}, {12345, "12,345 words"}, {-1, "0 words"}};
    for (const auto& c : words)
        EXPECT_EQ(formatWordCount(c.n), QString::fromUtf8(c.text)) << c.n;

    const struct {
        std::optional<std::int64_t> ms;
        const char* text;
    } latency[] = {{std::nullopt, "Not yet"}, {0, "0 ms"}, {999, "999 ms"}, {1000, "1.0 s"}, {1500, "1.5 s"},
                   {12345, "12.3 s"}};
    for (const auto& c : latency)
        EXPECT_EQ(formatLatency(c.ms), QString::fromUtf8(c.text));
}

TEST(Formatters, DecimalCommaLocale)
{
    LocaleScope de(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(formatTypingTime(90), QStringLiteral("1,5 h"));
    EXPECT_EQ(formatLatency(1500), QStringLiteral("1,5 s"));
    EXPECT_EQ(formatWordCount(12345), QStringLiteral("12.345 words"));
    // Whole milliseconds and minutes are put in without grouping.
    EXPECT_EQ(formatLatency(999), QStringLiteral("999 ms"));
}

TEST(Formatters, NoWordsSavedReadAsNone)
{
    // Brazilian Portuguese plural rules give 0 the singular; zero is worded apart.
    QTranslator translator;
    ASSERT_TRUE(translator.load(QStringLiteral(":/i18n-test/tessaquill_pt-BR")));
    QCoreApplication::installTranslator(&translator);
    LocaleScope pt(QLocale(QLocale::Portuguese, QLocale::Brazil));
    EXPECT_EQ(wordsSavedTodayLabel(0), wordsSavedTodayLabel(2));
    EXPECT_NE(wordsSavedTodayLabel(1), wordsSavedTodayLabel(2));
    EXPECT_EQ(formatWordsSavedToday(0), formatWordsSavedToday(2).replace(u'2', u'0'));
    QCoreApplication::removeTranslator(&translator);
}

TEST(Formatters, CountsTakeEachLanguagesPluralForms)
{
    // Counts in one plural category share the word and differ only in the number; the
    // categories give the language's number of different words (Arabic's zero, many and
    // other forms of "word" are spelled alike).
    const struct {
        const char* language;
        std::vector<std::vector<int>> categories; // each inner list: counts of one category
        int distinct;
    } cases[] = {
        {"ru", {{1, 21, 101}, {2, 3, 22}, {5, 11, 12, 100}}, 3},
        {"pl", {{1}, {2, 4, 22}, {5, 12, 21}}, 3},
        {"ar", {{0}, {1}, {2}, {3, 10, 103}, {11, 99}, {100, 1000}}, 4},
        {"fr", {{0, 1}, {2, 100}}, 2},
        {"ja", {{1, 2, 5}}, 1},
    };
    const QLocale before;
    for (const auto& c : cases) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n-test/tessaquill_") + QLatin1String(c.language))) << c.language;
        QCoreApplication::installTranslator(&translator);
        QLocale::setDefault(QLocale(QLatin1String(c.language)));
        auto wordOf = [](std::int64_t n) {
            QString s = formatWordCount(n);
            s.remove(QLocale().toString(qint64(n)));
            return s.trimmed();
        };
        QSet<QString> seen;
        for (const auto& category : c.categories) {
            const QString word = wordOf(category.front());
            EXPECT_FALSE(word.isEmpty()) << c.language;
            for (int n : category)
                EXPECT_EQ(wordOf(n), word) << c.language << " " << n;
            seen << word;
        }
        EXPECT_EQ(seen.size(), c.distinct) << c.language;
        QCoreApplication::removeTranslator(&translator);
    }
    QLocale::setDefault(before);
}
