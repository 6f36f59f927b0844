#pragma once
// The X key codes this program has just synthesised through XTest, in order. The key tap
// passes an XTest key whose code is queued here; XTest keys of other programs (xdotool,
// on-screen keyboards, remote desktops) are the user's typing.

#include <cstdint>

namespace tq::injected {

// Called just before each synthesised key press is sent.
void note(std::uint32_t x11KeyCode);
// The tap sees each press twice at most: as a raw event and, for a grabbed key, as a grab.
// Each call consumes the oldest matching entry for its path; true when there was one.
bool takeRaw(std::uint32_t x11KeyCode);
bool takeGrab(std::uint32_t x11KeyCode);
// An entry whose key is not grabbed will never come back through a grab.
void settleUngrabbed(std::uint32_t x11KeyCode);
void clear();

} // namespace tq::injected
