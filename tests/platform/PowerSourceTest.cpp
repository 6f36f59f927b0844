#include "platform/PowerSource.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tq {
namespace {

// A fake /sys/class/power_supply tree.
class SysfsTree {
public:
    void add(const QString& name, std::initializer_list<std::pair<const char*, const char*>> attributes)
    {
        QDir(dir.path()).mkpath(name);
        for (const auto& [key, value] : attributes) {
            QFile f(dir.filePath(name + QLatin1Char('/') + QLatin1String(key)));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(value) + '\n');
        }
    }
    bool onBattery() { return SysfsPowerSource(dir.path()).onBattery(); }
    QTemporaryDir dir;
};

TEST(SysfsPowerSource, NoSupplyAtAllIsMains)
{
    SysfsTree tree;
    EXPECT_FALSE(tree.onBattery());
    EXPECT_FALSE(SysfsPowerSource(tree.dir.filePath("missing")).onBattery());
}

TEST(SysfsPowerSource, DischargingSystemBatteryIsBattery)
{
    SysfsTree tree;
    tree.add("AC", {{"type", "Mains"}, {"online", "0"}});
    tree.add("BAT0", {{"type", "Battery"}, {"status", "Discharging"}, {"scope", "System"}});
    EXPECT_TRUE(tree.onBattery());
}

TEST(SysfsPowerSource, OnlineAdapterWinsOverABatteryStillReportingDischarge)
{
    SysfsTree tree;
    tree.add("BAT0", {{"type", "Battery"}, {"status", "Discharging"}});
    tree.add("ucsi-source-psy-USBC000:001", {{"type", "USB"}, {"online", "1"}});
    EXPECT_FALSE(tree.onBattery());
}

TEST(SysfsPowerSource, ChargingFullOrIdleBatteriesAreMains)
{
    for (const char* status : {"Charging", "Full", "Not charging", "Unknown"}) {
        SysfsTree tree;
        tree.add("BAT1", {{"type", "Battery"}, {"status", status}});
        EXPECT_FALSE(tree.onBattery()) << status;
    }
}

TEST(SysfsPowerSource, PeripheralBatteriesAreIgnored)
{
    SysfsTree tree;
    tree.add("hidpp_battery_0", {{"type", "Battery"}, {"status", "Discharging"}, {"scope", "Device"}});
    EXPECT_FALSE(tree.onBattery());
}

} // namespace
} // namespace tq
