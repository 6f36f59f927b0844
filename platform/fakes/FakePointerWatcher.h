#pragma once

#include "platform/PointerWatcher.h"

namespace tq {

// Presses are fed by hand.
class FakePointerWatcher final : public PointerWatcher {
public:
    bool start() override
    {
        running = true;
        return true;
    }
    void press(bool wheel = false) { emit pressed(wheel); }
    bool running = false;
};

} // namespace tq
