#include "ui/design/FrameClock.h"

#include <QEvent>
#include <QWidget>

#include <algorithm>
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

namespace {
bool onScreen(const QWidget* w)
{
    return w->isVisible() && !w->window()->isMinimized();
}
} // namespace

FrameClock::ListenerId FrameClock::listen(std::function<void()> onFrame, QWidget* owner)
{
    const ListenerId id = next_++;
    Listener l{std::move(onFrame), owner, owner != nullptr, true};
    if (owner) {
        l.awake = onScreen(owner);
        // One filter per owner is enough: installing again moves it to the front.
        owner->removeEventFilter(this);
        owner->installEventFilter(this);
    }
    listeners_.emplace(id, std::move(l));
    follow();
    return id;
}

void FrameClock::unlisten(ListenerId id)
{
    listeners_.erase(id);
    follow();
}

bool FrameClock::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Hide) {
        // A hide while minimising leaves the widget "visible": the event itself decides.
        const bool awake = type == QEvent::Show;
        for (auto& [id, l] : listeners_) {
            if (l.owner == watched)
                l.awake = awake;
        }
        follow();
    }
    return QObject::eventFilter(watched, event);
}

bool FrameClock::Listener::live() const
{
    return awake && (!owned || owner);
}

void FrameClock::follow()
{
    const bool wanted = std::any_of(listeners_.begin(), listeners_.end(), [](const auto& entry) { return entry.second.live(); });
    if (wanted && !timer_)
        timer_ = clock_.start(interval_, [this] { tick(); }, true);
    else if (!wanted && timer_) {
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
        if (it != listeners_.end() && it->second.live()) {
            auto fn = it->second.onFrame;
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
    id_ = frames_.listen(
        [this] {
            if (target_)
                target_->update();
            if (!target_ || !moving_ || !moving_())
                stop();
        },
        target_);
}

void FrameDriver::stop()
{
    if (id_) {
        frames_.unlisten(id_);
        id_ = 0;
    }
}

} // namespace tq
