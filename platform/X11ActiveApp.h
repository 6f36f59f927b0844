#pragma once
// The active application from the X11 window manager: _NET_ACTIVE_WINDOW on the root
// window, _NET_WM_PID of that window, watched through PropertyNotify on an own connection.

#include "platform/ActiveApp.h"

#include <memory>

namespace tq {

class X11ActiveApp final : public ActiveApp {
    Q_OBJECT
public:
    explicit X11ActiveApp(QObject* parent = nullptr);
    ~X11ActiveApp() override;

    std::optional<qint64> frontmostPid() override;
    std::optional<RunningApplication> application(qint64 pid) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
    void drainEvents();
};

} // namespace tq
