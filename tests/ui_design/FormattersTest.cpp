#include "ui/design/Formatters.h"

#include <QLocale>
#include <gtest/gtest.h>

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
