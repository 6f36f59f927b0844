#pragma once
// Local usage statistics: per day the words and characters accepted suggestions saved, the
// acceptances and suggestions shown, words per application; the latest suggestion latencies;
// word totals per application. Kept in "stats.json".

#include "platform/Clock.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPair>
#include <QString>

#include <optional>

namespace tq {

struct DayStats {
    qint64 words = 0;
    qint64 characters = 0;
    qint64 accepts = 0;
    qint64 shown = 0;
    QMap<QString, qint64> apps; // words per application key ("app:" + identifier)

    bool operator==(const DayStats&) const = default;
};

// The largest count kept: every whole number up to it survives a JSON reader that uses doubles.
inline constexpr qint64 kMaxCount = (qint64(1) << 53) - 1;
// `a` + `b` held within 0…kMaxCount: counts saturate instead of wrapping.
qint64 addCounts(qint64 a, qint64 b);

// "yyyy-MM-dd" of the moment's date in the local time zone current at the call.
QString dayKey(const QDateTime& at);
// Pieces between whitespace that hold at least one letter or number.
qint64 wordCount(QStringView text);

class StatsStore : public QObject {
    Q_OBJECT
public:
    static constexpr int kMaxLatencies = 400;
    static constexpr Millis kSaveDelay{2000};

    // The file image: "days" and "latencies".
    struct Snapshot {
        QMap<QString, DayStats> days;
        QList<qint64> latencies;
        bool operator==(const Snapshot&) const = default;
    };
    static QByteArray encode(const Snapshot& snapshot);
    // None when the JSON is malformed, a member is missing or of the wrong type. Counts and
    // latencies outside 0…kMaxCount are clamped into it.
    static std::optional<Snapshot> decode(const QByteArray& json, QString* error = nullptr);

    // An empty file path keeps the store in memory only.
    StatsStore(QString filePath, Clock& clock, QObject* parent = nullptr);
    ~StatsStore() override;

    // Reads the file. A missing file leaves the store empty; a file that cannot be read or
    // decoded is moved aside (kept for the user) and the store stays empty.
    void load();
    void apply(const Snapshot& snapshot);
    Snapshot snapshot() const { return {days_, latencies_}; }

    const QMap<QString, DayStats>& days() const { return days_; }
    const QList<qint64>& latencies() const { return latencies_; }
    const QMap<QString, qint64>& appTotals() const { return appTotals_; }
    void setDays(const QMap<QString, DayStats>& days);
    void setLatencies(const QList<qint64>& latencies);
    void setAppTotals(const QMap<QString, qint64>& totals);

    void recordShown(const QDateTime& at);
    // A negative latency is refused.
    void recordLatency(qint64 milliseconds);
    void recordAccepted(const QString& text, const QString& appKey, const QDateTime& at);

    DayStats day(const QDateTime& at) const;
    // `count` days ending with the day of `endingAt`, oldest first; each date is the start of
    // its day in local time.
    QList<QPair<QDateTime, DayStats>> history(int count, const QDateTime& endingAt) const;
    qint64 totalWords() const { return sum(&DayStats::words); }
    qint64 totalAccepts() const { return sum(&DayStats::accepts); }
    qint64 totalShown() const { return sum(&DayStats::shown); }
    // Consecutive days with words up to today (or up to yesterday while today has none).
    int streak() const;
    // Today has more words than every earlier day, and some earlier day had words.
    bool isBestDayYet() const;
    std::optional<qint64> latencyPercentile(double fraction) const;

    void scheduleSave();
    bool hasPendingSave() const { return saveTimer_.isActive(); }
    // Writes the file now; false when it could not be written (the old file stays).
    bool save();
    // Quit: drops the pending save and writes at once.
    bool flush();

    const QString& filePath() const { return filePath_; }
    // Where the last undecodable file was moved, or empty.
    const QString& movedAsidePath() const { return movedAside_; }
    // The last save failed: what the windows count is not on disk.
    bool isUnsaved() const { return unsaved_; }

signals:
    void daysChanged();
    void storeStateChanged();
    void latenciesChanged();
    void appTotalsChanged();

private:
    QDate today() const;
    qint64 sum(qint64 DayStats::*count) const;
    qint64 wordsOn(const QDate& date) const;

    QString filePath_;
    Clock& clock_;
    Timer saveTimer_;
    QMap<QString, DayStats> days_;
    QList<qint64> latencies_;
    QMap<QString, qint64> appTotals_;
    QString movedAside_;
    bool unsaved_ = false;
};

} // namespace tq
