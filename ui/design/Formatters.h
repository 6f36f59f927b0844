#pragma once
// Short localised texts of counts and times, the same wherever the quantity is shown.
// Numbers follow the default QLocale.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

namespace tq {

// "0 min", "under a minute", "12 min", "1.5 h", "1,250 h".
QString formatTypingTime(double minutes);
// "1 word", "12,345 words".
QString formatWordCount(std::int64_t count);
// "0 words saved today", "1 word saved today", "1,234 words saved today".
QString formatWordsSavedToday(std::int64_t count);
// The same beside a count drawn apart: "words saved today", "word saved today".
QString wordsSavedTodayLabel(std::int64_t count);
// "Not yet", "999 ms", "1.0 s".
QString formatLatency(std::optional<std::int64_t> milliseconds);

// The parts of one screen-reader name read one after another, joined by the language's
// pattern ("On. 12 words saved today"); empty parts are left out.
QString spokenParts(const QStringList& parts);
// Items of a list in one screen-reader name ("Mon, 12 words, Tue, 3 words").
QString spokenList(const QStringList& items);

} // namespace tq
