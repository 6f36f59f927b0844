#include "platform/XInputKeyTap.h"

#include "platform/DisplayLoss.h"
#include "platform/EventLag.h"
#include "platform/KeyboardGrab.h"
#include "platform/KeyNames.h"
#include "platform/Log.h"
#include "platform/XTestInjectedKeys.h"

#include <QCoreApplication>
#include <QHash>
#include <QObject>
#include <QPointer>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>
#include <xkbcommon/xkbcommon.h>

#include <atomic>
#include <bitset>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace tq {

namespace {

// One held key waiting for the main thread's answer.
struct Decision {
    std::mutex mutex;
    std::condition_variable cv;
    bool started = false;
    bool abandoned = false;
    bool done = false;
    bool swallow = false;
};

} // namespace

struct XInputKeyTap::Impl {
    explicit Impl(InjectedKeys& injected) : injected(injected) {}

    InjectedKeys& injected;
    Display* display = nullptr;
    Window root = 0;
    int xiOpcode = 0;
    int masterKeyboard = -1;
    int xtestKeyboard = -1;
    unsigned altMask = Mod1Mask, superMask = Mod4Mask, numLockMask = Mod2Mask;
    int wake[2] = {-1, -1};
    std::thread thread;
    std::atomic<bool> stop{false};
    std::atomic<bool> running{false};
    Handler handler;
    std::unique_ptr<QObject> context; // lives on the main thread; target of queued calls

    // Shared with the main thread.
    mutable std::mutex mutex;
    QList<TapGrab> wanted;
    bool dirty = false;
    quint64 asked = 0;   // revisions of `wanted`
    quint64 applied = 0; // the last revision held at the server
    QList<TapGrab> refused;
    std::function<void()> refusedChanged; // set before start()
    std::function<void()> grabsApplied;
    std::function<void(std::chrono::nanoseconds, bool)> observer;
    std::chrono::milliseconds decisionDelay{0};

    // Tap thread only.
    EventLag lag;
    QList<TapGrab> active;
    std::bitset<256> down;
    QHash<unsigned, unsigned> heldMods; // modifier key code → its modifier mask, while held

    ~Impl() { shutdown(); }

    void shutdown()
    {
        if (thread.joinable()) {
            stop = true;
            poke();
            thread.join();
        }
        if (display) {
            XCloseDisplay(display);
            display = nullptr;
        }
        for (int& fd : wake)
            if (fd >= 0) {
                close(fd);
                fd = -1;
            }
        running = false;
    }

    void poke()
    {
        if (wake[1] >= 0) {
            const char c = 1;
            [[maybe_unused]] ssize_t n = write(wake[1], &c, 1);
        }
    }

