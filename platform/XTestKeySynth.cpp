#include "platform/XTestKeySynth.h"

#include "platform/DisplayLoss.h"
#include "platform/KeyNames.h"
#include "platform/Log.h"
#include "platform/XTestInjectedKeys.h"

#include <QHash>
#include <QList>

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace tq {

namespace {

KeySym keysymFor(char32_t cp)
{
    switch (cp) {
    case '\n':
    case '\r':
        return XK_Return;
    case '\t':
        return XK_Tab;
    case '\b':
        return XK_BackSpace;
    default:
        break;
    }
    if ((cp >= 0x20 && cp <= 0x7E) || (cp >= 0xA0 && cp <= 0xFF))
        return KeySym(cp);
    return KeySym(0x01000000u | cp);
}

} // namespace

struct XTestKeySynth::Impl {
    Display* display = nullptr;
    bool tried = false;
    bool hasXTest = false;
    QHash<KeySym, KeyCode> borrowed; // spare key codes mapped to a character for the moment
    Timer restoreTimer;
    InjectedKeys& injected;

    Impl(Clock& clock, InjectedKeys& injected) : restoreTimer(clock), injected(injected) {}
    ~Impl()
    {
        restoreBorrowed();
        if (display)
            XCloseDisplay(display);
    }

    bool open()
    {
        if (!tried) {
            tried = true;
            display = openXDisplay(nullptr);
            int ev = 0, err = 0, major = 0, minor = 0;
            hasXTest = display && XTestQueryExtension(display, &ev, &err, &major, &minor);
            if (display && !hasXTest)
                log::warning(QStringLiteral("typing: the X server lacks XTest"));
        }
        return display && hasXTest;
    }

    void send(KeyCode code, bool press)
    {
        if (press)
            injected.note(code);
        XTestFakeKeyEvent(display, code, press ? True : False, CurrentTime);
    }

    KeyCode modifierKey(KeySym sym) { return XKeysymToKeycode(display, sym); }

    // Held modifiers (but Caps Lock and Num Lock) would turn our keys into shortcuts, and a
    // key still held (the shortcut that led to this insertion) would make our press of the
    // same key a repeat that passes by the key tap: both are released first.
    void releaseHeldKeys()
    {
        char keys[32] = {};
        XQueryKeymap(display, keys);
        XModifierKeymap* map = XGetModifierMapping(display);
        const unsigned numLock = XkbKeysymToModifiers(display, XK_Num_Lock);
        auto isLockKey = [&](int kc) {
            if (!map)
                return false;
            for (int mod = 0; mod < 8; ++mod)
                if (mod == LockMapIndex || (numLock & (1u << mod)))
                    for (int i = 0; i < map->max_keypermod; ++i)
                        if (map->modifiermap[mod * map->max_keypermod + i] == kc)
                            return true;
            return false;
        };
        for (int kc = 8; kc < 256; ++kc)
            if ((keys[kc / 8] & (1 << (kc % 8))) && !isLockKey(kc))
                XTestFakeKeyEvent(display, unsigned(kc), False, CurrentTime);
        if (map)
            XFreeModifiermap(map);
    }

    void restoreBorrowed()
    {
        if (!display || borrowed.isEmpty())
            return;
        int minCode = 0, maxCode = 0, per = 0;
        XDisplayKeycodes(display, &minCode, &maxCode);
        KeySym* syms = XGetKeyboardMapping(display, KeyCode(minCode), 1, &per);
        if (syms)
            XFree(syms);
        QList<KeySym> empty(std::max(per, 1), NoSymbol);
        for (KeyCode kc : std::as_const(borrowed))
            XChangeKeyboardMapping(display, kc, int(empty.size()), empty.data(), 1);
        borrowed.clear();
        XSync(display, False);
    }
};

XTestKeySynth::XTestKeySynth(Clock& clock, InjectedKeys& injected) : d(std::make_unique<Impl>(clock, injected)) {}

XTestKeySynth::~XTestKeySynth() = default;

bool XTestKeySynth::available() { return d->open(); }

void XTestKeySynth::typeText(const QString& text)
{
    if (!d->open() || text.isEmpty())
        return;
    Display* dpy = d->display;
    d->releaseHeldKeys();

    int minCode = 0, maxCode = 0, per = 0;
    XDisplayKeycodes(dpy, &minCode, &maxCode);
    const int count = maxCode - minCode + 1;
    KeySym* map = XGetKeyboardMapping(dpy, KeyCode(minCode), count, &per);
    if (!map)
        return;
    XkbStateRec state{};
    XkbGetState(dpy, XkbUseCoreKbd, &state);
    const int column = (state.group > 0 && per >= 4) ? 2 : 0;
    const bool capsLocked = state.locked_mods & LockMask;
    const KeyCode shift = d->modifierKey(XK_Shift_L);

    auto find = [&](KeySym sym, bool& shifted) -> KeyCode {
        for (int level = 0; level < 2; ++level)
            for (int i = 0; i < count; ++i)
                if (column + level < per && map[i * per + column + level] == sym) {
                    shifted = level == 1;
                    return KeyCode(minCode + i);
                }
        return 0;
    };
    auto spare = [&]() -> KeyCode {
        for (int i = count - 1; i >= 0; --i) {
            bool empty = true;
            for (int c = 0; c < per && empty; ++c)
                empty = map[i * per + c] == NoSymbol;
            if (empty)
                return KeyCode(minCode + i);
        }
        return 0;
    };

    bool mappingChanged = false;
    struct Stroke {
        KeyCode code;
        bool shifted;
    };
    QList<Stroke> strokes;
    for (char32_t cp : text.toUcs4()) {
        const KeySym sym = keysymFor(cp);
        bool shifted = false;
        KeyCode kc = find(sym, shifted);
        if (kc) {
            KeySym lower = 0, upper = 0;
            XConvertCase(sym, &lower, &upper);
            if (capsLocked && lower != upper)
                shifted = !shifted;
        } else if (d->borrowed.contains(sym)) {
            kc = d->borrowed.value(sym);
        } else if ((kc = spare())) {
            QList<KeySym> syms(per, NoSymbol);
            syms[0] = sym;
            if (per > 1)
                syms[1] = sym;
            XChangeKeyboardMapping(dpy, kc, per, syms.data(), 1);
            std::copy(syms.begin(), syms.end(), map + (kc - minCode) * per);
            d->borrowed.insert(sym, kc);
            mappingChanged = true;
        } else {
            log::warning(QStringLiteral("typing: no spare key code left for a character"));
            continue;
        }
        strokes.append(Stroke{kc, shifted});
    }
    XFree(map);
    if (mappingChanged)
        XSync(dpy, False); // clients see the new mapping before the keys
    for (const Stroke& s : strokes) {
        if (s.shifted && shift)
            XTestFakeKeyEvent(dpy, shift, True, CurrentTime);
        d->send(s.code, true);
        d->send(s.code, false);
        if (s.shifted && shift)
            XTestFakeKeyEvent(dpy, shift, False, CurrentTime);
    }
    XSync(dpy, False);
    if (!d->borrowed.isEmpty())
        d->restoreTimer.start(kRemapHold, [impl = d.get()] { impl->restoreBorrowed(); });
}

void XTestKeySynth::pressKey(std::uint16_t macKeyCode, std::uint8_t modifiers, int count)
{
    if (!d->open() || count < 1)
        return;
    const auto code = x11KeyCodeFromMac(macKeyCode);
    if (!code)
        return;
    Display* dpy = d->display;
    d->releaseHeldKeys();
    QList<KeyCode> mods;
    const std::pair<std::uint8_t, KeySym> table[] = {{4, XK_Control_L}, {2, XK_Alt_L}, {8, XK_Shift_L}, {1, XK_Super_L}};
    for (const auto& [bit, sym] : table)
        if ((modifiers & bit) && d->modifierKey(sym))
            mods.append(d->modifierKey(sym));
    for (KeyCode m : mods)
        XTestFakeKeyEvent(dpy, m, True, CurrentTime);
    for (int i = 0; i < count; ++i) {
        d->send(KeyCode(*code), true);
        d->send(KeyCode(*code), false);
    }
    for (auto it = mods.rbegin(); it != mods.rend(); ++it)
        XTestFakeKeyEvent(dpy, *it, False, CurrentTime);
    XSync(dpy, False);
}

} // namespace tq
