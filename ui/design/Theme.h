#pragma once
// The ink theme: the palette roles and one style sheet for the stock widgets (fields, pickers,
// lists, menus, scroll bars, message boxes, tool buttons), set once on each window, sheet,
// dialog or free-standing menu, so whatever it holds is dark whatever the desktop's theme.

#include <QPalette>
#include <QString>

class QWidget;

namespace tq {

// Ink surfaces, paper text and the gold highlight in every colour group; disabled text dimmed.
QPalette inkPalette(QPalette base = QPalette());
QString inkStyleSheet();
// The palette with its window colour filled, the body step of the type ladder, and the style sheet. Style sheets reach the
// windows a widget opens (context menus, message boxes, a picker's list); palettes do not.
void applyInkTheme(QWidget* window);
// A widget polished before it joined a themed window takes the window's palette and font
// wherever it set none itself.
void inheritInkTheme(QWidget* widget);
// Variants of the stock widgets the sheet knows: a field that draws its own surface (no fill,
// no edge), a roomy field on a card (rounder, padded), a tool button raised like a push button.
enum class InkVariant { bare, card, raised };
void setInkVariant(QWidget* widget, InkVariant variant);
// A text field that draws its own surface.
void markBareField(QWidget* field);

} // namespace tq
