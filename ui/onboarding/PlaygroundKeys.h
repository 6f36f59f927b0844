#pragma once
// Key events of our own windows as the engine reads them: the key press the system-wide tap
// would have built. The key code comes from the X11 key code when the event carries one, else
// from the Qt key on a US layout (events made by tests and off-screen windows carry none).

#include "settings/KeyCombo.h"

#include <QString>
#include <Qt>

#include <cstdint>
#include <optional>

namespace tq {

// Mac virtual key code of a Qt key on a US layout (shifted symbols give their key's code);
// none for keys without one.
std::optional<std::uint16_t> macKeyCodeForQtKey(int qtKey);

// Ctrl → control, Alt → option, Shift → shift, Meta (Super) → command; the keypad and group
// switch flags are not modifiers.
ModifierSet modifierSetFromQt(Qt::KeyboardModifiers modifiers);

// The key press for one key event; none for a key with no Mac code (a bare modifier key, a
// media key).
std::optional<KeyPress> keyPressFromQt(int qtKey, Qt::KeyboardModifiers modifiers, std::uint32_t nativeScanCode,
                                       const QString& text, bool autoRepeat);

} // namespace tq
