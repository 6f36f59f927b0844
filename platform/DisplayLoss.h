#pragma once
// When the X server goes away, Qt and Xlib end the process with exit() on the spot, without
// returning to the event loop. While a guard lives, its flush runs first (once, synchronously),
// so what the stores hold in memory reaches the disk.

#include <functional>

namespace tq {

class DisplayLossGuard {
public:
    explicit DisplayLossGuard(std::function<void()> flush);
    ~DisplayLossGuard();
    DisplayLossGuard(const DisplayLossGuard&) = delete;
    DisplayLossGuard& operator=(const DisplayLossGuard&) = delete;
};

} // namespace tq
