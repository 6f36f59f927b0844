#pragma once
// One frame clock for every animated view, driven by the shared Clock: it ticks only while
// some view that is on screen is moving, so an idle or hidden window costs no CPU. Drawing
// reads `seconds()` and is a pure function of it, so a virtual clock can render any moment.

#include "platform/Clock.h"

#include <QObject>
#include <QPointer>

#include <cstdint>
#include <functional>
#include <map>

class QWidget;

namespace tq {

class FrameClock final : public QObject {
    Q_OBJECT
public:
    using ListenerId = std::uint64_t;

    explicit FrameClock(Clock& clock, Nanos interval = Millis(16), QObject* parent = nullptr);
    ~FrameClock() override;

    // Monotonic time in seconds; only differences mean anything.
    double seconds() const;
    Clock& clock() const { return clock_; }

    // Calls `onFrame` every frame until unlisten(); the clock runs while anyone listens.
    // With an `owner`, the listener sleeps while that widget is hidden (its window closed or
    // minimised) and wakes when it is shown again.
    ListenerId listen(std::function<void()> onFrame, QWidget* owner = nullptr);
    void unlisten(ListenerId id);

    bool isRunning() const { return timer_ != 0; }
    // Frames delivered since the clock was made.
    std::uint64_t ticks() const { return ticks_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Listener {
        std::function<void()> onFrame;
        QPointer<QWidget> owner;
        bool owned = false; // a gone owner keeps its listener asleep
        bool awake = true;
        bool live() const; // awake, and its owner (if any) still there
    };
    void tick();
    // Runs the timer exactly while some listener is awake.
    void follow();
    Clock& clock_;
    Nanos interval_;
    TimerId timer_ = 0;
    ListenerId next_ = 1;
    std::uint64_t ticks_ = 0;
    std::map<ListenerId, Listener> listeners_;
};

// Repaints one widget on every frame while it moves and is shown. `moving` is asked after each
// repaint request; once it answers false the widget stops listening.
class FrameDriver {
public:
    FrameDriver(FrameClock& frames, QWidget* target);
    ~FrameDriver();
    FrameDriver(const FrameDriver&) = delete;
    FrameDriver& operator=(const FrameDriver&) = delete;

    // Starts (or keeps) repainting; `moving` replaces the previous test.
    void run(std::function<bool()> moving);
    void stop();
    bool isRunning() const { return id_ != 0; }
    FrameClock& frames() const { return frames_; }

private:
    FrameClock& frames_;
    QPointer<QWidget> target_;
    std::function<bool()> moving_;
    FrameClock::ListenerId id_ = 0;
};

} // namespace tq
