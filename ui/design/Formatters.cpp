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
        return text("%1 h", "hours with one decimal, such as 1.5").arg(QLocale().toString(hours, 'f', 1));
    return text("%Ln h", int(std::min<long long>(std::llround(hours), INT_MAX)));
}

QString formatWordCount(std::int64_t count)
{
    return text("%Ln words", int(std::clamp<std::int64_t>(count, INT_MIN, INT_MAX)));
}

// Zero has texts of its own: some languages' plural rules give 0 the singular ("0 palavra").
QString formatWordsSavedToday(std::int64_t count)
{
    if (count < 1)
        return text("0 words saved today");
    return text("%Ln words saved today", int(std::min<std::int64_t>(count, INT_MAX)));
}

QString wordsSavedTodayLabel(std::int64_t count)
{
    if (count < 1)
        return text("words saved today", "beside the count 0");
    return text("words saved today", int(std::min<std::int64_t>(count, INT_MAX)));
}

QString formatLatency(std::optional<std::int64_t> milliseconds)
{
    if (!milliseconds)
        return text("Not yet");
    if (*milliseconds > 999)
        return text("%1 s").arg(QLocale().toString(double(*milliseconds) / 1000.0, 'f', 1));
    return text("%Ln ms", int(std::clamp<std::int64_t>(*milliseconds, 0, INT_MAX)));
}

QString spokenParts(const QStringList& parts)
{
    QString out;
    for (const QString& part : parts) {
        if (part.isEmpty())
            continue;
        if (out.isEmpty()) {
            out = part;
            continue;
        }
        // A part that already ends a sentence needs no stop of its own.
        const QChar last = out.back();
        const bool ended = last.category() == QChar::Punctuation_Other && last != u',' && last != u'、' && last != u'،';
        out = ended ? text("%1 %2", "screen-reader name: a sentence, then the next part").arg(out, part)
                    : text("%1. %2", "screen-reader name: a title, then the next part").arg(out, part);
    }
    return out;
}

QString spokenList(const QStringList& items)
{
    QString out;
    for (const QString& item : items) {
        if (item.isEmpty())
            continue;
        out = out.isEmpty() ? item : text("%1, %2", "screen-reader name: one item of a list, then the next").arg(out, item);
    }
    return out;
}

} // namespace tq
