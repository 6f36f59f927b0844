#pragma once

#include "platform/ScreenCaptureAccess.h"

namespace tq {

class FakeScreenCaptureAccess final : public ScreenCaptureAccess {
public:
    bool preflight() override { return allowed; }
    bool request() override
    {
        ++requests;
        if (grantOnRequest)
            allowed = true;
        return allowed;
    }
    bool allowed = false;
    bool grantOnRequest = false;
    int requests = 0;
};

} // namespace tq
