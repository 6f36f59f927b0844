#pragma once

#include "platform/MemoryPressure.h"

namespace tq {

class FakeMemoryPressure final : public MemoryPressure {
public:
    void start() override { ++starts; }
    void fire(Level level = Level::warning) { emit pressure(level); }
    int starts = 0;
};

} // namespace tq
