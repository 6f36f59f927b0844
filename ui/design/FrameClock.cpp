#include "ui/design/FrameClock.h"

#include <QWidget>

#include <vector>

namespace tq {

FrameClock::FrameClock(Clock& clock, Nanos interval, QObject* parent)
    : QObject(parent), clock_(clock), interval_(interval)
{
}

FrameClock::~FrameClock()
{
    if (timer_)
        clock_.cancel(timer_);
}

double FrameClock::seconds() const
{
    return std::chrono::duration<double>(clock_.monotonic()).count();
}

FrameClock::ListenerId FrameClock::listen(std::function<void()> onFrame)
{
    const ListenerId id = next_++;
    listeners_.emplace(id, std::move(onFrame));
    if (!timer_)
        timer_ = clock_.start(interval_, [this] { tick(); }, true);
    return id;
}

void FrameClock::unlisten(ListenerId id)
{
    listeners_.erase(id);
    if (listeners_.empty() && timer_) {
        clock_.cancel(timer_);
        timer_ = 0;
    }
}

void FrameClock::tick()
{
    ++ticks_;
    // Listeners may unlisten (or listen) while being called.
    std::vector<ListenerId> ids;
    ids.reserve(listeners_.size());
    for (const auto& [id, fn] : listeners_)
        ids.push_back(id);
    for (ListenerId id : ids) {
        auto it = listeners_.find(id);
        if (it != listeners_.end()) {
            auto fn = it->second;
            fn();
        }
    }
}

FrameDriver::FrameDriver(FrameClock& frames, QWidget* target) : frames_(frames), target_(target) {}

FrameDriver::~FrameDriver()
{
    stop();
}

void FrameDriver::run(std::function<bool()> moving)
{
    moving_ = std::move(moving);
    if (target_)
        target_->update();
    if (id_)
        return;
    id_ = frames_.listen([this] {
        if (target_)
            target_->update();
        if (!target_ || !moving_ || !moving_())
            stop();
    });
}

void FrameDriver::stop()
{
    if (id_) {
        frames_.unlisten(id_);
        id_ = 0;
    }
}

} // namespace tq
