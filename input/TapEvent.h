#pragma once
// One event seen by the key tap: a key press, or a pointer event (mouse press or scroll).

#include "settings/KeyCombo.h"

namespace tq {

struct TapEvent {
    enum class Kind { Key, Pointer };
    Kind kind = Kind::Pointer;
    KeyPress key; // meaningful for Kind::Key only

    static TapEvent keyPress(const KeyPress& press) { return TapEvent{Kind::Key, press}; }
    static TapEvent pointer() { return TapEvent{Kind::Pointer, {}}; }
    bool isKey() const { return kind == Kind::Key; }

    friend bool operator==(const TapEvent&, const TapEvent&) = default;
};

} // namespace tq
