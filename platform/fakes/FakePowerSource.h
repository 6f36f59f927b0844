#pragma once

#include "platform/PowerSource.h"

namespace tq {

class FakePowerSource final : public PowerSource {
public:
    bool onBattery() override
    {
        ++reads;
        return battery;
    }
    bool battery = false;
    int reads = 0;
};

} // namespace tq
