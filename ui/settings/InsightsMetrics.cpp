#include "ui/settings/InsightsMetrics.h"

#include "platform/NumberFormat.h"
#include "platform/Text.h"
#include "stores/StatsStore.h"
#include "ui/design/Formatters.h"

#include <QLocale>

#include <algorithm>
#include <climits>
#include <cmath>

namespace tq::insights {

namespace {

QString count(qint64 n)
{
    return QLocale().toString(n);
}

QString wordsUnit(qint64 n)
{
    return text("words", "unit after a count", int(std::min<qint64>(n, INT_MAX)));
}

} // namespace

QList<Metric> metrics(const StatsStore& stats, const QDateTime& now)
{
    const qint64 today = stats.day(now).words;
    qint64 week = 0;
    for (const auto& entry : stats.history(7, now))
        week += entry.second.words;
    const qint64 all = stats.totalWords();

    QString accepted = text("Not yet");
    if (stats.totalShown() >= 1) {
        const double rate = std::min(1.0, double(stats.totalAccepts()) / double(stats.totalShown()));
        accepted = percentText(rate);
    }
    const auto p90 = stats.latencyPercentile(0.9);
    return {
        {text("Today"), count(today), wordsUnit(today)},
        {text("Last 7 days"), count(week), wordsUnit(week)},
        {text("All time"), count(all), wordsUnit(all)},
        {text("Typing saved"), formatTypingTime(double(all) / 40.0), text("at 40 words a minute")},
        {text("Accepted"), accepted, text("of suggestions shown")},
        {text("Typical wait"), formatLatency(stats.latencyPercentile(0.5)),
         p90 ? text("9 in 10 under %1").arg(formatLatency(p90)) : text("no requests yet")},
    };
}

int columnsFor(int width)
{
    return width >= 540 ? 3 : 2;
}

QString unrolled(const QString& value, double progress)
{
    const double p = std::clamp(progress, 0.0, 1.0);
    QString out = value;
    for (QChar& c : out) {
        if (!c.isDigit())
            continue;
        const int d = c.digitValue();
        c = QChar(char16_t(c.unicode() - d + int(std::lround(d * p)))); // same script's digit
    }
    return out;
}

QList<AppUsage> topApps(const QMap<QString, qint64>& totals)
{
    QList<AppUsage> all;
    for (auto it = totals.cbegin(); it != totals.cend(); ++it)
        all.push_back({it.key(), it.value(), 0});
    std::stable_sort(all.begin(), all.end(), [](const AppUsage& a, const AppUsage& b) { return a.words > b.words; });
    all = all.mid(0, 8);
    const double top = all.isEmpty() ? 1 : std::max<double>(double(all.front().words), 1);
    for (AppUsage& a : all)
        a.fraction = double(a.words) / top;
    return all;
}

bool canReset(const StatsStore& stats)
{
    return stats.totalWords() != 0 || !stats.latencies().isEmpty();
}

void reset(StatsStore& stats)
{
    stats.setDays({});
    stats.setLatencies({});
    stats.setAppTotals({});
    stats.scheduleSave();
}

double barHeight(double grow, int index, int count)
{
    const double p = std::clamp(1.6 * grow - 0.6 * index / double(std::max(count, 1)), 0.0, 1.0);
    return 1 - std::pow(1 - p, 3);
}

} // namespace tq::insights
