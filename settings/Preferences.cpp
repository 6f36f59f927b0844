#include "settings/Preferences.h"

#include "platform/Defaults.h"
#include "platform/Log.h"

#include <QHash>
#include <QSet>
#include <QThread>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <limits>
#include <type_traits>

namespace tq {

namespace {

bool isInteger(const QVariant& v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return true;
    default: return false;
    }
}

bool isDouble(const QVariant& v)
{
    const int id = v.metaType().id();
    return id == QMetaType::Double || id == QMetaType::Float;
}

bool isBool(const QVariant& v) { return v.metaType().id() == QMetaType::Bool; }

// Reading: only exact conversions; anything else leaves the default and answers false.
bool read(const QVariant& v, bool& out)
{
    if (isBool(v))
        out = v.toBool();
    else if ((isInteger(v) || isDouble(v)) && (v.toDouble() == 0.0 || v.toDouble() == 1.0))
        out = v.toDouble() == 1.0;
    else
        return false;
    return true;
}

bool read(const QVariant& v, double& out)
{
    if (!(isBool(v) || isInteger(v) || (isDouble(v) && std::isfinite(v.toDouble()))))
        return false;
    out = v.toDouble();
    return true;
}

bool read(const QVariant& v, int& out)
{
    if (isBool(v)) {
        out = v.toBool() ? 1 : 0;
        return true;
    }
    if (!isInteger(v) && !isDouble(v))
        return false;
    const double d = v.toDouble();
    if (isInteger(v) && v.metaType().id() != QMetaType::ULongLong) {
        const qlonglong n = v.toLongLong();
        if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
            return false;
        out = int(n);
        return true;
    }
    if (!std::isfinite(d) || std::floor(d) != d || d < std::numeric_limits<int>::min()
        || d > std::numeric_limits<int>::max())
        return false;
    out = int(d);
    return true;
}

bool read(const QVariant& v, QString& out)
{
    if (v.metaType().id() == QMetaType::QString)
        out = v.toString();
    else if (isInteger(v))
        out = QString::number(v.toLongLong());
    else if (isDouble(v))
        out = QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    else if (isBool(v))
        out = v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
    else
        return false;
    return true;
}

template <typename E>
bool read(const QVariant& v, E& out)
    requires std::is_enum_v<E>
{
    if (v.metaType().id() != QMetaType::QString)
        return false;
    const auto e = fromRawValue<E>(v.toString());
    if (e)
        out = *e;
    return e.has_value();
}

bool read(const QVariant& v, Shortcut& out)
{
    if (v.metaType().id() != QMetaType::QByteArray)
        return false;
    const QByteArray data = v.toByteArray();
    if (data.isEmpty()) {
        out = std::nullopt;
        return true;
    }
    const auto combo = KeyCombo::fromJsonData(data);
    if (combo)
        out = *combo;
    return combo.has_value();
}

// The span of values a numeric setting's control offers. Outside it a measure is clamped to the
// nearest end; an index is set back to its default.
struct Span {
    double low;
    double high;
    bool index = false;
};

std::optional<Span> spanOf(const QString& key)
{
    static const QHash<QString, Span> spans = {
        {QStringLiteral("delayMilliseconds"), {0.0, 800.0}},
        {QStringLiteral("textScale"), {0.85, 1.2}},
        {QStringLiteral("verticalNudge"), {-4.0, 4.0}},
        {QStringLiteral("creativity"), {0.0, 1.0}},
        {QStringLiteral("memoryStrength"), {1.0, 6.0}},
        {QStringLiteral("keyHintsShown"), {0.0, double(std::numeric_limits<int>::max())}},
        {QStringLiteral("skinTone"), {0.0, 5.0, true}},
    };
    const auto it = spans.constFind(key);
    return it == spans.constEnd() ? std::nullopt : std::optional<Span>(*it);
}

template <typename T>
bool fit(const QString&, T&, const T&)
{
    return true;
}

template <typename N>
    requires std::is_same_v<N, double> || std::is_same_v<N, int>
bool fit(const QString& key, N& value, const N& fallback)
{
    const auto span = spanOf(key);
    if (!span || (double(value) >= span->low && double(value) <= span->high))
        return true;
    if (span->index)
        value = fallback;
    else
        value = N(std::clamp(double(value), span->low, span->high));
    return false;
}

// Writing: booleans, doubles, integers and strings as themselves, enumerations by raw value,
// shortcuts as data (empty data for none).
QVariant stored(bool v) { return v; }
QVariant stored(double v) { return v; }
QVariant stored(int v) { return qlonglong(v); }
QVariant stored(const QString& v) { return v; }
template <typename E>
QVariant stored(E v)
    requires std::is_enum_v<E>
{
    return rawValue(v);
}
QVariant stored(const Shortcut& v) { return v ? v->toJsonData() : QByteArray(""); }

} // namespace

Preferences::Preferences(Defaults& store, QObject* parent) : QObject(parent), store_(&store) { readAll(); }

