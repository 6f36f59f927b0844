#include "completion/EngineTask.h"

#include <algorithm>

namespace tq {

EngineTask::~EngineTask()
{
    for (TimerId id : timers_)
        clock_->cancel(id);
}

void EngineTask::cancel()
{
    if (cancelled_)
        return;
    cancelled_ = true;
    for (TimerId id : timers_)
        clock_->cancel(id);
    timers_.clear();
    auto handlers = std::move(handlers_);
    handlers_.clear();
    for (auto& h : handlers)
        if (h)
            h();
}

void EngineTask::sleep(Nanos delay, std::function<void()> fn)
{
    if (cancelled_)
        return;
    auto id = std::make_shared<TimerId>(0);
    // The timer's callback may outlive this job (a cancelled timer never runs, but be safe).
    *id = clock_->start(delay, [this, id, fn = std::move(fn)] {
        std::erase(timers_, *id);
        if (!cancelled_)
            fn();
    });
    timers_.push_back(*id);
}

void EngineTask::onCancel(std::function<void()> handler)
{
    if (cancelled_) {
        if (handler)
            handler();
        return;
    }
    handlers_.push_back(std::move(handler));
}

} // namespace tq
