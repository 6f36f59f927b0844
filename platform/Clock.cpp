#include "platform/Clock.h"

#include <QTimer>

#include <atomic>
#include <unordered_map>

namespace tq {

namespace {
const QDateTime& epoch2001()
{
    static const QDateTime e(QDate(2001, 1, 1), QTime(0, 0), Qt::UTC);
    return e;
}
} // namespace

double secondsSince2001(const QDateTime& t)
{
    return double(epoch2001().msecsTo(t)) / 1000.0;
}

QDateTime dateFromSecondsSince2001(double seconds)
{
    return epoch2001().addMSecs(qint64(seconds * 1000.0 + (seconds >= 0 ? 0.5 : -0.5)));
}

// ---- Timer

void Timer::start(Nanos delay, std::function<void()> fn) { arm(delay, std::move(fn), false); }

void Timer::startRepeating(Nanos interval, std::function<void()> fn) { arm(interval, std::move(fn), true); }

void Timer::arm(Nanos delay, std::function<void()> fn, bool repeating)
{
    cancel();
    auto alive = alive_;
    auto slot = std::make_shared<TimerId>(0);
    id_ = clock_->start(delay, [this, alive, slot, repeating, fn = std::move(fn)] {
        if (!*alive)
            return;
        // A one-shot timer is finished before its work runs, so the work may start it again.
        if (!repeating && id_ == *slot)
            id_ = 0;
        fn();
    }, repeating);
    *slot = id_;
}

void Timer::cancel()
{
    if (id_ != 0) {
        clock_->cancel(id_);
        id_ = 0;
    }
    // Runs already queued for the old timer must not reach a restarted one.
    *alive_ = false;
    alive_ = std::make_shared<bool>(true);
}

// ---- SystemClock

struct SystemClock::Impl {
    std::atomic<TimerId> next{1};
    std::unordered_map<TimerId, QTimer*> timers;
};

SystemClock::SystemClock() : d(std::make_unique<Impl>()) {}

SystemClock::~SystemClock()
{
    for (auto& [id, t] : d->timers)
        delete t;
}

Nanos SystemClock::monotonic() const
{
    return std::chrono::duration_cast<Nanos>(std::chrono::steady_clock::now().time_since_epoch());
}

QDateTime SystemClock::now() const { return QDateTime::currentDateTimeUtc(); }

TimerId SystemClock::start(Nanos delay, std::function<void()> fn, bool repeating)
{
    const TimerId id = d->next++;
    auto* t = new QTimer;
    t->setTimerType(Qt::PreciseTimer);
    t->setSingleShot(!repeating);
    const auto ms = std::chrono::duration_cast<Millis>(delay + Nanos(999'999));
    t->setInterval(int(std::min<long long>(ms.count(), INT32_MAX)));
    QObject::connect(t, &QTimer::timeout, t, [this, id, repeating, fn = std::move(fn)] {
        if (!repeating)
            cancel(id);
        fn();
    });
    d->timers.emplace(id, t);
    t->start();
    return id;
}

void SystemClock::cancel(TimerId id)
{
    auto it = d->timers.find(id);
    if (it == d->timers.end())
        return;
    it->second->stop();
    it->second->deleteLater();
    d->timers.erase(it);
}

// ---- VirtualClock

VirtualClock::VirtualClock(QDateTime start) : wallBase_(std::move(start)) {}

QDateTime VirtualClock::now() const
{
    return wallBase_.addMSecs(std::chrono::duration_cast<Millis>(mono_ - wallBaseMono_).count());
}

void VirtualClock::setNow(const QDateTime& t)
{
    wallBase_ = t;
    wallBaseMono_ = mono_;
}

TimerId VirtualClock::start(Nanos delay, std::function<void()> fn, bool repeating)
{
    if (delay < Nanos(0))
        delay = Nanos(0);
    if (repeating && delay == Nanos(0))
        delay = Nanos(1);
    const TimerId id = next_++;
    timers_.emplace(id, Entry{mono_ + delay, delay, repeating, std::move(fn)});
    return id;
}

void VirtualClock::cancel(TimerId id) { timers_.erase(id); }

void VirtualClock::advance(Nanos by)
{
    const Nanos target = mono_ + by;
    for (;;) {
        auto best = timers_.end();
        for (auto it = timers_.begin(); it != timers_.end(); ++it) {
            if (it->second.due <= target && (best == timers_.end() || it->second.due < best->second.due))
                best = it;
        }
        if (best == timers_.end())
            break;
        mono_ = std::max(mono_, best->second.due);
        const TimerId id = best->first;
        std::function<void()> fn = best->second.fn;
        if (best->second.repeating)
            best->second.due += best->second.interval;
        else
            timers_.erase(best);
        fn();
        (void)id;
    }
    mono_ = target;
}

} // namespace tq
