#pragma once

#include "platform/AccessibilityAccess.h"

namespace tq {

// Access is whatever `trusted` says; a request grants it only when `grantOnRequest` is set.
class FakeAccessibilityAccess final : public AccessibilityAccess {
public:
    bool isTrusted() override
    {
        ++reads;
        return trusted;
    }
    bool requestAccess() override
    {
        ++requests;
        if (grantOnRequest)
            trusted = true;
        return trusted;
    }
    // Changes the state and posts the change hint, as the desktop does.
    void setTrusted(bool on, bool notify = true)
    {
        trusted = on;
        if (notify)
            emit changed();
    }

    bool trusted = false;
    bool grantOnRequest = false;
    int reads = 0;
    int requests = 0;
};

} // namespace tq
