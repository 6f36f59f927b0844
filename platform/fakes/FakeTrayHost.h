#pragma once

#include "platform/TrayHost.h"

namespace tq {

class FakeTrayHost final : public TrayHost {
public:
    explicit FakeTrayHost(bool running = true) : running_(running) {}
    bool running() const override { return running_; }
    void setRunning(bool running)
    {
        if (running_ == running)
            return;
        running_ = running;
        emit runningChanged(running);
    }

private:
    bool running_;
};

} // namespace tq
