#include "app/Localization.h"

#include "platform/Defaults.h"
#include "platform/Log.h"
#include "services/AppLanguage.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace tq {

QString installTranslations(QApplication& app, Defaults& defaults)
{
    const QString current = AppLanguage::resolve(AppLanguage::storedChoice(defaults), QLocale::system().uiLanguages());
    const QLocale locale(current);
    // Numbers, dates and names follow the interface language, so its digits match the translations'
    // (an Arabic interface on a system locale with Latin digits still counts in its own).
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
