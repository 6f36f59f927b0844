#pragma once
// The key tap over XInput2. A thread of its own reads a private X connection: raw key and
// button events on the root window are observed, and synchronous passive grabs hold the keys
// that may be swallowed until the main thread's handler answers. The handler must start within
// 150 ms of the press, by the server's time stamp; otherwise the key goes to the application
// and a handler that starts later never sees it. A handler that started is waited for, since
// it may already be acting on the key (up to one second, so that a stuck program never keeps
// the keyboard). Our own XTest keys pass without reaching the handler.

#include "platform/KeyTapSource.h"

#include <chrono>
#include <functional>
#include <memory>

namespace tq {

class InjectedKeys;

class XInputKeyTap final : public KeyTapSource {
public:
    // Our own presses are those `injected` holds.
    explicit XInputKeyTap(InjectedKeys& injected);
    ~XInputKeyTap() override;

    bool start(Handler handler) override;
    bool isRunning() const override;
    void setGrabs(const QList<TapGrab>& grabs) override;
    bool grabsApplied() const override;
    void onGrabsApplied(std::function<void()> applied) override;
    QList<TapGrab> refusedGrabs() const override;
    void onRefusedChanged(std::function<void()> changed) override;

    // The longest wait for the handler to start on a held key before the key is passed on.
    static constexpr std::chrono::milliseconds kDecisionTimeout{150};
    // The longest wait for the answer of a handler that started in time.
    static constexpr std::chrono::milliseconds kAnswerLimit{1000};

    // Test hook: the tap reads each held key this much later than it came, as it would in a
    // program that stalled (0, the default, in the product).
    void setDecisionDelay(std::chrono::milliseconds delay);

    // Called on the tap's thread after each held key was answered, with the time from reading
    // the event to sending the answer (for measurements).
    void setDecisionObserver(std::function<void(std::chrono::nanoseconds, bool swallowed)> observer);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
