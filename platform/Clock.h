#pragma once
// One injectable source of time and timers. Every wait in the program (debounces, polls,
// retries, time-outs) goes through a Clock so tests can run in virtual time.

#include <QDateTime>

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>

namespace tq {

using Nanos = std::chrono::nanoseconds;
using Millis = std::chrono::milliseconds;
using TimerId = std::uint64_t;

class Clock {
public:
    virtual ~Clock() = default;

    // Continuous monotonic time; only differences are meaningful.
    virtual Nanos monotonic() const = 0;
    // Wall-clock time in UTC.
    virtual QDateTime now() const = 0;

    // Runs `fn` on the clock's thread after `delay` (and every `delay` after that when
    // repeating). Returns an id for cancel(); ids are never 0 and never reused.
    virtual TimerId start(Nanos delay, std::function<void()> fn, bool repeating = false) = 0;
    // Cancelling an unknown or finished timer does nothing.
    virtual void cancel(TimerId id) = 0;
};

// Seconds since 2001-01-01 00:00:00 UTC: the date form of every stored file.
double secondsSince2001(const QDateTime& t);
QDateTime dateFromSecondsSince2001(double seconds);

// A single timer owned by one object: starting again replaces the pending run, and the
// timer is cancelled when the owner goes away. The usual shape of a debounce.
class Timer {
public:
    explicit Timer(Clock& clock) : clock_(&clock) {}
    ~Timer() { cancel(); }
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    void start(Nanos delay, std::function<void()> fn);
    void startRepeating(Nanos interval, std::function<void()> fn);
    void cancel();
    bool isActive() const { return id_ != 0; }
    Clock& clock() const { return *clock_; }

private:
    void arm(Nanos delay, std::function<void()> fn, bool repeating);
    Clock* clock_;
    TimerId id_ = 0;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// Real time: steady_clock for monotonic time, Qt timers on the calling thread's event loop.
class SystemClock final : public Clock {
public:
    SystemClock();
    ~SystemClock() override;
    Nanos monotonic() const override;
    QDateTime now() const override;
    TimerId start(Nanos delay, std::function<void()> fn, bool repeating = false) override;
    void cancel(TimerId id) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Virtual time for tests: nothing happens until advance() moves the clock; timers fire in
// due order (ties in the order they were started), each seeing now() at its due time.
class VirtualClock final : public Clock {
public:
    explicit VirtualClock(QDateTime start = QDateTime(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC));
    Nanos monotonic() const override { return mono_; }
    QDateTime now() const override;
    TimerId start(Nanos delay, std::function<void()> fn, bool repeating = false) override;
    void cancel(TimerId id) override;

    void advance(Nanos by);
    // Runs every timer due now or earlier without moving the clock.
    void runDue() { advance(Nanos(0)); }
    // Moves the wall clock only (a changed system time); monotonic time stays.
    void setNow(const QDateTime& t);
    std::size_t pendingCount() const { return timers_.size(); }

private:
    struct Entry {
        Nanos due;
        Nanos interval;
        bool repeating;
        std::function<void()> fn;
    };
    Nanos mono_{0};
    QDateTime wallBase_;
    Nanos wallBaseMono_{0};
    TimerId next_ = 1;
    std::map<TimerId, Entry> timers_;
};

} // namespace tq
