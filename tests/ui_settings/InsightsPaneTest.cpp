#include "ui/settings/InsightsPane.h"

#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeInstalledApps.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "settings/AppRules.h"
#include "stores/StatsStore.h"
#include "ui/design/Animation.h"
#include "ui/design/Confirmation.h"
#include "ui/settings/WordsChart.h"
#include "look/Palette.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tq {
namespace {

struct Pane {
    explicit Pane(bool reduce = false) { reduceMotion.set(reduce); }
    QTemporaryDir dir;
    VirtualClock clock{QDateTime(QDate(2026, 3, 10), QTime(12, 0))};
    StatsStore stats{dir.filePath(QStringLiteral("stats.json")), clock};
    AppRules rules{dir.filePath(QStringLiteral("rules.json")), clock};
    FakeInstalledApps installed;
    FakeReduceMotion reduceMotion;
    MotionContext motion{clock, reduceMotion};
};

TEST(InsightsPane, DigitsRollInAndChartGrowsOnTheVirtualClock)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Pane p;
    p.stats.recordAccepted(QStringLiteral("one two three"), QStringLiteral("app:org.gnome.Zenity"), p.clock.now());
    InsightsPane pane(p.stats, p.rules, p.installed, p.motion);
    pane.resize(700, 900);
    pane.show();
    EXPECT_EQ(pane.shownValues().mid(0, 3), (QStringList{"0", "0", "0"}));
    EXPECT_EQ(pane.chart()->grow(), 0);
    p.clock.advance(std::chrono::milliseconds(110));
    EXPECT_EQ(pane.shownValues().first(), QStringLiteral("0")); // still waiting
    p.clock.advance(std::chrono::milliseconds(400));
    EXPECT_EQ(pane.shownValues().first(), QStringLiteral("2")); // counting up on the spring
    p.clock.advance(std::chrono::milliseconds(1600));
    EXPECT_EQ(pane.shownValues().mid(0, 3), (QStringList{"3", "3", "3"}));
    EXPECT_EQ(pane.chart()->grow(), 1);
    EXPECT_EQ(p.clock.pendingCount(), 0u); // the statistics saved; nothing ticks

    pane.setRange(90); // replays the growth
    EXPECT_EQ(pane.chart()->grow(), 0);
}

TEST(InsightsPane, TheFirstWordsGrowTheChartInWhereTheEmptyStateWas)
{
    Pane p;
    InsightsPane pane(p.stats, p.rules, p.installed, p.motion);
    pane.resize(700, 900);
    pane.show();
    p.clock.advance(std::chrono::milliseconds(1200));
    ASSERT_EQ(pane.chart()->grow(), 1);
    p.stats.recordAccepted(QStringLiteral("first words"), QStringLiteral("app:org.gnome.Zenity"), p.clock.now());
    QCoreApplication::processEvents();
    EXPECT_EQ(pane.chart()->grow(), 0);
    p.clock.advance(std::chrono::milliseconds(1200));
    EXPECT_EQ(pane.chart()->grow(), 1);
    // More words on a chart already shown change the bars without growing them again.
    p.stats.recordAccepted(QStringLiteral("more"), QStringLiteral("app:org.gnome.Zenity"), p.clock.now());
    QCoreApplication::processEvents();
    EXPECT_EQ(pane.chart()->grow(), 1);
}

TEST(InsightsPane, ReduceMotionShowsFinalValuesAndFullBarsAtOnce)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Pane p(true);
    p.stats.recordLatency(250);
    InsightsPane pane(p.stats, p.rules, p.installed, p.motion);
    pane.show();
    EXPECT_EQ(pane.shownValues().last(), QStringLiteral("250 ms"));
    EXPECT_EQ(pane.chart()->grow(), 1);
    EXPECT_TRUE(pane.resetButton()->isEnabled()); // latencies alone

    pane.resetButton()->click();
    auto* ask = pane.findChild<Confirmation*>(QStringLiteral("confirmation"));
    ASSERT_NE(ask, nullptr);
    EXPECT_TRUE(pane.resetButton()->isEnabled()); // nothing happens until the answer
    ask->actionButton()->click();
    EXPECT_FALSE(pane.resetButton()->isEnabled());
    EXPECT_EQ(pane.shownValues().last(), QStringLiteral("Not yet"));
}

// The topmost row holding a full-gold pixel (today's bar).
int barTop(qint64 words)
{
    WordsChart chart;
    chart.resize(300, 200);
    const QDateTime today(QDate(2026, 3, 10), QTime(0, 0));
    DayStats best;
    best.words = words;
    chart.setDays({{today.addDays(-1), DayStats{}}, {today, best}}, today.date());
    chart.setGrow(1);
    const QImage image = chart.grab().toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (QColor(image.pixel(x, y)).rgb() == palette::gold().rgb())
                return y;
    return -1;
}

TEST(InsightsPane, BestDayReachesTheTopOfTheChart)
{
    // A peak of 7 reaches as high as a peak of 8 (no rounding up to a round step).
    EXPECT_GE(barTop(8), 0);
    EXPECT_EQ(barTop(7), barTop(8));
}

TEST(InsightsPane, MetricColumnsFollowTheWidth)
{
    Pane p(true);
    InsightsPane pane(p.stats, p.rules, p.installed, p.motion);
    pane.resize(900, 800);
    pane.show();
    EXPECT_EQ(pane.columns(), 3);
    pane.resize(520, 800);
    QCoreApplication::processEvents();
    EXPECT_EQ(pane.columns(), 2);
}

} // namespace
} // namespace tq
