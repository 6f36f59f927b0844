#pragma once
// One event seen by the key tap: a key press, or a pointer event (mouse press or scroll).

#include "settings/KeyCombo.h"

namespace tq {

struct TapEvent {
    enum class Kind { key, pointer };
    Kind kind = Kind::pointer;
    KeyPress key; // meaningful for Kind::key only
    bool held = false; // the key waits for the handler's answer; otherwise it passes whatever the answer

    static TapEvent keyPress(const KeyPress& press, bool held = false) { return TapEvent{Kind::key, press, held}; }
    static TapEvent pointer() { return TapEvent{Kind::pointer, {}, false}; }
    bool isKey() const { return kind == Kind::key; }

    friend bool operator==(const TapEvent&, const TapEvent&) = default;
};

} // namespace tq
