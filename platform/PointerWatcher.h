#pragma once
// Mouse button presses and wheel turns anywhere in the session, only seen, never held. It
// needs no key tap and no accessibility access: the tray panel closes on a press outside it
// in every mode. Watched only between start() and stop(), so that presses wake the program
// only while something waits for them.

#include <QObject>

#include <memory>

namespace tq {

class PointerWatcher : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~PointerWatcher() override = default;

    // Starts watching; true when it runs (also when it already ran).
    virtual bool start() = 0;
    // Stops watching; start() may follow again.
    virtual void stop() = 0;

    // The X implementation: XInput2 raw button events on the root window, over a connection
    // of its own read on the main thread.
    static std::unique_ptr<PointerWatcher> createSystem();

signals:
    // `wheel`: a wheel turn (buttons 4 to 7), else a button press.
    void pressed(bool wheel);
};

} // namespace tq
