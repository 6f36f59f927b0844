#pragma once
// Start-up of the interface language: picks it (the stored choice, else the system's), loads
// our embedded translations and Qt's own, and sets the writing direction for the whole run.

#include <QString>

class QApplication;

namespace tq {

class Defaults;

// Returns the interface language in use ("en" when nothing better matches).
QString installTranslations(QApplication& app, Defaults& defaults);

} // namespace tq
