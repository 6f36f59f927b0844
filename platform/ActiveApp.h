#pragma once
// The frontmost application and what is known of a running application: its identifier
// (desktop entry id, else WM_CLASS class, else the executable's name) and its display name.

#include <QObject>
#include <QString>

#include <optional>

namespace tq {

// Programs built on Chromium keep the web content of their windows out of the accessibility
// tree until asked for it.
enum class WebRuntime { none, chromium, electron };

struct RunningApplication {
    qint64 pid = 0;
    QString bundleIdentifier; // empty when none could be found
    QString localizedName;    // empty when none could be found
    WebRuntime webRuntime = WebRuntime::none;
    // How the user starts it (its desktop entry's command, else its launcher or executable);
    // known for web runtimes only.
    QString launchCommand;
    friend bool operator==(const RunningApplication&, const RunningApplication&) = default;
};

class ActiveApp : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~ActiveApp() override = default;

    // The process of the active window; nullopt when there is none.
    virtual std::optional<qint64> frontmostPid() = 0;
    // nullopt when no such process runs.
    virtual std::optional<RunningApplication> application(qint64 pid) = 0;

signals:
    // Another application became active; pid 0 when the new active window has no process.
    void activated(qint64 pid);
};

// Identifier and name lookups without a window system, shared by the implementations.
namespace appid {
// The desktop entry id the process was launched from (GIO_LAUNCHED_DESKTOP_FILE or its
// Flatpak id), empty when unknown.
QString launchedDesktopId(qint64 pid);
// The executable's name from /proc, empty when the process is gone.
QString executableName(qint64 pid);
bool processExists(qint64 pid);
// The Name of a desktop entry in the XDG data folders, empty when not found.
QString desktopEntryName(const QString& desktopId);
// Strips a trailing ".desktop".
QString normalizedDesktopId(QString id);
} // namespace appid

} // namespace tq
