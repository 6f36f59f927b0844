#pragma once
// The figures of the insights pane, computed from the statistics store: six headline metrics,
// the strip's column count, the applications with the most words, the words chart's bar
// growth, and the reset.

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

namespace tq {

class StatsStore;

namespace insights {

struct Metric {
    QString title;
    QString value; // shown as is
    QString unit;
    bool operator==(const Metric&) const = default;
};

// Today, Last 7 days, All time, Typing saved, Accepted, Typical wait.
QList<Metric> metrics(const StatsStore& stats, const QDateTime& now);
// Three columns at 540 points or wider, else two.
int columnsFor(int width);
// The value while it rolls in: every digit moved from zero toward its own by `progress`
// ("1,234" reads "0,000" at 0); digits keep their script.
QString unrolled(const QString& value, double progress = 0);

struct AppUsage {
    QString key;
    qint64 words = 0;
    double fraction = 0; // of the top entry's words
    bool operator==(const AppUsage&) const = default;
};
// The eight keys with the most words, most first (equal words by key).
QList<AppUsage> topApps(const QMap<QString, qint64>& totals);

// "Reset Statistics…" is offered once there are words or latencies.
bool canReset(const StatsStore& stats);
// Empties the days, the latencies and the per-application totals, then saves later.
void reset(StatsStore& stats);

// Words chart: bar `index` of `count` at grow progress `grow` (0…1), eased, 0…1.
double barHeight(double grow, int index, int count);
// The seconds the chart's growth takes after its short delay.
constexpr double kGrowSeconds = 0.9;
constexpr double kGrowDelaySeconds = 0.03;

} // namespace insights
} // namespace tq
