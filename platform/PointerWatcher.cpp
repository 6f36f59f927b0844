#include "platform/PointerWatcher.h"

#include "platform/DisplayLoss.h"
#include "platform/Log.h"

#include <QSocketNotifier>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace tq {

namespace {

class XInputPointerWatcher final : public PointerWatcher {
public:
    ~XInputPointerWatcher() override { stop(); }

    void stop() override
    {
        notifier_.reset();
        if (display_)
            XCloseDisplay(display_);
        display_ = nullptr;
    }

    bool start() override
    {
        if (display_)
            return true;
        Display* display = openXDisplay(nullptr);
        if (!display) {
            log::warning(QStringLiteral("pointer watcher: no X display"));
            return false;
        }
        int event = 0, error = 0, major = 2, minor = 2;
        if (!XQueryExtension(display, "XInputExtension", &opcode_, &event, &error)
            || XIQueryVersion(display, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1)) {
            log::warning(QStringLiteral("pointer watcher: the X server lacks XInput 2.1"));
            XCloseDisplay(display);
            return false;
        }
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawButtonPress);
        XIEventMask mask{XIAllMasterDevices, int(sizeof(bits)), bits};
        XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
        XSync(display, False);
        display_ = display;
        notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(display_), QSocketNotifier::Read);
        connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { drain(); });
        drain();
        return true;
    }

private:
    void drain()
    {
        while (display_ && XPending(display_)) {
            XEvent event;
            XNextEvent(display_, &event);
            if (event.type != GenericEvent || event.xcookie.extension != opcode_ || !XGetEventData(display_, &event.xcookie))
                continue;
            if (event.xcookie.evtype == XI_RawButtonPress) {
                const int button = static_cast<XIRawEvent*>(event.xcookie.data)->detail;
                XFreeEventData(display_, &event.xcookie);
                emit pressed(button >= 4 && button <= 7);
                continue;
            }
            XFreeEventData(display_, &event.xcookie);
        }
    }

    Display* display_ = nullptr;
    int opcode_ = 0;
    std::unique_ptr<QSocketNotifier> notifier_;
};

} // namespace

std::unique_ptr<PointerWatcher> PointerWatcher::createSystem() { return std::make_unique<XInputPointerWatcher>(); }

} // namespace tq
