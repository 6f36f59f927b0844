#pragma once
// A passive key grab held by another X client for as long as it lives.

namespace tq::desktoptest {

class OtherGrab {
public:
    // `x11Modifiers`: an X modifier mask (ControlMask | Mod1Mask for Ctrl+Alt).
    explicit OtherGrab(unsigned x11KeyCode, unsigned x11Modifiers = 0);
    ~OtherGrab();
    OtherGrab(const OtherGrab&) = delete;
    OtherGrab& operator=(const OtherGrab&) = delete;
    bool held() const { return held_; }

private:
    void* display_ = nullptr;
    bool held_ = false;
};

} // namespace tq::desktoptest
