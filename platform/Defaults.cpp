#include "platform/Defaults.h"

#include "platform/AppFolder.h"
#include "platform/Clock.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QStandardPaths>

#include <cmath>

namespace tq {

// ---- Defaults

QVariantMap& Defaults::domain(const QString& name) const
{
    auto it = domains_.find(name);
    if (it == domains_.end())
        it = domains_.emplace(name, const_cast<Defaults*>(this)->loadDomain(name)).first;
    return it->second;
}

QVariant Defaults::object(const QString& key) const
{
    if (auto it = arguments_.constFind(key); it != arguments_.constEnd())
        return *it;
    const QVariantMap& app = domain(QLatin1String(kAppDomain));
    if (auto it = app.constFind(key); it != app.constEnd())
        return *it;
    const QVariantMap& global = domain(QLatin1String(kGlobalDomain));
    if (auto it = global.constFind(key); it != global.constEnd())
        return *it;
    return {};
}

void Defaults::set(const QString& key, const QVariant& value)
{
    if (!value.isValid()) {
        remove(key);
        return;
    }
    if (!defaults::isStorable(value)) {
        log::warning(QStringLiteral("Defaults: refused a value of an unsupported type for key ") + key);
        return;
    }
    const QString name = QLatin1String(kAppDomain);
    QVariantMap& app = domain(name);
    // The same value again is not written, unless the last write failed and this one may not.
    const auto held = app.constFind(key);
    if (held != app.constEnd() && held->metaType() == value.metaType() && *held == value && !appDomainUnsaved_)
        return;
    app.insert(key, value);
    storeDomain(name, app);
}

void Defaults::remove(const QString& key)
{
    const QString name = QLatin1String(kAppDomain);
    QVariantMap& app = domain(name);
    if (app.remove(key) > 0)
        storeDomain(name, app);
}

QVariantMap Defaults::dictionaryRepresentation() const
{
    QVariantMap merged = domain(QLatin1String(kGlobalDomain));
    const QVariantMap& app = domain(QLatin1String(kAppDomain));
    for (auto it = app.constBegin(); it != app.constEnd(); ++it)
        merged.insert(it.key(), it.value());
    for (auto it = arguments_.constBegin(); it != arguments_.constEnd(); ++it)
        merged.insert(it.key(), it.value());
    return merged;
}

void Defaults::setVolatile(const QString& key, const QVariant& value)
{
    if (value.isValid())
        arguments_.insert(key, value);
    else
        arguments_.remove(key);
}

QVariantMap Defaults::persistentDomain(const QString& name) const { return domain(name); }

void Defaults::setPersistentDomain(const QVariantMap& values, const QString& name)
{
    if (!defaults::isStorable(QVariant(values))) {
        log::warning(QStringLiteral("Defaults: refused a domain holding values of an unsupported type: ") + name);
        return;
    }
    domain(name) = values;
    storeDomain(name, values);
}

void Defaults::removePersistentDomain(const QString& name)
{
    domain(name).clear();
    eraseDomain(name);
}

void Defaults::noteSetAside(const QString& name)
{
    if (name == QLatin1String(kAppDomain))
        appDomainSetAside_ = true;
}

void Defaults::noteDropped(const QString& name, const QStringList& keys)
{
    if (name == QLatin1String(kAppDomain))
        appDomainDropped_ = keys;
}

QStringList Defaults::appDomainDroppedKeys() const
{
    domain(QLatin1String(kAppDomain)); // read on first use
    return appDomainDropped_;
}

void Defaults::noteWritten(const QString& name, bool written)
{
    if (name == QLatin1String(kAppDomain))
        appDomainUnsaved_ = !written;
}

// ---- JSON coding

namespace defaults {

namespace {
const QString kData = QStringLiteral("$data");
const QString kDate = QStringLiteral("$date");

QJsonValue toJson(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Bool: return v.toBool();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong: return QJsonValue(v.toLongLong());
    case QMetaType::ULongLong: return QJsonValue(qint64(v.toULongLong()));
    case QMetaType::Double:
    case QMetaType::Float: return v.toDouble();
    case QMetaType::QString: return v.toString();
    case QMetaType::QByteArray:
        return QJsonObject{{kData, QString::fromLatin1(v.toByteArray().toBase64())}};
    case QMetaType::QDateTime: return QJsonObject{{kDate, secondsSince2001(v.toDateTime())}};
    case QMetaType::QVariantList:
    case QMetaType::QStringList: {
        QJsonArray a;
        for (const QVariant& item : v.toList())
            a.append(toJson(item));
        return a;
    }
    case QMetaType::QVariantMap: {
        QJsonObject o;
        const QVariantMap m = v.toMap();
        for (auto it = m.constBegin(); it != m.constEnd(); ++it)
            o.insert(it.key(), toJson(it.value()));
        return o;
    }
    default: return QJsonValue();
    }
}

bool fromJson(const QJsonValue& j, QVariant* out);

bool fromJsonObject(const QJsonObject& o, QVariantMap* out)
{
    QVariantMap map;
    for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
        QVariant v;
        if (!fromJson(it.value(), &v))
            return false;
        map.insert(it.key(), v);
    }
    *out = map;
    return true;
}

bool fromJson(const QJsonValue& j, QVariant* out)
{
    switch (j.type()) {
    case QJsonValue::Bool: *out = j.toBool(); return true;
    case QJsonValue::Double: {
        // Whole numbers written without a fraction come back as integers.
        const QVariant raw = j.toVariant();
        if (raw.metaType().id() == QMetaType::LongLong)
            *out = raw.toLongLong();
        else
            *out = j.toDouble();
        return true;
    }
    case QJsonValue::String: *out = j.toString(); return true;
    case QJsonValue::Array: {
        QVariantList list;
        for (const QJsonValue& item : j.toArray()) {
            QVariant v;
            if (!fromJson(item, &v))
                return false;
            list.append(v);
        }
        *out = list;
        return true;
    }
    case QJsonValue::Object: {
        const QJsonObject o = j.toObject();
        if (o.size() == 1 && o.contains(kData)) {
            const QJsonValue d = o.value(kData);
            if (!d.isString())
                return false;
            auto decoded = QByteArray::fromBase64Encoding(d.toString().toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
            if (!decoded)
                return false;
            *out = *decoded;
            return true;
        }
        if (o.size() == 1 && o.contains(kDate)) {
            const QJsonValue d = o.value(kDate);
            if (!d.isDouble() || !std::isfinite(d.toDouble()) || std::abs(d.toDouble()) > 1e12)
                return false;
            *out = dateFromSecondsSince2001(d.toDouble());
            return true;
        }
        QVariantMap map;
        if (!fromJsonObject(o, &map))
            return false;
        *out = map;
        return true;
    }
    case QJsonValue::Null:
    case QJsonValue::Undefined: return false;
    }
    return false;
}
} // namespace

bool isStorable(const QVariant& value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QStringList: return true;
    case QMetaType::Double:
    case QMetaType::Float: return std::isfinite(value.toDouble());
    case QMetaType::QDateTime: return value.toDateTime().isValid();
    case QMetaType::QVariantList:
        for (const QVariant& item : value.toList())
            if (!isStorable(item))
                return false;
        return true;
    case QMetaType::QVariantMap: {
        const QVariantMap m = value.toMap();
        for (auto it = m.constBegin(); it != m.constEnd(); ++it)
            if (!isStorable(it.value()))
                return false;
        return true;
    }
    default: return false;
    }
}

