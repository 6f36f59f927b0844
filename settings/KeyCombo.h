#pragma once
// Keys and shortcuts: modifier sets, shortcuts (key code + modifiers) and key presses as the
// key tap delivers them. Key codes are Mac virtual key numbers (ANSI numbering); the X11
// layer maps them to and from X key codes (platform/KeyNames.h).

#include <QByteArray>
#include <QHashFunctions>
#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <initializer_list>
#include <optional>

namespace tq {

class KeyLayout;

// Virtual key codes of the keys the program names or handles.
namespace keycode {
inline constexpr std::uint16_t kA = 0;
inline constexpr std::uint16_t kReturn = 36;
inline constexpr std::uint16_t kTab = 48;
inline constexpr std::uint16_t kSpace = 49;
inline constexpr std::uint16_t kAboveTab = 50; // grave accent on US layouts
inline constexpr std::uint16_t kDelete = 51;   // backspace
inline constexpr std::uint16_t kEscape = 53;
inline constexpr std::uint16_t kCommand = 55;
inline constexpr std::uint16_t kShift = 56;
inline constexpr std::uint16_t kCapsLock = 57;
inline constexpr std::uint16_t kOption = 58;
inline constexpr std::uint16_t kControl = 59;
inline constexpr std::uint16_t kRightCommand = 54;
inline constexpr std::uint16_t kRightShift = 60;
inline constexpr std::uint16_t kRightOption = 61;
inline constexpr std::uint16_t kRightControl = 62;
inline constexpr std::uint16_t kKeypadEnter = 76;
inline constexpr std::uint16_t kF1 = 122;
inline constexpr std::uint16_t kF2 = 120;
inline constexpr std::uint16_t kF3 = 99;
inline constexpr std::uint16_t kF4 = 118;
inline constexpr std::uint16_t kF5 = 96;
inline constexpr std::uint16_t kF6 = 97;
inline constexpr std::uint16_t kF7 = 98;
inline constexpr std::uint16_t kF8 = 100;
inline constexpr std::uint16_t kF9 = 101;
inline constexpr std::uint16_t kF10 = 109;
inline constexpr std::uint16_t kF11 = 103;
inline constexpr std::uint16_t kF12 = 111;
inline constexpr std::uint16_t kHome = 115;
inline constexpr std::uint16_t kPageUp = 116;
inline constexpr std::uint16_t kForwardDelete = 117;
inline constexpr std::uint16_t kEnd = 119;
inline constexpr std::uint16_t kPageDown = 121;
inline constexpr std::uint16_t kLeft = 123;
inline constexpr std::uint16_t kRight = 124;
inline constexpr std::uint16_t kDown = 125;
inline constexpr std::uint16_t kUp = 126;
} // namespace keycode

// Option set of modifiers over an 8-bit raw value. Caps Lock and Num Lock are never members.
struct ModifierSet {
    enum Member : std::uint8_t { command = 1, option = 2, control = 4, shift = 8 };

    std::uint8_t rawValue = 0;

    constexpr ModifierSet() = default;
    constexpr explicit ModifierSet(std::uint8_t raw) : rawValue(raw) {}
    constexpr ModifierSet(Member m) : rawValue(m) {}
    constexpr ModifierSet(std::initializer_list<Member> members)
    {
        for (Member m : members)
            rawValue |= m;
    }

    constexpr bool contains(Member m) const { return (rawValue & m) == m; }
    constexpr bool isEmpty() const { return rawValue == 0; }
    constexpr void insert(Member m) { rawValue |= m; }
    constexpr void remove(Member m) { rawValue &= static_cast<std::uint8_t>(~m); }
    constexpr ModifierSet operator|(ModifierSet o) const { return ModifierSet(std::uint8_t(rawValue | o.rawValue)); }
    friend constexpr bool operator==(ModifierSet, ModifierSet) = default;

    // One symbol per member, always in the order control ⌃, option ⌥, shift ⇧, command ⌘.
    QString symbols() const;
};

inline size_t qHash(ModifierSet m, size_t seed = 0) noexcept { return ::qHash(m.rawValue, seed); }

// One key-down event as the key tap delivers it.
struct KeyPress {
    std::uint16_t keyCode = 0;
    ModifierSet modifiers;
    QString characters; // the text the event produces; may be empty
    bool isRepeat = false;

    friend bool operator==(const KeyPress&, const KeyPress&) = default;
};

// A keyboard shortcut: a key code and the exact modifier set.
struct KeyCombo {
    std::uint16_t keyCode = 0;
    ModifierSet modifiers;

    friend constexpr bool operator==(const KeyCombo&, const KeyCombo&) = default;

    // Same key code and the whole modifier set.
    bool matches(const KeyPress& press) const { return press.keyCode == keyCode && press.modifiers == modifiers; }

    // JSON object {"keyCode": n, "modifiers": n}, members in that order.
    QJsonObject toJson() const;
    QByteArray toJsonData() const;
    // Both members are required and must be whole numbers in range; anything else fails.
    static std::optional<KeyCombo> fromJson(const QJsonObject& object);
    static std::optional<KeyCombo> fromJsonData(const QByteArray& data);

    // The name of a key: the fixed table, else the layout's character upper-cased, else
    // "Key " and the code.
    static QString keyName(std::uint16_t keyCode, const KeyLayout& layout);
    // The fixed key-name table (27 entries), or an empty text when the code is not in it.
    static QString tableName(std::uint16_t keyCode);

    // Parts a keycap view draws, said the Linux way: one cap per modifier in the order of
    // ModifierSet::symbols() ("Ctrl", "Alt", "Shift", "Super"), then the key name.
    QStringList keycaps(const KeyLayout& layout) const;
    // One-line text of the shortcut: the keycaps joined by "+" ("Ctrl+Alt+Space", "Alt+↓").
    QString displayText(const KeyLayout& layout) const;
};

inline size_t qHash(const KeyCombo& c, size_t seed = 0) noexcept
{
    return ::qHash((std::uint32_t(c.keyCode) << 8) | c.modifiers.rawValue, seed);
}

// An unset shortcut never matches.
inline bool matches(const std::optional<KeyCombo>& combo, const KeyPress& press)
{
    return combo && combo->matches(press);
}

} // namespace tq
