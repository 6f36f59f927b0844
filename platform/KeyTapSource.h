#pragma once
// The system-wide key tap of the window system: every key press, mouse press and scroll is
// seen before the focused application gets it, and the keys named by setGrabs() are held
// until the handler decides: swallowed, or passed on to the application.

#include <QList>
#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

namespace tq {

// A key press in the program's terms: Mac key code, modifier bits (command 1, option 2,
// control 4, shift 8; Caps Lock and Num Lock never count).
struct TappedKey {
    std::uint16_t keyCode = 0;
    std::uint8_t modifiers = 0;
    QString characters;
    bool isRepeat = false;
    // The tap holds the key until the handler answers; a key only observed has reached (or
    // is reaching) the application whatever the answer.
    bool held = false;
    friend bool operator==(const TappedKey&, const TappedKey&) = default;
};

// A key and exact modifier bits that may be swallowed.
struct TapGrab {
    std::uint16_t keyCode = 0;
    std::uint8_t modifiers = 0;
    friend bool operator==(const TapGrab&, const TapGrab&) = default;
};

class KeyTapSource {
public:
    // Called on the main thread: a key press, or none for a mouse press or scroll. The answer
    // (true = swallow) counts only for grabbed keys; everything else is seen, never held.
    using Handler = std::function<bool(const std::optional<TappedKey>&)>;

    virtual ~KeyTapSource() = default;

    // Starts the tap; true when it runs (also when it already ran). Safe to call again after a
    // failure: it retries.
    virtual bool start(Handler handler) = 0;
    virtual bool isRunning() const = 0;
    // Replaces the set of keys held for a decision. They are held once grabsApplied() tells so:
    // the window system takes them a moment later, away from the caller's thread.
    virtual void setGrabs(const QList<TapGrab>& grabs) = 0;
    // True when the grabs of the last setGrabs() are in force (held, or refused by another
    // program), and while the tap does not run.
    virtual bool grabsApplied() const = 0;
    // `applied` is called on the main thread each time grabsApplied() may have become true.
    virtual void onGrabsApplied(std::function<void()> applied) = 0;
    // Grabs from the last setGrabs() that another program already holds.
    virtual QList<TapGrab> refusedGrabs() const = 0;
    // `changed` is called on the main thread each time refusedGrabs() changes.
    virtual void onRefusedChanged(std::function<void()> changed) = 0;
};

} // namespace tq
