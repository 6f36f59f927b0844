#pragma once
// Numbers in a locale's own patterns where Qt has none (percentages: "42 %" in French,
// "%42" in Turkish, "٤٢٪؜" in Arabic).

#include <QLocale>
#include <QString>

namespace tq {

// `fraction` 0.42 → the locale's "42%", rounded to `decimals` places.
QString percentText(double fraction, int decimals = 0, const QLocale& locale = QLocale());

} // namespace tq
