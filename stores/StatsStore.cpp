#include "stores/StatsStore.h"

#include "platform/AppFolder.h"
#include "platform/Chars.h"
#include "platform/Log.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

QString keyOfDate(const QDate& date)
{
    if (!date.isValid())
        return QStringLiteral("0000-00-00");
    return QString::asprintf("%04d-%02d-%02d", date.year(), date.month(), date.day());
}

qint64 clampCount(qint64 n) { return std::clamp<qint64>(n, 0, kMaxCount); }

// A JSON number that is a whole number, clamped into 0…kMaxCount.
std::optional<qint64> integerOf(const QJsonValue& v)
{
    if (!v.isDouble())
        return std::nullopt;
    const qint64 a = v.toInteger(0);
    if (a == v.toInteger(1))
        return clampCount(a);
    // Whole numbers beyond the 64-bit range.
    const double d = v.toDouble();
    if (std::isfinite(d) && d == std::trunc(d))
        return d < 0 ? 0 : kMaxCount;
    return std::nullopt;
}

std::optional<DayStats> decodeDay(const QJsonValue& value, QString* error)
{
    if (!value.isObject()) {
        *error = QStringLiteral("a day is not an object");
        return std::nullopt;
    }
    const QJsonObject o = value.toObject();
    DayStats day;
    const std::pair<const char*, qint64*> counts[] = {
        {"words", &day.words}, {"characters", &day.characters}, {"accepts", &day.accepts}, {"shown", &day.shown}};
    for (const auto& [name, field] : counts) {
        auto n = integerOf(o.value(QLatin1String(name)));
        if (!n) {
            *error = QStringLiteral("a day's \"%1\" is missing or not an integer").arg(QLatin1String(name));
            return std::nullopt;
        }
        *field = *n;
    }
    const QJsonValue apps = o.value(QLatin1String("apps"));
    if (!apps.isObject()) {
        *error = QStringLiteral("a day's \"apps\" is missing or not an object");
        return std::nullopt;
    }
    const QJsonObject appsObject = apps.toObject();
    for (auto it = appsObject.begin(); it != appsObject.end(); ++it) {
        auto n = integerOf(it.value());
        if (!n) {
            *error = QStringLiteral("a count in \"apps\" is not an integer");
            return std::nullopt;
        }
        day.apps.insert(it.key(), *n);
    }
    return day;
}

template <typename T>
bool assignIfChanged(T& field, const T& value)
{
    if (field == value)
        return false;
    field = value;
    return true;
}

} // namespace

qint64 addCounts(qint64 a, qint64 b)
{
    a = clampCount(a);
    b = clampCount(b);
    return a > kMaxCount - b ? kMaxCount : a + b; // no overflow: both are at most kMaxCount
}

QString dayKey(const QDateTime& at) { return keyOfDate(at.toLocalTime().date()); }

qint64 wordCount(QStringView text)
{
    qint64 words = 0;
    bool inPiece = false;
    bool counted = false;
    for (const char32_t c : text.toUcs4()) {
        if (QChar::isSpace(c)) {
            inPiece = false;
            continue;
        }
        if (!inPiece) {
            inPiece = true;
            counted = false;
        }
        if (!counted && QChar::isLetterOrNumber(c)) {
            counted = true;
            ++words;
        }
    }
    return words;
}

// ---- file image

QByteArray StatsStore::encode(const Snapshot& snapshot)
{
    QJsonObject days;
    for (auto it = snapshot.days.cbegin(); it != snapshot.days.cend(); ++it) {
        const DayStats& d = it.value();
        QJsonObject apps;
        for (auto a = d.apps.cbegin(); a != d.apps.cend(); ++a)
            apps.insert(a.key(), a.value());
        days.insert(it.key(), QJsonObject{{"words", d.words},
                                          {"characters", d.characters},
                                          {"accepts", d.accepts},
                                          {"shown", d.shown},
                                          {"apps", apps}});
    }
    QJsonArray latencies;
    for (qint64 ms : snapshot.latencies)
        latencies.append(ms);
    return QJsonDocument(QJsonObject{{"days", days}, {"latencies", latencies}}).toJson(QJsonDocument::Compact);
}

