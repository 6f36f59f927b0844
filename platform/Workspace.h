#pragma once
// Running applications of the session: windowed ones over EWMH (_NET_CLIENT_LIST,
// _NET_WM_PID) and the user's other processes from /proc, with their identifiers and names;
// ending them with SIGTERM or SIGKILL.

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>

#include <memory>

namespace tq {

class ActiveApp;
class Clock;

struct WorkspaceApp {
    qint64 pid = 0;
    QString bundleIdentifier; // may be empty
    QString name;             // may be empty
    QIcon icon;
    friend bool operator==(const WorkspaceApp& a, const WorkspaceApp& b)
    {
        return a.pid == b.pid && a.bundleIdentifier == b.bundleIdentifier && a.name == b.name;
    }
};

class Workspace : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Windowed applications first, then the user's other processes; never exited ones.
    virtual QList<WorkspaceApp> runningApplications() = 0;
    // Asks the process to end (SIGTERM); it may decline. False when it could not be signalled.
    virtual bool terminate(qint64 pid) = 0;
    // Ends the process (SIGKILL).
    virtual bool forceTerminate(qint64 pid) = 0;
    // Starts emitting runningApplicationsChanged (window list changes at once, other
    // processes within half a minute).
    virtual void startWatching() = 0;
    // This program's own process.
    virtual qint64 ownPid() const;

    // The system implementation (made once, by SystemPlatform).
    static std::unique_ptr<Workspace> createSystem(ActiveApp& apps, Clock& clock);

signals:
    void runningApplicationsChanged();
};

} // namespace tq
