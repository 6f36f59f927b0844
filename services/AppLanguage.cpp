#include "services/AppLanguage.h"

#include "platform/Defaults.h"
#include "platform/Text.h"

#include <QCollator>
#include <QCoreApplication>
#include <QLocale>

#include <unicode/locdspnm.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace tq {

namespace {

icu::Locale localeOf(const QString& identifier)
{
    UErrorCode status = U_ZERO_ERROR;
    icu::Locale locale = icu::Locale::forLanguageTag(identifier.toStdString(), status);
    if (U_FAILURE(status))
        return icu::Locale::getRoot();
    return locale;
}

icu::Locale maximal(const QString& identifier)
{
    icu::Locale locale = localeOf(identifier);
    UErrorCode status = U_ZERO_ERROR;
    locale.addLikelySubtags(status);
    return locale;
}

QString fromIcu(const icu::UnicodeString& text)
{
    return QString(reinterpret_cast<const QChar*>(text.getBuffer()), text.length());
}

// The name of `identifier` in `in`, or none when the locale data has none.
std::optional<QString> icuName(const QString& identifier, const QString& in, bool capitalised)
{
    UDisplayContext contexts[] = {
        capitalised ? UDISPCTX_CAPITALIZATION_FOR_UI_LIST_OR_MENU : UDISPCTX_CAPITALIZATION_NONE,
        UDISPCTX_NO_SUBSTITUTE,
    };
    std::unique_ptr<icu::LocaleDisplayNames> names(
        icu::LocaleDisplayNames::createInstance(localeOf(in), contexts, 2));
    if (!names)
        return std::nullopt;
    icu::UnicodeString out;
    names->localeDisplayName(localeOf(identifier), out);
    if (out.isBogus() || out.isEmpty())
        return std::nullopt;
    return fromIcu(out);
}

QString icuNameOr(const QString& identifier, const QString& in, bool capitalised)
{
    return icuName(identifier, in, capitalised).value_or(identifier);
}

} // namespace

QStringList AppLanguage::relaunchArguments()
{
    return {QStringLiteral("--open-settings"), QStringLiteral("general"), QStringLiteral("--wait-for-instance")};
}

AppLanguage::AppLanguage(Defaults& defaults, Relauncher& relauncher, QString current)
    : defaults_(defaults), relauncher_(relauncher), current_(std::move(current))
{
}

const QStringList& AppLanguage::supported()
{
    static const QStringList list = {
        QStringLiteral("en"), QStringLiteral("ar"), QStringLiteral("bn"), QStringLiteral("ca"),
        QStringLiteral("cs"), QStringLiteral("da"), QStringLiteral("de"), QStringLiteral("el"),
        QStringLiteral("es"), QStringLiteral("fa"), QStringLiteral("fi"), QStringLiteral("fil"),
        QStringLiteral("fr"), QStringLiteral("gu"), QStringLiteral("he"), QStringLiteral("hi"),
        QStringLiteral("hr"), QStringLiteral("hu"), QStringLiteral("id"), QStringLiteral("it"),
        QStringLiteral("ja"), QStringLiteral("kn"), QStringLiteral("ko"), QStringLiteral("ml"),
        QStringLiteral("mr"), QStringLiteral("ms"), QStringLiteral("nb"), QStringLiteral("nl"),
        QStringLiteral("pa"), QStringLiteral("pl"), QStringLiteral("pt-BR"), QStringLiteral("ro"),
        QStringLiteral("ru"), QStringLiteral("sk"), QStringLiteral("sv"), QStringLiteral("sw"),
        QStringLiteral("ta"), QStringLiteral("te"), QStringLiteral("th"), QStringLiteral("tr"),
        QStringLiteral("uk"), QStringLiteral("ur"), QStringLiteral("vi"), QStringLiteral("zh-Hans"),
        QStringLiteral("zh-Hant"),
    };
    return list;
}

QString AppLanguage::displayName(const QString& identifier)
{
    return icuNameOr(identifier, identifier, true);
}

QString AppLanguage::nameIn(const QString& identifier, const QString& in)
{
    return icuNameOr(identifier, in, false);
}

QString AppLanguage::flagForRegion(const QString& region)
{
    QString out;
    for (const char32_t scalar : region.toUcs4()) {
        const char32_t shifted = scalar + 127397;
        if (shifted > 0x10FFFF)
            continue;
        out += QString::fromUcs4(&shifted, 1);
    }
    return out;
}

QString AppLanguage::flag(const QString& identifier, const QString& system, const std::optional<QString>& region)
{
    const icu::Locale written = localeOf(identifier);
    const icu::Locale full = maximal(identifier);
    const icu::Locale systemFull = maximal(system);

    QString code = QString::fromLatin1(written.getCountry());
    const bool ownRegion = !code.isEmpty();
    if (code.isEmpty())
        code = QString::fromLatin1(full.getCountry());
    if (!ownRegion && region && !region->isEmpty()
        && QString::fromLatin1(written.getLanguage()) == QString::fromLatin1(localeOf(system).getLanguage())
        && QString::fromLatin1(full.getScript()) == QString::fromLatin1(systemFull.getScript()))
        code = *region;
    if (code.compare(QLatin1String("TW"), Qt::CaseInsensitive) == 0 && region
        && region->compare(QLatin1String("CN"), Qt::CaseInsensitive) == 0)
        code = QStringLiteral("HK");
    return flagForRegion(code.toUpper());
}

