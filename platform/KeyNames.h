#pragma once
// Key codes and the keyboard layout. The program speaks Mac virtual key codes (ANSI
// numbering); X11 key codes are evdev codes + 8. The table here maps between the two, and a
// KeyLayout tells which character a key produces on the current layout (xkbcommon).

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

namespace tq {

// Mac virtual key code of an X11 key code, and back; none for keys without a counterpart.
std::optional<std::uint16_t> macKeyCodeFromX11(std::uint32_t x11KeyCode);
std::optional<std::uint32_t> x11KeyCodeFromMac(std::uint16_t macKeyCode);

class Clock;

class KeyLayout {
public:
    virtual ~KeyLayout() = default;

    // The text the key produces without modifiers on this layout; none when the layout has no
    // such key, for a dead key, or for a control character.
    virtual std::optional<QString> character(std::uint16_t macKeyCode) const = 0;
};

// A layout from xkbcommon: the X server's core keyboard with its active group, refreshed when
// older than a second, or a fixed keymap compiled from layout names.
class XkbKeyLayout final : public KeyLayout {
public:
    // Follows the session's keyboard (the X server's, else the XKB defaults of the environment).
    explicit XkbKeyLayout(Clock& clock);
    // A fixed keymap, e.g. fromNames("us") or fromNames("fr"); null when it does not compile.
    static std::unique_ptr<XkbKeyLayout> fromNames(const QString& layout, const QString& variant = {});
    ~XkbKeyLayout() override;

    std::optional<QString> character(std::uint16_t macKeyCode) const override;

private:
    struct Impl;
    explicit XkbKeyLayout(std::unique_ptr<Impl> d);
    std::unique_ptr<Impl> d;
};

} // namespace tq
