#pragma once
// Short localised texts of counts and times, the same wherever the quantity is shown.
// Numbers follow the default QLocale.

#include <QString>

#include <cstdint>
#include <optional>

namespace tq {

// "0 min", "under a minute", "12 min", "1.5 h", "1,250 h".
QString formatTypingTime(double minutes);
// "1 word", "12,345 words".
QString formatWordCount(std::int64_t count);
// "Not yet", "999 ms", "1.0 s".
QString formatLatency(std::optional<std::int64_t> milliseconds);

} // namespace tq
