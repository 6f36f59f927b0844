#pragma once
// Reads the desktop's own configuration: GNOME's settings in-process through GIO, KDE's
// kdeglobals file.

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace tq::desktopconfig {

// The user's kdeglobals file, and its text (a null string where it cannot be read).
QString kdeglobalsPath();
QString readKdeglobals();

// Follows the GNOME schema's `keys` (where the schema is installed; a missing one is no
// error) and the kdeglobals file: `changed` fires when either changes. Reads never start a
// process and never wait for one. Main thread only: GIO's change signals come through its
// main context, which Qt's event loop runs.
class Watch final : public QObject {
    Q_OBJECT
public:
    Watch(const char* schema, const QStringList& keys, QObject* parent = nullptr);
    ~Watch() override;

    // The key's value as `gsettings get` prints it ("true", "'prefer-dark'"); none when the
    // schema or the key is not installed.
    std::optional<QString> value(const char* key) const;

signals:
    void changed();

private:
    struct GSettingsHandle;
    GSettingsHandle* settings_ = nullptr;
    QStringList keys_;
    QFileSystemWatcher watcher_;
    QString seen_; // the kdeglobals file as last seen
};

} // namespace tq::desktopconfig