    bool open()
    {
        display = openXDisplay(nullptr);
        if (!display) {
            log::warning(QStringLiteral("key tap: no X display"));
            return false;
        }
        int event = 0, error = 0, major = 2, minor = 2;
        if (!XQueryExtension(display, "XInputExtension", &xiOpcode, &event, &error)
            || XIQueryVersion(display, &major, &minor) != Success || major < 2 || (major == 2 && minor < 1)) {
            log::warning(QStringLiteral("key tap: the X server lacks XInput 2.1"));
            return false;
        }
        root = DefaultRootWindow(display);
        int count = 0;
        XIDeviceInfo* devices = XIQueryDevice(display, XIAllDevices, &count);
        for (int i = 0; i < count; ++i)
            if (devices[i].use == XIMasterKeyboard && masterKeyboard < 0)
                masterKeyboard = devices[i].deviceid;
        for (int i = 0; i < count; ++i)
            if (devices[i].use == XISlaveKeyboard && QByteArray(devices[i].name).contains("XTEST")
                && devices[i].attachment == masterKeyboard)
                xtestKeyboard = devices[i].deviceid;
        XIFreeDeviceInfo(devices);
        if (masterKeyboard < 0) {
            log::warning(QStringLiteral("key tap: no keyboard device"));
            return false;
        }
        auto maskOf = [&](KeySym sym, unsigned fallback) {
            const unsigned m = XkbKeysymToModifiers(display, sym);
            return m ? m : fallback;
        };
        altMask = maskOf(XK_Alt_L, Mod1Mask);
        superMask = maskOf(XK_Super_L, Mod4Mask);
        numLockMask = maskOf(XK_Num_Lock, Mod2Mask);

        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_RawKeyPress);
        XISetMask(bits, XI_RawKeyRelease);
        XISetMask(bits, XI_RawButtonPress);
        XIEventMask mask{XIAllMasterDevices, int(sizeof(bits)), bits};
        XISelectEvents(display, root, &mask, 1);
        XSync(display, False);
        if (pipe2(wake, O_CLOEXEC | O_NONBLOCK) != 0) {
            log::warning(QStringLiteral("key tap: no wake-up pipe"));
            return false;
        }
        return true;
    }

    std::uint8_t modifierBits(unsigned mods) const
    {
        std::uint8_t bits = 0;
        if (mods & superMask)
            bits |= 1;
        if (mods & altMask)
            bits |= 2;
        if (mods & ControlMask)
            bits |= 4;
        if (mods & ShiftMask)
            bits |= 8;
        return bits;
    }

    unsigned xMods(std::uint8_t bits) const
    {
        unsigned m = 0;
        if (bits & 1)
            m |= superMask;
        if (bits & 2)
            m |= altMask;
        if (bits & 4)
            m |= ControlMask;
        if (bits & 8)
            m |= ShiftMask;
        return m;
    }

    TappedKey makeKey(unsigned code, unsigned mods, unsigned group, bool repeat) const
    {
        TappedKey key;
        key.keyCode = macKeyCodeFromX11(code).value_or(0xFFFF);
        key.modifiers = modifierBits(mods);
        key.isRepeat = repeat;
        unsigned consumed = 0;
        KeySym sym = NoSymbol;
        if (XkbLookupKeySym(display, KeyCode(code), XkbBuildCoreState(mods, group), &consumed, &sym) && sym != NoSymbol) {
            char buf[16] = {};
            const int n = xkb_keysym_to_utf8(xkb_keysym_t(sym), buf, sizeof buf);
            if (n > 1)
                key.characters = QString::fromUtf8(buf, n - 1);
        }
        return key;
    }

    bool isGrabbed(const TappedKey& key) const
    {
        const TapGrab g{key.keyCode, key.modifiers};
        std::lock_guard lock(mutex);
        return active.contains(g) && !refused.contains(g);
    }

    bool grabsKeyCode(unsigned code) const
    {
        const auto mac = macKeyCodeFromX11(code);
        if (!mac)
            return false;
        return std::any_of(active.begin(), active.end(), [&](const TapGrab& g) { return g.keyCode == *mac; });
    }

    // Each grab under every Caps Lock / Num Lock combination.
    QList<XIGrabModifiers> combos(const TapGrab& g) const
    {
        const unsigned base = xMods(g.modifiers);
        QList<XIGrabModifiers> out;
        for (unsigned extra : {0u, unsigned(LockMask), numLockMask, unsigned(LockMask) | numLockMask})
            out.append(XIGrabModifiers{int(base | extra), 0});
        return out;
    }

    void applyGrabs()
    {
        QList<TapGrab> target;
        quint64 revision = 0;
        {
            std::lock_guard lock(mutex);
            if (!dirty)
                return;
            dirty = false;
            target = wanted;
            revision = asked;
        }
        QList<TapGrab> nowRefused;
        QList<TapGrab> nowActive;
        for (const TapGrab& g : active) {
            if (target.contains(g))
                continue;
            const auto code = x11KeyCodeFromMac(g.keyCode);
            if (!code)
                continue;
            QList<XIGrabModifiers> mods = combos(g);
            XIUngrabKeycode(display, masterKeyboard, int(*code), root, int(mods.size()), mods.data());
        }
        for (const TapGrab& g : target) {
            const auto code = x11KeyCodeFromMac(g.keyCode);
            if (!code) {
                nowRefused.append(g);
                continue;
            }
            nowActive.append(g);
            if (active.contains(g)) {
                std::lock_guard lock(mutex);
                if (refused.contains(g))
                    nowRefused.append(g);
                continue;
            }
            unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
            XISetMask(bits, XI_KeyPress);
            XISetMask(bits, XI_KeyRelease);
            XIEventMask mask{masterKeyboard, int(sizeof(bits)), bits};
            QList<XIGrabModifiers> mods = combos(g);
            const int failed = XIGrabKeycode(display, masterKeyboard, int(*code), root, XIGrabModeSync, XIGrabModeAsync,
                                             False, &mask, int(mods.size()), mods.data());
            if (failed != 0) {
                nowRefused.append(g);
                log::warning(QStringLiteral("key tap: key %1 with modifiers %2 is already grabbed by another program")
                                 .arg(g.keyCode).arg(g.modifiers));
            }
        }
        XSync(display, False);
        std::function<void()> changed;
        std::function<void()> done;
        {
            std::lock_guard lock(mutex);
            active = nowActive;
            if (refused != nowRefused)
                changed = refusedChanged;
            refused = nowRefused;
            applied = revision;
            done = grabsApplied;
        }
        if (changed)
            QMetaObject::invokeMethod(context.get(), changed, Qt::QueuedConnection);
        if (done)
            QMetaObject::invokeMethod(context.get(), done, Qt::QueuedConnection);
    }

    void observe(const std::optional<TappedKey>& key)
    {
        QMetaObject::invokeMethod(context.get(), [h = handler, key] { h(key); }, Qt::QueuedConnection);
    }

    // How late the event stamped `time` is read, noting it for the next ones.
    std::chrono::milliseconds readLate(Time time)
    {
        const auto local = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        return std::chrono::milliseconds(lag.read(std::uint32_t(time), local.count()));
    }

    // Asks the main thread about a held key pressed `late` before `began`. The answer must
    // start within 150 ms of the press: a handler that gets to the key later never sees it, so
    // nothing is acted on while the key goes on to the application behind the keys typed
    // after it. A handler that started may already be inserting text for the key: its answer
    // is awaited, else the key would both be acted on and reach the application.
    bool decide(const TappedKey& key, std::chrono::steady_clock::time_point began, std::chrono::milliseconds late)
    {
        if (late >= kDecisionTimeout) {
            log::warning(QStringLiteral("key tap: a held key was read %1 ms after it was pressed, passing it on")
                             .arg(late.count()));
            return false;
        }
        const auto deadline = began + kDecisionTimeout - late;
        auto decision = std::make_shared<Decision>();
        auto ask = [h = handler, key, decision, deadline] {
            {
                std::lock_guard lock(decision->mutex);
                if (decision->abandoned || std::chrono::steady_clock::now() > deadline) {
                    decision->abandoned = true;
                    return; // too late: the key goes to the application
                }
                decision->started = true;
            }
            const bool swallow = h(key);
            std::lock_guard lock(decision->mutex);
            decision->done = true;
            decision->swallow = swallow;
            decision->cv.notify_all();
        };
        QMetaObject::invokeMethod(context.get(), ask, Qt::QueuedConnection);
        std::unique_lock lock(decision->mutex);
        const auto done = [&] { return decision->done; };
        if (decision->cv.wait_until(lock, deadline, done))
            return decision->swallow;
        if (!decision->started) {
            decision->abandoned = true;
            log::warning(QStringLiteral("key tap: no decision within 150 ms, passing the key on"));
            return false;
        }
        if (decision->cv.wait_until(lock, began + kAnswerLimit, done))
            return decision->swallow;
        log::error(QStringLiteral("key tap: the handler has not answered after %1 ms, passing the key on")
                       .arg(kAnswerLimit.count()));
        return false;
    }

    void answer(Time time, bool swallow)
    {
        if (swallow) {
            // Ending the grab thaws the keyboard and lets the queued events go on without it:
            // keys typed (or inserted by the handler) before this key's release reach the
            // application, and only this press is kept from it. An asynchronous thaw first
            // would let the grab catch those keys, and a later ungrab could end a new grab
            // that one of them started.
            XIUngrabDevice(display, masterKeyboard, time);
        } else {
            XIAllowEvents(display, masterKeyboard, XIReplayDevice, time);
        }
        XFlush(display);
    }

    void handle(XEvent& event)
    {
        if (event.type != GenericEvent || event.xcookie.extension != xiOpcode || !XGetEventData(display, &event.xcookie))
            return;
        switch (event.xcookie.evtype) {
        case XI_RawKeyPress: {
            const auto* raw = static_cast<XIRawEvent*>(event.xcookie.data);
            readLate(raw->time);
            const unsigned code = unsigned(raw->detail) & 0xFF;
            const bool repeat = down.test(code);
            down.set(code);
            const KeySym sym = XkbKeycodeToKeysym(display, KeyCode(code), 0, 0);
            if (IsModifierKey(sym)) {
                // Held modifiers are followed here, in event order: asking the server later
                // could see a modifier already released.
                if (sym != XK_Caps_Lock && sym != XK_Num_Lock && sym != XK_Shift_Lock)
                    heldMods.insert(code, XkbKeysymToModifiers(display, sym));
                break; // modifier changes alone are not key presses
            }
            if (raw->sourceid == xtestKeyboard && injected.takeRaw(code)) {
                if (!grabsKeyCode(code))
                    injected.settleUngrabbed(code);
                break;
            }
            XkbStateRec state{};
            XkbGetState(display, XkbUseCoreKbd, &state);
            unsigned mods = state.locked_mods & (LockMask | numLockMask);
            for (unsigned m : std::as_const(heldMods))
                mods |= m;
            const TappedKey key = makeKey(code, mods, state.group, repeat);
            if (!isGrabbed(key))
                observe(key);
            break;
        }
        case XI_RawKeyRelease: {
            readLate(static_cast<XIRawEvent*>(event.xcookie.data)->time);
            const unsigned code = unsigned(static_cast<XIRawEvent*>(event.xcookie.data)->detail) & 0xFF;
            down.reset(code);
            heldMods.remove(code);
            break;
        }
        case XI_RawButtonPress:
            readLate(static_cast<XIRawEvent*>(event.xcookie.data)->time);
            observe(std::nullopt);
            break;
        case XI_KeyPress: {
            const keyboardgrab::OwnGrab grabbed; // ours until answered
            const auto* dev = static_cast<XIDeviceEvent*>(event.xcookie.data);
            std::chrono::milliseconds stall;
            {
                std::lock_guard lock(mutex);
                stall = decisionDelay;
            }
            if (stall.count() > 0)
                std::this_thread::sleep_for(stall); // test hook: the whole program stalled
            const auto began = std::chrono::steady_clock::now();
            const auto late = readLate(dev->time);
            const unsigned code = unsigned(dev->detail) & 0xFF;
            if (dev->sourceid == xtestKeyboard && injected.takeGrab(code)) {
                answer(dev->time, false);
                break;
            }
            TappedKey key = makeKey(code, unsigned(dev->mods.effective), unsigned(dev->group.effective),
                                    (dev->flags & XIKeyRepeat) != 0);
            key.held = true;
            const bool swallow = decide(key, began, late);
            answer(dev->time, swallow);
            std::function<void(std::chrono::nanoseconds, bool)> obs;
            {
                std::lock_guard lock(mutex);
                obs = observer;
            }
            if (obs)
                obs(std::chrono::steady_clock::now() - began, swallow);
            break;
        }
        default:
            break;
        }
        XFreeEventData(display, &event.xcookie);
    }

    void loop()
    {
        const int xfd = ConnectionNumber(display);
        while (!stop) {
            applyGrabs();
            while (!stop && XPending(display)) {
                XEvent event;
                XNextEvent(display, &event);
                handle(event);
                applyGrabs();
            }
            pollfd fds[2] = {{xfd, POLLIN, 0}, {wake[0], POLLIN, 0}};
            if (poll(fds, 2, -1) < 0 && errno != EINTR)
                break;
            if (fds[1].revents & POLLIN) {
                char buf[64];
                while (read(wake[0], buf, sizeof buf) > 0) {
                }
            }
            if (fds[0].revents & (POLLERR | POLLHUP))
                break;
        }
        running = false;
        // Nothing waits for grabs of a tap that has ended.
        std::function<void()> done;
        {
            std::lock_guard lock(mutex);
            done = grabsApplied;
        }
        if (done && !stop)
            QMetaObject::invokeMethod(context.get(), done, Qt::QueuedConnection);
    }
};

