#pragma once
// Which power source feeds the computer: battery or mains.

#include <QString>

namespace tq {

class PowerSource {
public:
    virtual ~PowerSource() = default;
    // True while the computer draws its power from its own battery.
    virtual bool onBattery() = 0;

};

// Reads the kernel's power-supply class. A mains adapter that is online means mains; else a
// system battery that is discharging means battery; no supply at all (a desktop) means mains.
// Batteries of peripherals (scope "Device": mice, keyboards, headsets) are never the
// computer's power source.
class SysfsPowerSource final : public PowerSource {
public:
    explicit SysfsPowerSource(QString root = QStringLiteral("/sys/class/power_supply"));
    bool onBattery() override;

private:
    QString root_;
};

} // namespace tq
