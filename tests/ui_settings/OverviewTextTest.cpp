// What the overview's hero card says, decided without widgets.

#include "ui/settings/OverviewText.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <functional>

namespace tq {

TEST(OverviewTextTest, StateLineTakesTheFirstThatHolds)
{
    const QDateTime now(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC);
    struct Case {
        const char* what;
        std::function<void(StateInputs&)> change;
        StateKind kind;
    };
    const Case cases[] = {
        {"all well", [](StateInputs&) {}, StateKind::on},
        {"no access and a rival", [](StateInputs& in) { in.accessibility = false; in.firstRival = QStringLiteral("Typeahead"); }, StateKind::needsAccess},
        {"a rival and a failure", [](StateInputs& in) { in.firstRival = QStringLiteral("Typeahead"); in.engineFailure = QStringLiteral("x"); }, StateKind::rivalRunning},
        {"failure and off", [](StateInputs& in) { in.engineFailure = QStringLiteral("The model took too long to answer"); in.isEnabled = false; }, StateKind::engineFailed},
        {"off and paused", [&](StateInputs& in) { in.isEnabled = false; in.globalPauseUntil = now.addSecs(60); }, StateKind::turnedOff},
        {"paused", [&](StateInputs& in) { in.globalPauseUntil = now.addSecs(60); }, StateKind::pausedEverywhere},
        {"pause over", [&](StateInputs& in) { in.globalPauseUntil = now.addSecs(-1); }, StateKind::on},
    };
    for (const Case& c : cases) {
        StateInputs in;
        in.accessibility = true;
        in.now = now;
        c.change(in);
        EXPECT_EQ(stateLine(in).kind, c.kind) << c.what;
    }
    StateInputs in;
    in.accessibility = true;
    in.now = now;
    in.engineFailure = QStringLiteral("The model took too long to answer");
    EXPECT_EQ(stateLine(in).text, QStringLiteral("The model took too long to answer"));
    EXPECT_TRUE(stateLine(in).speed.isEmpty()); // no latency yet
    in.medianLatencyMs = 420;
    EXPECT_EQ(stateLine(in).speed, QStringLiteral("Tessaquill model, 420 ms typical wait"));
    in.accessibility = false;
    EXPECT_TRUE(stateLine(in).speed.isEmpty());
}

TEST(OverviewTextTest, CaptionCountsAndStreak)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    struct Case {
        qint64 today;
        qint64 week;
        const char* caption;
    };
    const Case cases[] = {
        {0, 0, "Start typing anywhere. Tessaquill keeps count here."},
        {0, 12, "12 words this week."},
        {39, 39, "Under a minute of typing saved today. 39 words this week."},
        {40, 41, "About 1 min of typing saved today. 41 words this week."},
        {1, 1, "Under a minute of typing saved today. 1 word this week."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(heroCaption(c.today, c.week), QString::fromUtf8(c.caption)) << c.today << " " << c.week;
    EXPECT_EQ(wordsSavedLabel(1), QStringLiteral("word saved today"));
    EXPECT_EQ(wordsSavedLabel(0), QStringLiteral("words saved today"));
    EXPECT_EQ(wordsSavedLabel(2), QStringLiteral("words saved today"));
    EXPECT_EQ(streakText(0), QStringLiteral("Start your streak today."));
    EXPECT_EQ(streakText(1), QStringLiteral("1 day streak"));
    EXPECT_EQ(streakText(12), QStringLiteral("12 day streak"));
}

} // namespace tq
