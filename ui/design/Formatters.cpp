#include "ui/design/Formatters.h"

#include "platform/Text.h"

#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>

namespace tq {

namespace {
} // namespace

QString formatTypingTime(double minutes)
{
    if (minutes < 1) {
        if (minutes == 0)
            return text("0 min");
        return text("under a minute");
    }
    if (minutes < 90)
        return text("%Ln min", int(std::llround(minutes)));
    const double hours = minutes / 60.0;
    if (hours < 10)
        return text("%1 h").arg(QLocale().toString(hours, 'f', 1));
    return text("%1 h").arg(QLocale().toString(static_cast<qint64>(std::llround(hours))));
}

QString formatWordCount(std::int64_t count)
{
    return text("%Ln words", int(std::clamp<std::int64_t>(count, INT_MIN, INT_MAX)));
}

QString formatLatency(std::optional<std::int64_t> milliseconds)
{
    if (!milliseconds)
        return text("Not yet");
    if (*milliseconds > 999)
        return text("%1 s").arg(QLocale().toString(double(*milliseconds) / 1000.0, 'f', 1));
    return text("%1 ms").arg(QLocale().toString(static_cast<qint64>(*milliseconds)));
}

} // namespace tq