Preferences::~Preferences() = default;

void Preferences::readAll()
{
    // A value of the wrong type or out of range is set back, written back and counted for the
    // settings window; so is one the store had to leave out because it could not be decoded.
    corrected_.clear();
    const QStringList dropped = store_->appDomainDroppedKeys();
#define TQ_PREF_READ(type, name, setter, def)                                                     \
    {                                                                                             \
        const QString key = QStringLiteral(#name);                                                \
        const QVariant v = store_->object(key);                                                   \
        name##_ = def;                                                                            \
        if (v.isValid() && !(read(v, name##_) && fit(key, name##_, type(def)))) {                 \
            corrected_ << key;                                                                    \
            store_->set(key, stored(name##_));                                                    \
        } else if (!v.isValid() && dropped.contains(key)) {                                       \
            corrected_ << key;                                                                    \
            store_->set(key, stored(name##_));                                                    \
        }                                                                                         \
    }
    TQ_PREFERENCES(TQ_PREF_READ)
#undef TQ_PREF_READ
    for (const QString& key : dropped)
        if (!corrected_.contains(key))
            corrected_ << key; // not a setting, but still a value that was lost from the file
    if (!corrected_.isEmpty())
        log::warning(QStringLiteral("Settings set back because their stored values could not be used: ")
                     + corrected_.join(QStringLiteral(", ")));
}

// Every assignment goes to the store, which writes only what changed, a moment later; observers
// hear only of real changes.
#define TQ_PREF_SETTER(type, name, setter, def)                                                   \
    void Preferences::setter(const type& value)                                                   \
    {                                                                                             \
        Q_ASSERT_X(QThread::currentThread() == thread(), #setter, "settings are main-thread only");  \
        const bool differs = !(name##_ == value);                                                 \
        name##_ = value;                                                                          \
        store_->set(QStringLiteral(#name), stored(name##_));                                      \
        if (differs)                                                                              \
            emit changed(QStringLiteral(#name));                                                  \
    }
TQ_PREFERENCES(TQ_PREF_SETTER)
#undef TQ_PREF_SETTER

const QStringList& Preferences::keys()
{
    static const QStringList list = {
#define TQ_PREF_KEY(type, name, setter, def) QStringLiteral(#name),
        TQ_PREFERENCES(TQ_PREF_KEY)
#undef TQ_PREF_KEY
    };
    return list;
}

bool Preferences::isShortcut(const QString& key)
{
    static const QSet<QString> shortcuts = [] {
        QSet<QString> set;
#define TQ_PREF_SHORTCUT(type, name, setter, def)                                                 \
    if constexpr (std::is_same_v<type, Shortcut>)                                                 \
        set.insert(QStringLiteral(#name));
        TQ_PREFERENCES(TQ_PREF_SHORTCUT)
#undef TQ_PREF_SHORTCUT
        return set;
    }();
    return shortcuts.contains(key);
}

const QStringList& Preferences::resetKeepSet()
{
    static const QStringList keep = {
        QStringLiteral("onboardingDone"), QStringLiteral("keyHintsShown"),        QStringLiteral("introSeen"),
        QStringLiteral("introMuted"),     QStringLiteral("migratedFromQuarmel"), QStringLiteral("AppleLanguages"),
    };
    return keep;
}

void Preferences::resetToDefaults()
{
    const QVariantMap all = store_->dictionaryRepresentation();
    for (auto it = all.constBegin(); it != all.constEnd(); ++it) {
        if (!resetKeepSet().contains(it.key()))
            store_->remove(it.key());
    }
    const Preferences fresh(*store_);
    assignFrom(fresh);
    corrected_.clear();
}

void Preferences::assignFrom(const Preferences& fresh)
{
    // The kept flags and counter are left alone; remindHiddenIcon keeps its running value.
    static const QStringList skipped = {
        QStringLiteral("onboardingDone"), QStringLiteral("introSeen"),        QStringLiteral("introMuted"),
        QStringLiteral("keyHintsShown"),  QStringLiteral("remindHiddenIcon"),
    };
#define TQ_PREF_ASSIGN(type, name, setter, def)                                                   \
    if (!skipped.contains(QStringLiteral(#name)))                                                 \
        setter(fresh.name());
    TQ_PREFERENCES(TQ_PREF_ASSIGN)
#undef TQ_PREF_ASSIGN
}

bool Preferences::isLocalHost(const QString& address)
{
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return false;
    const QString host = url.host().toLower();
    if (host.isEmpty())
        return false;
    return host == QLatin1String("localhost") || host == QLatin1String("127.0.0.1") || host == QLatin1String("::1")
        || host.endsWith(QLatin1String(".localhost"));
}

bool Preferences::engineIsLocal() const
{
    switch (engine_) {
    case EngineKind::builtIn:
    case EngineKind::apple: return true;
    case EngineKind::ollama: return isLocalHost(ollamaURL_);
    case EngineKind::openAI: return isLocalHost(serverURL_);
    }
    return false;
}

} // namespace tq