QByteArray encodeDomain(const QVariantMap& values)
{
    return QJsonDocument(toJson(QVariant(values)).toObject()).toJson(QJsonDocument::Indented);
}

namespace {
// The number that ends just before `end` (where the reader stopped at it) becomes null, so
// that only the value holding it is left out. False when no number stands there.
bool nullNumberBefore(QByteArray& json, qsizetype end)
{
    const auto isNumberChar = [](char c) {
        return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
    };
    if (end <= 0 || end > json.size())
        return false;
    qsizetype start = end;
    while (start > 0 && isNumberChar(json[start - 1]))
        --start;
    if (start == end || start == 0)
        return false;
    const char before = json[start - 1];
    if (before != ':' && before != '[' && before != ',' && before != ' ' && before != '\t' && before != '\n'
        && before != '\r')
        return false;
    json.replace(start, end - start, "null");
    return true;
}

// So many unreadable numbers make a file that is not ours: it is set aside whole.
constexpr int kMaxUnreadableNumbers = 32;
} // namespace

bool decodeDomain(const QByteArray& json, QVariantMap* out, QStringList* dropped)
{
    QJsonParseError error;
    QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    // A number no double holds (1e999) fails the whole text; read leniently, only its value goes.
    if (dropped && error.error == QJsonParseError::IllegalNumber) {
        QByteArray repaired = json;
        for (int n = 0; n < kMaxUnreadableNumbers && error.error == QJsonParseError::IllegalNumber; ++n) {
            if (!nullNumberBefore(repaired, error.offset))
                break;
            doc = QJsonDocument::fromJson(repaired, &error);
        }
    }
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return false;
    if (!dropped)
        return fromJsonObject(doc.object(), out);
    const QJsonObject o = doc.object();
    QVariantMap map;
    for (auto it = o.constBegin(); it != o.constEnd(); ++it) {
        QVariant v;
        if (fromJson(it.value(), &v))
            map.insert(it.key(), v);
        else
            dropped->append(it.key());
    }
    *out = map;
    return true;
}

} // namespace defaults

