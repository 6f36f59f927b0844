#pragma once
// The installed font that stands for the font another application names for its field.

#include <QFont>
#include <QString>

namespace tq {

// `family` as an accessibility layer reports it: one family, a CSS list ("'Fira Code',
// monospace") or a generic name (monospace, sans-serif, serif, Sans, Monospace). The first
// installed or generic entry wins, else the system font. `pixelSize` is in screen pixels.
QFont fieldFont(const QString& family, double pixelSize);

} // namespace tq
