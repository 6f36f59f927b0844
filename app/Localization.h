#pragma once
// Start-up of the interface language: picks it (the stored choice, else the system's), loads
// our embedded translations and Qt's own, and sets the writing direction for the whole run.

#include <QString>

#include <QLocale>

class QApplication;

namespace tq {

class Defaults;

// Returns the interface language in use ("en" when nothing better matches).
QString installTranslations(QApplication& app, Defaults& defaults);

// The locale of numbers and dates: the interface language in the system's region where the two
// make a known locale (German in Switzerland), else the language on its own.
QLocale formatLocale(const QString& interfaceLanguage, const QLocale& system);

} // namespace tq
