#pragma once
// Window titles as the prompt and the screen cache see them.

#include <QString>

namespace tq {

// The title without an editor's mark for unsaved changes ("*notes.txt - Mousepad",
// "● notes.md - Code", "notes.txt * — Kate"): the mark appears with the first key typed into a
// saved document and says nothing about what is on screen.
QString withoutModifiedMark(const QString& title);

} // namespace tq