// ---- JsonFileDefaults

JsonFileDefaults::JsonFileDefaults(Clock& clock, QString folder)
    : clock_(clock), folder_(std::move(folder)), saveTimer_(clock)
{
}

JsonFileDefaults::~JsonFileDefaults() { flush(); }

void JsonFileDefaults::flush()
{
    saveTimer_.cancel();
    std::map<QString, QVariantMap> due;
    due.swap(pending_);
    for (const auto& [name, values] : due)
        write(name, values);
}

QString JsonFileDefaults::defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tessaquill");
}

QString JsonFileDefaults::filePath(const QString& domain) const
{
    return folder_ + QLatin1Char('/') + domain + QStringLiteral(".json");
}

namespace {
// A domain name becomes a file name: path separators and leading dots are refused.
bool isSafeDomainName(const QString& name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('/')) && !name.contains(QLatin1Char('\\'))
        && !name.startsWith(QLatin1Char('.'));
}

} // namespace

QVariantMap JsonFileDefaults::loadDomain(const QString& name)
{
    if (!isSafeDomainName(name))
        return {};
    const QString path = filePath(name);
    const StoreFileRead file = readStoreFile(path);
    if (file.status == StoreFileRead::Status::missing)
        return {};
    // What cannot be read or decoded is kept for the user: the next write must not replace it.
    if (file.status != StoreFileRead::Status::ok)
        log::warning(QStringLiteral("Defaults: cannot read ") + path + QStringLiteral(": ") + file.error);
    QVariantMap values;
    QStringList dropped;
    if (file.status != StoreFileRead::Status::ok || !defaults::decodeDomain(file.data, &values, &dropped)) {
        moveAside(path, clock_.now());
        noteSetAside(name);
        return {};
    }
    if (!dropped.isEmpty()) {
        // The file as it was is kept; the sound values are written back at once, so a crash
        // before the next change cannot cost them.
        log::warning(QStringLiteral("Defaults: values that cannot be decoded were left out of ") + path
                     + QStringLiteral(": ") + dropped.join(QStringLiteral(", ")));
        if (!moveAside(path, clock_.now()).isEmpty())
            write(name, values);
        noteDropped(name, dropped);
    }
    return values;
}

void JsonFileDefaults::storeDomain(const QString& name, const QVariantMap& values)
{
    if (!isSafeDomainName(name)) {
        log::warning(QStringLiteral("Defaults: refused to write a domain with an unsafe name"));
        return;
    }
    // Each change restarts the wait; the timer dies with the store, whose end writes the rest.
    pending_[name] = values;
    saveTimer_.start(kSaveDelay, [this] { flush(); });
}

void JsonFileDefaults::write(const QString& name, const QVariantMap& values)
{
    QString error;
    const bool written = writeFileAtomically(filePath(name), defaults::encodeDomain(values), &error);
    if (!written)
        log::error(QStringLiteral("Defaults: cannot write ") + filePath(name) + QStringLiteral(": ") + error);
    noteWritten(name, written);
}

void JsonFileDefaults::eraseDomain(const QString& name)
{
    pending_.erase(name);
    if (isSafeDomainName(name))
        QFile::remove(filePath(name));
}

} // namespace tq