std::optional<StatsStore::Snapshot> StatsStore::decode(const QByteArray& json, QString* error)
{
    QString why;
    auto fail = [&](const QString& reason) -> std::optional<Snapshot> {
        if (error)
            *error = reason;
        return std::nullopt;
    };
    QJsonParseError parse;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parse);
    if (parse.error != QJsonParseError::NoError)
        return fail(QStringLiteral("malformed JSON: %1").arg(parse.errorString()));
    if (!doc.isObject())
        return fail(QStringLiteral("the top level is not an object"));
    const QJsonObject top = doc.object();
    const QJsonValue days = top.value(QLatin1String("days"));
    const QJsonValue latencies = top.value(QLatin1String("latencies"));
    if (!days.isObject())
        return fail(QStringLiteral("\"days\" is missing or not an object"));
    if (!latencies.isArray())
        return fail(QStringLiteral("\"latencies\" is missing or not an array"));

    Snapshot snapshot;
    const QJsonObject daysObject = days.toObject();
    for (auto it = daysObject.begin(); it != daysObject.end(); ++it) {
        auto day = decodeDay(it.value(), &why);
        if (!day)
            return fail(why);
        snapshot.days.insert(it.key(), *day);
    }
    const QJsonArray list = latencies.toArray();
    snapshot.latencies.reserve(list.size());
    for (const QJsonValue& v : list) {
        auto n = integerOf(v);
        if (!n)
            return fail(QStringLiteral("a latency is not an integer"));
        snapshot.latencies.append(*n);
    }
    return snapshot;
}

// ---- store

StatsStore::StatsStore(QString filePath, Clock& clock, QObject* parent)
    : QObject(parent), filePath_(std::move(filePath)), clock_(clock), saveTimer_(clock)
{
}

StatsStore::~StatsStore() = default;

void StatsStore::load()
{
    if (filePath_.isEmpty())
        return;
    const StoreFileRead file = readStoreFile(filePath_);
    if (file.status == StoreFileRead::Status::missing)
        return;
    QString why = file.error;
    if (file.status == StoreFileRead::Status::ok) {
        if (auto snapshot = decode(file.data, &why)) {
            apply(*snapshot);
            return;
        }
    }
    // Keep the file the next save would otherwise replace.
    log::warning(QStringLiteral("The statistics file could not be used: ") + why);
    movedAside_ = moveAside(filePath_, clock_.now());
    emit storeStateChanged();
}

void StatsStore::apply(const Snapshot& snapshot)
{
    setDays(snapshot.days);
    setLatencies(snapshot.latencies);
    QMap<QString, qint64> totals;
    for (const DayStats& day : snapshot.days)
        for (auto it = day.apps.cbegin(); it != day.apps.cend(); ++it)
            totals[it.key()] = addCounts(totals.value(it.key()), it.value());
    setAppTotals(totals);
}

void StatsStore::setDays(const QMap<QString, DayStats>& days)
{
    if (assignIfChanged(days_, days))
        emit daysChanged();
}

void StatsStore::setLatencies(const QList<qint64>& latencies)
{
    if (assignIfChanged(latencies_, latencies))
        emit latenciesChanged();
}

void StatsStore::setAppTotals(const QMap<QString, qint64>& totals)
{
    if (assignIfChanged(appTotals_, totals))
        emit appTotalsChanged();
}

void StatsStore::recordShown(const QDateTime& at)
{
    qint64& shown = days_[dayKey(at)].shown;
    shown = addCounts(shown, 1);
    emit daysChanged();
    scheduleSave();
}

