#pragma once
// The type ladder of every window. Sizes are pixels at a device pixel ratio of 1 (Qt's logical
// pixels), so text scales with the screen and never with the desktop's point-to-pixel factor.
// Faces: the system face, a rounded face (Comfortaa or Quicksand when installed, else the
// system face), a face whose digits all have one width, and a monospaced face.

#include <QFont>
#include <QList>

namespace tq::fonts {

// The named steps of the ladder.
enum class Role {
    largeTitle,  // 26
    title,       // 22
    title2,      // 17
    title3,      // 15
    headline,    // 13, semibold
    body,        // 13
    callout,     // 12
    subheadline, // 11
    footnote,    // 10
    caption,     // 10
    caption2,    // 10
};

enum class Face { system, rounded, tabularDigits, monospaced };

int pixelSize(Role role);
// The role's own weight (semibold for the headline, else regular).
QFont font(Role role, Face face = Face::system);
QFont font(Role role, QFont::Weight weight, Face face = Face::system);

// The exact sizes single views use besides the named steps (a step's number works as well).
// `pixels` is taken to the nearest whole pixel.
QFont system(double pixels, QFont::Weight weight = QFont::Normal);
QFont rounded(double pixels, QFont::Weight weight = QFont::Normal);
// Digits that do not jump as a number changes.
QFont tabularDigits(double pixels, QFont::Weight weight = QFont::Normal);
QFont monospaced(double pixels, QFont::Weight weight = QFont::Normal);

// Every pixel size a view may show, ascending.
const QList<int>& ladder();
// Whether `font` is set in pixels to a size on the ladder.
bool onLadder(const QFont& font);

// The family `rounded` uses ("" when none is installed).
QString roundedFamily();
bool hasTabularDigits(const QFont& font);

} // namespace tq::fonts
