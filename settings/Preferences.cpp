#include "settings/Preferences.h"

#include "platform/Defaults.h"

#include <QSet>
#include <QThread>
#include <QUrl>

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

// Reading: only exact conversions; anything else gives the default.
void read(const QVariant& v, bool& out)
{
    if (isBool(v))
        out = v.toBool();
    else if ((isInteger(v) || isDouble(v)) && (v.toDouble() == 0.0 || v.toDouble() == 1.0))
        out = v.toDouble() == 1.0;
}

void read(const QVariant& v, double& out)
{
    if (isBool(v) || isInteger(v) || (isDouble(v) && std::isfinite(v.toDouble())))
        out = v.toDouble();
}

void read(const QVariant& v, int& out)
{
    if (isBool(v)) {
        out = v.toBool() ? 1 : 0;
        return;
    }
    if (!isInteger(v) && !isDouble(v))
        return;
    const double d = v.toDouble();
    if (isInteger(v) && v.metaType().id() != QMetaType::ULongLong) {
        const qlonglong n = v.toLongLong();
        if (n >= std::numeric_limits<int>::min() && n <= std::numeric_limits<int>::max())
            out = int(n);
        return;
    }
    if (std::isfinite(d) && std::floor(d) == d && d >= std::numeric_limits<int>::min()
        && d <= std::numeric_limits<int>::max())
        out = int(d);
}

void read(const QVariant& v, QString& out)
{
    if (v.metaType().id() == QMetaType::QString)
        out = v.toString();
    else if (isInteger(v))
        out = QString::number(v.toLongLong());
    else if (isDouble(v))
        out = QString::number(v.toDouble(), 'g', QLocale::FloatingPointShortest);
    else if (isBool(v))
        out = v.toBool() ? QStringLiteral("1") : QStringLiteral("0");
}

template <typename E>
void read(const QVariant& v, E& out)
    requires std::is_enum_v<E>
{
    if (v.metaType().id() != QMetaType::QString)
        return;
    if (const auto e = fromRawValue<E>(v.toString()))
        out = *e;
}

void read(const QVariant& v, Shortcut& out)
{
    if (v.metaType().id() != QMetaType::QByteArray)
        return;
    const QByteArray data = v.toByteArray();
    if (data.isEmpty()) {
        out = std::nullopt;
        return;
    }
    if (const auto combo = KeyCombo::fromJsonData(data))
        out = *combo;
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
#define TQ_PREF_READ(type, name, setter, def)                                                     \
    {                                                                                             \
        const QVariant v = store_->object(QStringLiteral(#name));                                 \
        name##_ = def;                                                                            \
        if (v.isValid())                                                                          \
            read(v, name##_);                                                                     \
    }
    TQ_PREFERENCES(TQ_PREF_READ)
#undef TQ_PREF_READ
}

// Every assignment is written, also an unchanged one; observers hear only of real changes.
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
