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
    void stop() override { running = false; }
    // Only while it runs, as the system's.
    void press(bool wheel = false)
    {
        if (running)
            emit pressed(wheel);
    }
    bool running = false;
};

} // namespace tq
