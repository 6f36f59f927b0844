#pragma once
// The palette and motion values (look/Palette.h) and the style sheet rules of the ink theme
// for widgets that set their own sheet.

#include "look/Palette.h"

#include <QString>

namespace tq::palette {

// The menus a widget opens as windows of their own (a text field's context menu): ink, paper
// text.
QString menuStyleSheet();
// Thin, quiet scroll bars on ink.
QString scrollBarStyleSheet();

} // namespace tq::palette
