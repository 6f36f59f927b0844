#include "platform/LatestJobWorker.h"

#include <utility>

namespace tq {

LatestJobWorker::LatestJobWorker(std::function<void()> onStart)
    : thread_([this, onStart = std::move(onStart)] { run(onStart); })
{
}

LatestJobWorker::~LatestJobWorker()
{
    {
        const std::lock_guard guard(lock_);
        stopping_ = true;
        waiting_.reset();
    }
    wake_.notify_one();
    thread_.join();
}

void LatestJobWorker::submit(std::function<void()> work, std::function<void()> replaced)
{
    std::optional<Job> earlier;
    {
        const std::lock_guard guard(lock_);
        earlier = std::exchange(waiting_, Job{std::move(work), std::move(replaced)});
    }
    wake_.notify_one();
    if (earlier && earlier->replaced)
        earlier->replaced();
}

void LatestJobWorker::run(const std::function<void()>& onStart)
{
    if (onStart)
        onStart();
    for (;;) {
        std::function<void()> work;
        {
            std::unique_lock guard(lock_);
            wake_.wait(guard, [this] { return stopping_ || waiting_; });
            if (stopping_)
                return;
            work = std::move(waiting_->work);
            waiting_.reset();
        }
        work();
    }
}

} // namespace tq
