#pragma once
// Whether another client holds the keyboard by an active grab: a password prompt, a screen
// locker or an open menu takes every key, whatever field the accessibility tree shows focused.
//
// The probe grabs the keyboard on the focused window (so that no focus event reaches any
// window), freezing it meanwhile (so that no key typed in between is taken), and releases it
// in the very next request; a grab refused as already held tells that another client has it.

namespace tq::keyboardgrab {

// One probe over a connection of its own; waits at most 50 ms for the server and, past that,
// answers as the last probe did. False without a display.
bool heldByOthers();

// Held by the key tap while a key that its own passive grab caught is being decided, so that
// the probe never takes that grab for another client's.
class OwnGrab {
public:
    OwnGrab();
    ~OwnGrab();
    OwnGrab(const OwnGrab&) = delete;
    OwnGrab& operator=(const OwnGrab&) = delete;
};

} // namespace tq::keyboardgrab