bool AppLanguage::isRightToLeft(const QString& identifier)
{
    return maximal(identifier).isRightToLeft();
}

QStringList AppLanguage::filtered(const QString& query, const QString& interfaceLanguage)
{
    QString trimmed = query;
    while (!trimmed.isEmpty() && (trimmed.front() == u' ' || trimmed.front() == u'\t'))
        trimmed.remove(0, 1);
    while (!trimmed.isEmpty() && (trimmed.back() == u' ' || trimmed.back() == u'\t'))
        trimmed.chop(1);

    struct Entry {
        QString identifier;
        QString localName;
    };
    std::vector<Entry> entries;
    for (const QString& id : supported())
        entries.push_back({id, nameIn(id, interfaceLanguage)});
    QCollator collator{QLocale(interfaceLanguage)};
    std::stable_sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
        return collator.compare(a.localName, b.localName) < 0;
    });

    QStringList out;
    for (const Entry& e : entries) {
        if (!trimmed.isEmpty()) {
            const auto has = [&](const QString& name) { return name.contains(trimmed, Qt::CaseInsensitive); };
            const std::optional<QString> english = icuName(e.identifier, QStringLiteral("en"), false);
            if (!has(displayName(e.identifier)) && !has(e.localName) && !(english && has(*english)))
                continue;
        }
        out << e.identifier;
    }
    return out;
}

QString AppLanguage::resolve(const std::optional<QString>& stored, const QStringList& systemLanguages)
{
    if (stored && supported().contains(*stored))
        return *stored;
    for (const QString& wanted : systemLanguages) {
        const QString tag = QString(wanted).replace(u'_', u'-');
        if (supported().contains(tag))
            return tag;
        const icu::Locale want = maximal(tag);
        QString sameScript;
        for (const QString& id : supported()) {
            const icu::Locale have = maximal(id);
            if (qstrcmp(want.getLanguage(), have.getLanguage()) != 0
                || qstrcmp(want.getScript(), have.getScript()) != 0)
                continue;
            if (qstrcmp(want.getCountry(), have.getCountry()) == 0)
                return id;
            if (sameScript.isEmpty())
                sameScript = id;
        }
        if (!sameScript.isEmpty())
            return sameScript;
    }
    return QStringLiteral("en");
}

std::optional<QString> AppLanguage::storedChoice(const Defaults& defaults)
{
    const QVariant value = defaults.persistentDomain(QString::fromLatin1(Defaults::kAppDomain)).value(QString::fromLatin1(kKey));
    if (value.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    const QVariantList list = value.toList();
    if (list.isEmpty() || list.front().typeId() != QMetaType::QString)
        return std::nullopt;
    for (const QVariant& v : list)
        if (v.typeId() != QMetaType::QString)
            return std::nullopt;
    return list.front().toString();
}

QString AppLanguage::system() const
{
    const QVariant value = defaults_.persistentDomain(QString::fromLatin1(Defaults::kGlobalDomain)).value(QString::fromLatin1(kKey));
    if (value.typeId() == QMetaType::QVariantList) {
        const QVariantList list = value.toList();
        if (!list.isEmpty() && list.front().typeId() == QMetaType::QString && !list.front().toString().isEmpty())
            return list.front().toString();
    }
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C)
        return QStringLiteral("en");
    const QStringList languages = locale.uiLanguages();
    return languages.isEmpty() ? QStringLiteral("en") : languages.front();
}

std::optional<QString> AppLanguage::systemRegion()
{
    const QLocale locale = QLocale::system();
    if (locale.language() == QLocale::C || locale.territory() == QLocale::AnyTerritory)
        return std::nullopt;
    return QLocale::territoryToCode(locale.territory());
}

AppLanguage::ApplyResult AppLanguage::apply(const std::optional<QString>& choice, QString* error)
{
    if (choice)
        defaults_.set(QString::fromLatin1(kKey), QVariantList{*choice});
    else
        defaults_.remove(QString::fromLatin1(kKey));
    relauncher_.flushStores();
    QString reason;
    if (!relauncher_.startNewInstance(relaunchArguments(), &reason)) {
        // The system's reason goes to the log; the sentence shown stays whole in every language.
        if (error)
            *error = text("%1 could not open again. Your choice takes effect the next time you start it.")
                         .arg(QCoreApplication::applicationName());
        return ApplyResult::failed;
    }
    relauncher_.quit();
    return ApplyResult::started;
}

bool AppLanguage::applyLayoutDirection(Defaults& defaults, const QString& current)
{
    if (!isRightToLeft(current))
        return false;
    defaults.setVolatile(QStringLiteral("AppleTextDirection"), true);
    defaults.setVolatile(QStringLiteral("NSForceRightToLeftWritingDirection"), true);
    return true;
}

} // namespace tq
