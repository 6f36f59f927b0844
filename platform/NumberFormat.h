#pragma once
// Numbers in a locale's own patterns where Qt has none (percentages: "42 %" in French,
// "%42" in Turkish, "٤٢٪؜" in Arabic; compact counts).

#include <QDate>
#include <QLocale>
#include <QString>

namespace tq {

// `fraction` 0.42 → the locale's "42%", rounded to `decimals` places.
QString percentText(double fraction, int decimals = 0, const QLocale& locale = QLocale());

// A count in the locale's short compact form: 1234 → "1.2K" in English, "1234" in German,
// "1,2 k" in French, "1200" in Japanese (below 10 000). Below 1000 the plain count.
QString compactCountText(qint64 n, const QLocale& locale = QLocale());

// A date in the locale's own pattern for `skeleton` (ICU fields: "dMMM" gives "12 Mar" in
// English, "12. März" in German, "3月12日" in Japanese).
QString dateText(const QDate& date, const char* skeleton, const QLocale& locale = QLocale());

} // namespace tq
