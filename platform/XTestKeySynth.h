#pragma once
// Key presses through XTest on a private X connection (main thread).

#include "platform/Clock.h"
#include "platform/KeySynth.h"

#include <memory>

namespace tq {

class Clock;
class InjectedKeys;

class XTestKeySynth final : public KeySynth {
public:
    // `clock` times the return of a borrowed key code to its own symbol; each press is noted in
    // `injected` for the key tap.
    XTestKeySynth(Clock& clock, InjectedKeys& injected);
    ~XTestKeySynth() override;

    bool available() override;
    void typeText(const QString& text) override;
    void pressKey(std::uint16_t macKeyCode, std::uint8_t modifiers, int count = 1) override;

    // How long spare key codes keep their borrowed characters after the last typing.
    static constexpr Millis kRemapHold{1000};

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
