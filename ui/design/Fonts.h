#pragma once
// The faces of the design: the system face, a rounded face (Comfortaa or Quicksand when
// installed, else the system face) and a face whose digits all have one width.

#include <QFont>

namespace tq::fonts {

QFont system(double pointSize, QFont::Weight weight = QFont::Normal);
QFont rounded(double pointSize, QFont::Weight weight = QFont::Normal);
// Digits that do not jump as a number changes.
QFont tabularDigits(double pointSize, QFont::Weight weight = QFont::Normal);

// The family `rounded` uses ("" when none is installed).
QString roundedFamily();
bool hasTabularDigits(const QFont& font);

} // namespace tq::fonts
