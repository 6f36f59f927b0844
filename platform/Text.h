#pragma once
// User-visible texts: translated, with the program's name put in at run time. The source texts
// themselves say things the Linux way ("computer", "the desktop's settings", Ctrl, Alt, Super).

#include <QString>

namespace tq {

// "Tessaquill"
QString appName();

// Translates `source` (context "Tessaquill") and replaces "%app" with the program's name. Use
// for every text the user sees. `disambiguation` tells apart one English word of two meanings
// (text("Light", "skin tone")); both arguments are literals, read by tools/translations.sh.
QString text(const char* source, const char* disambiguation = nullptr);
// A text with a count: "%n" is replaced by `count` in the locale's digits, and the language's
// plural form for `count` is chosen; "%Ln" gives the count in the locale's digits.
QString text(const char* source, int count);
QString text(const char* source, const char* disambiguation, int count);

// Keycap texts of modifier symbols: ⌃ → "Ctrl", ⌥ → "Alt", ⇧ → "Shift", ⌘ → "Super", as the
// interface language's keyboards print them ("Strg" in German). The one source of modifier names.
QString modifierKeycap(QChar symbol);

} // namespace tq
