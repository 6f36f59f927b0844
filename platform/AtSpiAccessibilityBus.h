#pragma once
// Reads of other applications' accessibility trees over a D-Bus connection of its own to the
// accessibility bus, for one thread other than the main one: libatspi keeps one connection
// and its caches for the main thread and is not safe to use from a second one.
//
// Reads only, with the names AtSpiAccessibility gives them: "AXRole", "AXSubrole", "AXValue",
// "AXTitle", "AXNumberOfCharacters", "AXStringForRange", "AXFocused", "AXChildren",
// "AXPosition", "AXSize", "AXFocusedWindow" and "AXToolkitName". Character counts and ranges
// are in the toolkit's own units (code points for GTK). No observer is made and nothing is
// set. Made, used and ended on that one thread.
//
// The bus is found as libatspi finds it: AT_SPI_BUS_ADDRESS, else the root window's
// AT_SPI_BUS property, else the session's org.a11y.Bus. A connection that cannot be made, or
// that the bus drops (it restarted), is tried again with a growing pause between tries.

#include "platform/Accessibility.h"

#include <chrono>
#include <memory>
#include <optional>

namespace tq {

class AtSpiBusReader : public Accessibility {
public:
    using TimePoint = std::chrono::steady_clock::time_point;
    // Connected, connecting first when the pause after the last failed try is over.
    virtual bool ready() = 0;
    // While not connected: when the next try is due.
    virtual std::optional<TimePoint> nextTry() const = 0;
};

// `devicePixelRatio` is the primary screen's, read by the main thread.
std::unique_ptr<AtSpiBusReader> makeAtSpiBusReader(double devicePixelRatio);

} // namespace tq
