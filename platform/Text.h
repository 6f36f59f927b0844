#pragma once
// User-visible texts: translated, with the program's name put in at run time and the
// Mac-only words of the original wording said the Linux way.

#include <QString>

namespace tq {

// "Tessaquill"
QString appName();

// Translates `source` (context "Tessaquill"), replaces "%app" with the program's name and
// applies the wording table below. Use for every text the user sees.
QString text(const char* source);

// The one table of Mac-only wording and its Linux form ("Mac" → "computer", ⌘ → "Super", …),
// applied to a text already translated.
QString linuxWording(const QString& text);

// Keycap texts of modifier symbols: ⌃ → "Ctrl", ⌥ → "Alt", ⇧ → "Shift", ⌘ → "Super".
QString modifierKeycap(QChar symbol);

} // namespace tq
