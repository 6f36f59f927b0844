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
    // The window system takes the grabs at once, or (false) only at applyGrabs().
    bool appliesAtOnce = true;
    void setGrabs(const QList<TapGrab>& g) override
    {
        grabs = g;
        pending = !appliesAtOnce;
    }
    bool grabsApplied() const override { return !running || !pending; }
    void onGrabsApplied(std::function<void()> applied) override { grabsAppliedChanged = std::move(applied); }
    // The grabs asked for last are in force from now on.
    void applyGrabs()
    {
        pending = false;
        if (grabsAppliedChanged)
            grabsAppliedChanged();
    }
    std::function<void()> grabsAppliedChanged;
    QList<TapGrab> refusedGrabs() const override { return refused; }
    void onRefusedChanged(std::function<void()> changed) override { refusedChanged = std::move(changed); }
    // Another program holds `grabs` from now on.
    void refuse(const QList<TapGrab>& grabs)
    {
        refused = grabs;
        if (refusedChanged)
            refusedChanged();
    }
    std::function<void()> refusedChanged;

    // What the application would see: true when the event was swallowed.
    // Only a key in `grabs` (and not refused) is held for the answer, as on the X server.
    bool press(const TappedKey& key)
    {
        TappedKey k = key;
        const TapGrab g{k.keyCode, k.modifiers};
        k.held = grabs.contains(g) && !refused.contains(g);
        const bool swallow = handler && handler(k);
        return swallow && k.held;
    }
    bool pointer() { return handler && handler(std::nullopt); }

private:
    bool running = false;
    bool pending = false;
};

} // namespace tq
