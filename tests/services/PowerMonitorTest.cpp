#include "services/PowerMonitor.h"

#include "platform/fakes/FakePowerSource.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace tq {
namespace {

TEST(PowerMonitor, ReadsAtStartThenEveryThirtySeconds)
{
    VirtualClock clock;
    FakePowerSource source;
    PowerMonitor monitor(source, clock);
    EXPECT_FALSE(monitor.onBattery());
    EXPECT_EQ(source.reads, 0);

    monitor.start();
    EXPECT_EQ(source.reads, 1);
    QSignalSpy spy(&monitor, &PowerMonitor::onBatteryChanged);
    clock.advance(10s);
    source.battery = true; // unplugged
    clock.advance(19s);
    EXPECT_FALSE(monitor.onBattery());
    clock.advance(1s);
    EXPECT_TRUE(monitor.onBattery());
    EXPECT_EQ(source.reads, 2);
    clock.advance(60s);
    EXPECT_EQ(source.reads, 4);
    EXPECT_EQ(spy.count(), 1); // unchanged reads notify nothing
}

} // namespace
} // namespace tq
