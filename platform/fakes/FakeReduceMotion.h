#pragma once

#include "platform/ReduceMotion.h"

namespace tq {

class FakeReduceMotion final : public ReduceMotion {
public:
    explicit FakeReduceMotion(bool on = false) : on_(on) {}
    bool isOn() const override { return on_; }
    void set(bool on)
    {
        if (on == on_)
            return;
        on_ = on;
        emit changed(on_);
    }

private:
    bool on_;
};

} // namespace tq
