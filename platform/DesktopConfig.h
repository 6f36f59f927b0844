#pragma once
// Reads the desktop's own configuration: GNOME's settings through gsettings, KDE's kdeglobals.

#include <QFileSystemWatcher>
#include <QObject>
#include <QProcess>
#include <QString>

namespace tq::desktopconfig {

// The gsettings program, or an empty string where it is not installed.
QString gsettingsProgram();
// What `gsettings get schema key` prints, or an empty string when it fails.
QString gsettingsGet(const QString& program, const char* schema, const char* key);
// The user's kdeglobals file, and its text (a null string where it cannot be read).
QString kdeglobalsPath();
QString readKdeglobals();

// Follows `gsettings monitor schema [key]` (where gsettings is installed) and the kdeglobals
// file: `changed` fires on either.
class Watch final : public QObject {
    Q_OBJECT
public:
    // `key` null: every key of the schema.
    Watch(const QString& gsettings, const char* schema, const char* key = nullptr, QObject* parent = nullptr);
    ~Watch() override;

signals:
    void changed();

private:
    QProcess monitor_;
    QFileSystemWatcher watcher_;
};

} // namespace tq::desktopconfig
