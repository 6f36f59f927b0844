#pragma once
// Running applications and the frontmost one, set by the test.

#include "platform/ActiveApp.h"

#include <map>

namespace tq {

class FakeActiveApp final : public ActiveApp {
    Q_OBJECT
public:
    std::optional<qint64> frontmost;
    std::map<qint64, RunningApplication> running;

    std::optional<qint64> frontmostPid() override { return frontmost; }
    std::optional<RunningApplication> application(qint64 pid) override
    {
        auto it = running.find(pid);
        return it == running.end() ? std::nullopt : std::optional<RunningApplication>(it->second);
    }
    void add(qint64 pid, const QString& id, const QString& name) { running[pid] = {pid, id, name}; }
    // Makes `pid` frontmost and announces it.
    void activate(qint64 pid)
    {
        frontmost = pid;
        emit activated(pid);
    }
};

} // namespace tq
