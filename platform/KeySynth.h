#pragma once
// Synthesised key presses into the focused application. Every key sent is known to the key
// tap as our own, so it passes there untouched.

#include <QString>

#include <cstdint>

namespace tq {

class KeySynth {
public:
    virtual ~KeySynth() = default;

    // False when no key can be sent (no display, no XTest).
    virtual bool available() = 0;
    // Types the characters one key each; characters the layout lacks go through a spare key
    // code mapped for the moment. Keys the user still holds (modifiers included, Caps Lock and
    // Num Lock not) are released first.
    virtual void typeText(const QString& text) = 0;
    // Presses and releases a key (Mac key code) `count` times with exactly these modifiers
    // (command 1, option 2, control 4, shift 8).
    virtual void pressKey(std::uint16_t macKeyCode, std::uint8_t modifiers, int count = 1) = 0;
};

} // namespace tq
