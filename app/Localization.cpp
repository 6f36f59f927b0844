#include "app/Localization.h"

#include "platform/Defaults.h"
#include "platform/Log.h"
#include "services/AppLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tq {

QLocale formatLocale(const QString& interfaceLanguage, const QLocale& system)
{
    const QLocale language(interfaceLanguage);
    if (system.territory() == QLocale::AnyTerritory || language.language() == QLocale::C)
        return language;
    const QLocale paired(language.language(), language.script(), system.territory());
    // QLocale falls back to the language's main country when the pair is unknown.
    if (paired.language() == language.language() && paired.script() == language.script() &&
        paired.territory() == system.territory())
        return paired;
    return language;
}

QString installTranslations(QApplication& app, Defaults& defaults)
{
    const QString current = AppLanguage::resolve(AppLanguage::storedChoice(defaults), QLocale::system().uiLanguages());
    // Numbers, dates and names follow the interface language, so its digits match the translations'
    // (an Arabic interface on an English system still counts in its own), in the user's region.
    const QLocale locale = formatLocale(current, QLocale::system());
    QLocale::setDefault(locale);

    if (current != QLatin1String("en")) {
        auto* ours = new QTranslator(&app);
        if (ours->load(QStringLiteral(":/i18n/tessaquill_") + current))
            QCoreApplication::installTranslator(ours);
        else
            log::info(QStringLiteral("no translation of our own for ") + current + QStringLiteral(", showing English"));
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
    }
    app.setLayoutDirection(AppLanguage::applyLayoutDirection(defaults, current) ? Qt::RightToLeft : Qt::LeftToRight);
    return current;
}

} // namespace tq
