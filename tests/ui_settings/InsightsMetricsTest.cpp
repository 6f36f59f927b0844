#include "ui/settings/InsightsMetrics.h"

#include "platform/Clock.h"
#include "stores/StatsStore.h"

#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace insights;

struct Store {
    QTemporaryDir dir;
    VirtualClock clock{QDateTime(QDate(2026, 3, 10), QTime(12, 0))};
    StatsStore stats{dir.filePath(QStringLiteral("stats.json")), clock};
    QDateTime now() const { return clock.now(); }
};

QStringList column(const QList<Metric>& metrics, QString Metric::*field)
{
    QStringList out;
    for (const Metric& m : metrics)
        out << m.*field;
    return out;
}

TEST(InsightsMetrics, EmptyStatistics)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Store s;
    const auto m = metrics(s.stats, s.now());
    EXPECT_EQ(column(m, &Metric::value), (QStringList{"0", "0", "0", "0 min", "Not yet", "Not yet"}));
    EXPECT_EQ(column(m, &Metric::unit),
              (QStringList{"words", "words", "words", "at 40 words a minute", "of suggestions shown", "no requests yet"}));
    EXPECT_FALSE(canReset(s.stats));
    s.stats.recordShown(s.now()); // shown suggestions alone do not make anything to reset
    EXPECT_FALSE(canReset(s.stats));
}

TEST(InsightsMetrics, OneWordOneLatencyAndCappedAcceptance)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Store s;
    s.stats.recordAccepted(QStringLiteral("hello"), QStringLiteral("app:org.gnome.Zenity"), s.now());
    s.stats.recordAccepted(QStringLiteral("there"), QStringLiteral("app:org.gnome.Zenity"), s.now());
    s.stats.recordShown(s.now()); // two accepts, one shown
    s.stats.recordLatency(1400);
    auto m = metrics(s.stats, s.now());
    EXPECT_EQ(column(m, &Metric::value), (QStringList{"2", "2", "2", "under a minute", "100%", "1.4 s"}));
    EXPECT_EQ(m[0].unit, QStringLiteral("words"));
    EXPECT_EQ(m[5].unit, QStringLiteral("9 in 10 under 1.4 s"));

    // A day eight days back counts for all time only.
    QMap<QString, DayStats> days = s.stats.days();
    days[QStringLiteral("2026-03-02")].words = 4038;
    days[QStringLiteral("2026-03-10")].words = 1;
    s.stats.setDays(days);
    m = metrics(s.stats, s.now());
    EXPECT_EQ(column(m, &Metric::value).mid(0, 4), (QStringList{"1", "1", "4,039", "1.7 h"}));
    EXPECT_EQ(m[0].unit, QStringLiteral("word"));

    s.stats.setDays({});
    EXPECT_TRUE(canReset(s.stats)); // latencies alone keep the reset
    reset(s.stats);
    EXPECT_TRUE(s.stats.latencies().isEmpty());
    EXPECT_TRUE(s.stats.appTotals().isEmpty());
    EXPECT_TRUE(s.stats.hasPendingSave());
}

TEST(InsightsMetrics, ColumnsAndDigitsBeforeTheyRoll)
{
    EXPECT_EQ(columnsFor(539), 2);
    EXPECT_EQ(columnsFor(540), 3);
    EXPECT_EQ(unrolled(QStringLiteral("1,234")), QStringLiteral("0,000"));
    EXPECT_EQ(unrolled(QStringLiteral("87%")), QStringLiteral("00%"));
    EXPECT_EQ(unrolled(QStringLiteral("1,284"), 0.5), QStringLiteral("1,142"));
    EXPECT_EQ(unrolled(QStringLiteral("\u0668\u0667"), 0), QStringLiteral("\u0660\u0660")); // Arabic-Indic stays
}

TEST(InsightsMetrics, TopEightAppsWithBarsRelativeToTheFirst)
{
    QMap<QString, qint64> totals;
    for (int i = 1; i <= 9; ++i)
        totals.insert(QStringLiteral("app:a%1").arg(i), i * 10);
    const auto top = topApps(totals);
    ASSERT_EQ(top.size(), 8);
    EXPECT_EQ(top.front(), (AppUsage{QStringLiteral("app:a9"), 90, 1.0}));
    EXPECT_EQ(top.back().key, QStringLiteral("app:a2"));
    EXPECT_DOUBLE_EQ(top.back().fraction, 20.0 / 90.0);
    const auto zero = topApps({{QStringLiteral("web:example.org"), 0}});
    EXPECT_EQ(zero, (QList<AppUsage>{{QStringLiteral("web:example.org"), 0, 0.0}}));
    EXPECT_TRUE(topApps({}).isEmpty());
}

TEST(WordsChart, BarsGrowStaggeredAndAllAreFullBeforeTheEnd)
{
    struct Case {
        double grow;
        int index;
        int count;
        double height;
    } cases[] = {
        {0, 0, 30, 0},
        {0.625, 0, 30, 1},              // the first bar is full at 0.625
        {0.3125, 0, 30, 1 - 0.125},     // p = 0.5 eases to 1 - 0.5³
        {0.375 * 15 / 30, 15, 30, 0},   // bar i starts at 0.375 i / n
        {(1 + 0.6 * 29 / 30) / 1.6, 29, 30, 1},
        {1, 89, 90, 1},
        {0.5, 0, 0, 1 - std::pow(0.2, 3)},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(barHeight(c.grow, c.index, c.count), c.height, 1e-9) << c.grow << " " << c.index;
}

} // namespace
} // namespace tq
