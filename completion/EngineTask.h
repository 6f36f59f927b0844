#pragma once
// A cancellable job of the completion engine on the main thread.

#include "platform/Clock.h"

#include <functional>
#include <memory>
#include <vector>

namespace tq {

// Sleeps on the clock and cancel handlers. Cancelling stops every pending sleep and runs the
// handlers once (for example to cancel a provider call under way). Jobs never keep their
// owner alive.
class EngineTask {
public:
    explicit EngineTask(Clock& clock) : clock_(&clock) {}
    ~EngineTask();
    EngineTask(const EngineTask&) = delete;
    EngineTask& operator=(const EngineTask&) = delete;

    bool isCancelled() const { return cancelled_; }
    void cancel();
    // Runs `fn` after `delay` unless the job was cancelled first.
    void sleep(Nanos delay, std::function<void()> fn);
    // Runs at cancellation (at once when already cancelled).
    void onCancel(std::function<void()> handler);

private:
    Clock* clock_;
    bool cancelled_ = false;
    std::vector<TimerId> timers_;
    std::vector<std::function<void()>> handlers_;
};
using TaskHandle = std::shared_ptr<EngineTask>;

inline TaskHandle makeTask(Clock& clock) { return std::make_shared<EngineTask>(clock); }

// Cancels the job held in `slot`, if any.
inline void cancelTask(const TaskHandle& slot)
{
    if (slot)
        slot->cancel();
}

} // namespace tq
