#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <vector>

using namespace std::chrono_literals;

namespace tq {

TEST(VirtualClock, FiresTimersInDueOrderAtTheirDueTime)
{
    VirtualClock clock;
    std::vector<std::pair<int, Nanos>> fired;
    clock.start(300ms, [&] { fired.push_back({3, clock.monotonic()}); });
    clock.start(100ms, [&] { fired.push_back({1, clock.monotonic()}); });
    clock.start(100ms, [&] { fired.push_back({2, clock.monotonic()}); });
    clock.advance(250ms);
    ASSERT_EQ(fired.size(), 2u);
    EXPECT_EQ(fired[0].first, 1);
    EXPECT_EQ(fired[1].first, 2);
    EXPECT_EQ(fired[0].second, 100ms);
    clock.advance(50ms);
    ASSERT_EQ(fired.size(), 3u);
    EXPECT_EQ(fired[2].second, 300ms);
    EXPECT_EQ(clock.pendingCount(), 0u);
}

TEST(VirtualClock, RepeatingTimersAndCancel)
{
    VirtualClock clock;
    int ticks = 0;
    const TimerId id = clock.start(1s, [&] { ++ticks; }, true);
    clock.advance(3500ms);
    EXPECT_EQ(ticks, 3);
    clock.cancel(id);
    clock.advance(10s);
    EXPECT_EQ(ticks, 3);
}

TEST(VirtualClock, WallTimeFollowsMonotonicTime)
{
    VirtualClock clock;
    const QDateTime start = clock.now();
    clock.advance(90s);
    EXPECT_EQ(start.secsTo(clock.now()), 90);
}

TEST(Timer, RestartReplacesThePendingRunLikeADebounce)
{
    VirtualClock clock;
    Timer debounce(clock);
    int saves = 0;
    for (int i = 0; i < 10; ++i) {
        debounce.start(400ms, [&] { ++saves; });
        clock.advance(100ms);
    }
    EXPECT_EQ(saves, 0);
    clock.advance(400ms);
    EXPECT_EQ(saves, 1);
    EXPECT_FALSE(debounce.isActive());
}

TEST(Timer, WorkMayRestartItsOwnTimerAndDestructionCancels)
{
    VirtualClock clock;
    int runs = 0;
    {
        Timer t(clock);
        std::function<void()> again = [&] {
            if (++runs < 3)
                t.start(1s, again);
        };
        t.start(1s, again);
        clock.advance(5s);
        EXPECT_EQ(runs, 3);
        t.start(1s, [&] { ++runs; });
    }
    clock.advance(5s);
    EXPECT_EQ(runs, 3);
}

TEST(Dates, SecondsSince2001RoundTrip)
{
    const QDateTime t(QDate(2001, 1, 2), QTime(0, 0, 1), Qt::UTC);
    EXPECT_DOUBLE_EQ(secondsSince2001(t), 86401.0);
    EXPECT_EQ(dateFromSecondsSince2001(86401.0), t);
    EXPECT_EQ(dateFromSecondsSince2001(63113904000.0).date().year(), 4001);
}

} // namespace tq
