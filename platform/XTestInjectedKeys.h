#pragma once
// The X key codes this program has just synthesised through XTest, in order. The key synth
// notes each press; the key tap (on its own thread) passes an XTest key whose code is queued
// here; XTest keys of other programs (xdotool, on-screen keyboards, remote desktops) are the
// user's typing. One queue per platform, shared by its key synth and key tap; thread-safe.

#include <chrono>
#include <cstdint>
#include <deque>
#include <mutex>

namespace tq {

class InjectedKeys {
public:
    // Called just before each synthesised key press is sent.
    void note(std::uint32_t x11KeyCode);
    // The tap sees each press twice at most: as a raw event and, for a grabbed key, as a grab.
    // Each call consumes the oldest matching entry for its path; true when there was one.
    bool takeRaw(std::uint32_t x11KeyCode);
    bool takeGrab(std::uint32_t x11KeyCode);
    // An entry whose key is not grabbed will never come back through a grab.
    void settleUngrabbed(std::uint32_t x11KeyCode);

private:
    struct Entry {
        std::uint32_t code;
        std::chrono::steady_clock::time_point at;
        bool rawSeen = false;
        bool grabSeen = false;
    };
    template <typename Seen>
    bool take(std::uint32_t code, Seen seen);
    void prune();

    std::mutex mutex_;
    std::deque<Entry> entries_;
};

} // namespace tq
