#pragma once
// Running applications set by hand; terminate requests are recorded and, when the app is
// willing, end it.

#include "platform/Workspace.h"

#include <QSet>

namespace tq {

class FakeWorkspace final : public Workspace {
public:
    QList<WorkspaceApp> apps;
    QSet<qint64> declines; // ignore SIGTERM
    QList<qint64> terminated;
    QList<qint64> killed;
    qint64 own = 4242;
    bool watching = false;

    void launch(const WorkspaceApp& app)
    {
        apps.append(app);
        emit runningApplicationsChanged();
    }
    void exit(qint64 pid)
    {
        apps.removeIf([pid](const WorkspaceApp& a) { return a.pid == pid; });
        emit runningApplicationsChanged();
    }

    QList<WorkspaceApp> runningApplications() override { return apps; }
    bool terminate(qint64 pid) override
    {
        terminated.append(pid);
        if (!declines.contains(pid))
            apps.removeIf([pid](const WorkspaceApp& a) { return a.pid == pid; });
        return true;
    }
    bool forceTerminate(qint64 pid) override
    {
        killed.append(pid);
        apps.removeIf([pid](const WorkspaceApp& a) { return a.pid == pid; });
        return true;
    }
    void startWatching() override { watching = true; }
    qint64 ownPid() const override { return own; }
};

} // namespace tq
