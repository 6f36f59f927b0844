#pragma once
// A key tap for tests: events are fed by hand and the handler's answers are returned.

#include "platform/KeyTapSource.h"

namespace tq {

class FakeKeyTapSource final : public KeyTapSource {
public:
    bool permitted = true;
    int startCalls = 0;
    Handler handler;
    QList<TapGrab> grabs;
    QList<TapGrab> refused;

    bool start(Handler h) override
    {
        ++startCalls;
        if (!permitted)
            return false;
        handler = std::move(h);
        running = true;
        return true;
    }
    bool isRunning() const override { return running; }
    void setGrabs(const QList<TapGrab>& g) override { grabs = g; }
    QList<TapGrab> refusedGrabs() const override { return refused; }

    // What the application would see: true when the event was swallowed.
    bool press(const TappedKey& key) { return handler && handler(key); }
    bool pointer() { return handler && handler(std::nullopt); }

private:
    bool running = false;
};

} // namespace tq
