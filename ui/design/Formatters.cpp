#include "ui/design/Formatters.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>

namespace tq {

namespace {
QString tr(const char* text)
{
    return QCoreApplication::translate("tq", text); // the context lupdate gives tr() here
}
} // namespace

QString formatTypingTime(double minutes)
{
    if (minutes < 1) {
        if (minutes == 0)
            return tr("0 min");
        return tr("under a minute");
    }
    if (minutes < 90)
        return tr("%1 min").arg(static_cast<qint64>(std::llround(minutes)));
    const double hours = minutes / 60.0;
    if (hours < 10)
        return tr("%1 h").arg(QLocale().toString(hours, 'f', 1));
    return tr("%1 h").arg(QLocale().toString(static_cast<qint64>(std::llround(hours))));
}

QString formatWordCount(std::int64_t count)
{
    if (count == 1)
        return tr("1 word");
    return tr("%1 words").arg(QLocale().toString(static_cast<qint64>(count)));
}

QString formatLatency(std::optional<std::int64_t> milliseconds)
{
    if (!milliseconds)
        return tr("Not yet");
    if (*milliseconds > 999)
        return tr("%1 s").arg(QLocale().toString(double(*milliseconds) / 1000.0, 'f', 1));
    return tr("%1 ms").arg(static_cast<qint64>(*milliseconds));
}

} // namespace tq
