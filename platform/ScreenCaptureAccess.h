#pragma once
// Whether this program may take pictures of other applications' windows.
//
// An X11 session has no screen-recording permission: any client of the display can read
// its windows. Capture is therefore allowed exactly when an X11 display is reachable, and
// asking for it shows nothing.

namespace tq {

class ScreenCaptureAccess {
public:
    virtual ~ScreenCaptureAccess() = default;
    // Whether capture is allowed now; never prompts.
    virtual bool preflight() = 0;
    // Asks for capture; answers whether it is allowed afterwards.
    virtual bool request() = 0;

};

class X11ScreenCaptureAccess final : public ScreenCaptureAccess {
public:
    bool preflight() override;
    bool request() override { return preflight(); }

private:
    bool reachable_ = false;
};

} // namespace tq
