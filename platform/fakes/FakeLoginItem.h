#pragma once

#include "platform/LoginItem.h"

namespace tq {

class FakeLoginItem final : public LoginItem {
public:
    bool isEnabled() const override { return enabled; }
    bool setEnabled(bool on, QString* error) override
    {
        ++changes;
        if (!failure.isEmpty()) {
            if (error)
                *error = failure;
            return false;
        }
        enabled = on;
        return true;
    }
    bool enabled = false;
    QString failure; // set to make every change fail with this text
    int changes = 0;
};

} // namespace tq
