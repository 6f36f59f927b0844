#pragma once

#include "platform/ColourScheme.h"

namespace tq {

class FakeColourScheme final : public ColourScheme {
public:
    explicit FakeColourScheme(bool dark = false) : dark_(dark) {}
    bool isDark() const override { return dark_; }
    void set(bool dark)
    {
        if (dark == dark_)
            return;
        dark_ = dark;
        emit changed(dark_);
    }

private:
    bool dark_;
};

} // namespace tq