void StatsStore::recordLatency(qint64 milliseconds)
{
    if (milliseconds < 0)
        return;
    latencies_.append(clampCount(milliseconds));
    if (latencies_.size() > kMaxLatencies)
        latencies_.remove(0, latencies_.size() - kMaxLatencies);
    emit latenciesChanged();
    scheduleSave();
}

void StatsStore::recordAccepted(const QString& text, const QString& appKey, const QDateTime& at)
{
    const qint64 words = wordCount(text);
    DayStats& day = days_[dayKey(at)];
    day.words = addCounts(day.words, words);
    day.characters = addCounts(day.characters, chars::count(text));
    day.accepts = addCounts(day.accepts, 1);
    day.apps[appKey] = addCounts(day.apps.value(appKey), words);
    emit daysChanged();
    appTotals_[appKey] = addCounts(appTotals_.value(appKey), words);
    emit appTotalsChanged();
    scheduleSave();
}

DayStats StatsStore::day(const QDateTime& at) const { return days_.value(dayKey(at)); }

QList<QPair<QDateTime, DayStats>> StatsStore::history(int count, const QDateTime& endingAt) const
{
    QList<QPair<QDateTime, DayStats>> result;
    const QDate last = endingAt.toLocalTime().date();
    if (count <= 0 || !last.isValid())
        return result;
    result.reserve(count);
    for (int offset = -(count - 1); offset <= 0; ++offset) {
        const QDate date = last.addDays(offset);
        if (!date.isValid())
            continue;
        result.append({date.startOfDay(), days_.value(keyOfDate(date))});
    }
    return result;
}

qint64 StatsStore::sum(qint64 DayStats::*count) const
{
    qint64 total = 0;
    for (const DayStats& d : days_)
        total = addCounts(total, d.*count);
    return total;
}

QDate StatsStore::today() const { return clock_.now().toLocalTime().date(); }

qint64 StatsStore::wordsOn(const QDate& date) const { return days_.value(keyOfDate(date)).words; }

int StatsStore::streak() const
{
    QDate cursor = today();
    if (wordsOn(cursor) == 0)
        cursor = cursor.addDays(-1);
    int n = 0;
    while (cursor.isValid() && wordsOn(cursor) >= 1) {
        ++n;
        cursor = cursor.addDays(-1);
    }
    return n;
}

bool StatsStore::isBestDayYet() const
{
    const QString todayKey = keyOfDate(today());
    std::optional<qint64> best;
    for (auto it = days_.cbegin(); it != days_.cend(); ++it)
        if (it.key() != todayKey)
            best = std::max(best.value_or(it.value().words), it.value().words);
    if (!best || *best < 1)
        return false;
    return days_.value(todayKey).words > *best;
}

std::optional<qint64> StatsStore::latencyPercentile(double fraction) const
{
    if (latencies_.isEmpty())
        return std::nullopt;
    const double position = fraction * double(latencies_.size() - 1);
    if (!std::isfinite(position))
        return std::nullopt;
    QList<qint64> sorted = latencies_;
    std::sort(sorted.begin(), sorted.end());
    const double rounded = std::round(position); // halves away from zero
    const qsizetype index = rounded < 0 ? 0 : std::min<qsizetype>(qsizetype(rounded), sorted.size() - 1);
    return sorted[index];
}

void StatsStore::scheduleSave()
{
    saveTimer_.start(kSaveDelay, [this] { save(); });
}

bool StatsStore::save()
{
    if (filePath_.isEmpty())
        return true;
    QString error;
    const bool saved = writeFileAtomically(filePath_, encode(snapshot()), &error);
    if (!saved)
        log::warning(QStringLiteral("The statistics were not saved: ") + error);
    if (unsaved_ == saved) {
        unsaved_ = !saved;
        emit storeStateChanged();
    }
    return saved;
}

bool StatsStore::flush()
{
    saveTimer_.cancel();
    return save();
}

} // namespace tq
