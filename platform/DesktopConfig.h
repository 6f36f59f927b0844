#pragma once
// Reads the desktop's own configuration: GNOME's settings through gsettings, KDE's kdeglobals.

#include <QFileSystemWatcher>
#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace tq::desktopconfig {

// The gsettings program, or an empty string where it is not installed.
QString gsettingsProgram();
// What `gsettings get schema key` prints, or an empty string when it fails.
QString gsettingsGet(const QString& program, const char* schema, const char* key);
// The user's kdeglobals file, and its text (a null string where it cannot be read).
QString kdeglobalsPath();
QString readKdeglobals();

// Follows the schema's `keys` through `gsettings monitor` (where gsettings is installed) and
// the kdeglobals file: `changed` fires when either changes.
class Watch final : public QObject {
    Q_OBJECT
public:
    Watch(const QString& gsettings, const char* schema, const QStringList& keys, QObject* parent = nullptr);
    ~Watch() override;

signals:
    void changed();

private:
    QProcess monitor_;
    QFileSystemWatcher watcher_;
    QString seen_; // the kdeglobals file as last seen
};

} // namespace tq::desktopconfig