XInputKeyTap::XInputKeyTap(InjectedKeys& injected) : d(std::make_unique<Impl>(injected)) {}

XInputKeyTap::~XInputKeyTap() = default;

bool XInputKeyTap::start(Handler handler)
{
    if (d->running)
        return true;
    d->shutdown();
    d->stop = false;
    d->masterKeyboard = d->xtestKeyboard = -1;
    d->active.clear();
    if (!QCoreApplication::instance() || !d->open()) {
        d->shutdown();
        return false;
    }
    d->handler = std::move(handler);
    d->context = std::make_unique<QObject>();
    {
        std::lock_guard lock(d->mutex);
        d->dirty = true;
        ++d->asked; // held again only once the new thread has grabbed them
    }
    d->running = true;
    d->thread = std::thread([impl = d.get()] { impl->loop(); });
    return true;
}

bool XInputKeyTap::isRunning() const { return d->running; }

void XInputKeyTap::setGrabs(const QList<TapGrab>& grabs)
{
    std::lock_guard lock(d->mutex);
    if (d->wanted == grabs && !d->dirty)
        return;
    d->wanted = grabs;
    d->dirty = true;
    ++d->asked;
    d->poke();
}

bool XInputKeyTap::grabsApplied() const
{
    std::lock_guard lock(d->mutex);
    return !d->running || d->applied >= d->asked;
}

void XInputKeyTap::onGrabsApplied(std::function<void()> applied)
{
    std::lock_guard lock(d->mutex);
    d->grabsApplied = std::move(applied);
}

QList<TapGrab> XInputKeyTap::refusedGrabs() const
{
    std::lock_guard lock(d->mutex);
    return d->refused;
}

void XInputKeyTap::onRefusedChanged(std::function<void()> changed)
{
    std::lock_guard lock(d->mutex);
    d->refusedChanged = std::move(changed);
}

void XInputKeyTap::setDecisionDelay(std::chrono::milliseconds delay)
{
    std::lock_guard lock(d->mutex);
    d->decisionDelay = delay;
}

void XInputKeyTap::setDecisionObserver(std::function<void(std::chrono::nanoseconds, bool)> observer)
{
    std::lock_guard lock(d->mutex);
    d->observer = std::move(observer);
}

} // namespace tq
