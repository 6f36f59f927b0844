#pragma once
// Reads the desktop's own configuration: GNOME's settings through gsettings, KDE's kdeglobals.

#include <QString>

namespace tq::desktopconfig {

// The gsettings program, or an empty string where it is not installed.
QString gsettingsProgram();
// What `gsettings get schema key` prints, or an empty string when it fails.
QString gsettingsGet(const QString& program, const char* schema, const char* key);
// The user's kdeglobals file, and its text (a null string where it cannot be read).
QString kdeglobalsPath();
QString readKdeglobals();

} // namespace tq::desktopconfig
