#pragma once
// Reads of other applications' accessibility trees over a D-Bus connection of its own to the
// accessibility bus, for one thread other than the main one: libatspi keeps one connection
// and its caches for the main thread and is not safe to use from a second one.
//
// Reads only, with the names AtSpiAccessibility gives them: "AXRole", "AXSubrole", "AXValue",
// "AXTitle", "AXNumberOfCharacters", "AXChildren", "AXPosition", "AXSize", "AXFocusedWindow"
// and "AXToolkitName". No observer is made and nothing is set. Made, used and ended on that
// one thread.

#include "platform/Accessibility.h"

#include <memory>

namespace tq {

// `devicePixelRatio` is the primary screen's, read by the main thread.
std::unique_ptr<Accessibility> makeAtSpiBusReader(double devicePixelRatio);

} // namespace tq
