#pragma once
// When the X server goes away, Qt and Xlib end the process with exit() on the spot, without
// returning to the event loop. While a guard lives, its flush runs first (once, synchronously),
// so what the stores hold in memory reaches the disk.

#include <functional>

struct _XDisplay;

namespace tq {

// XOpenDisplay, with the process's Xlib protocol errors made non-fatal: a window that goes while
// it is read is an empty answer, where Xlib's default handler would end the process.
_XDisplay* openXDisplay(const char* name = nullptr);

class DisplayLossGuard {
public:
    explicit DisplayLossGuard(std::function<void()> flush);
    ~DisplayLossGuard();
    DisplayLossGuard(const DisplayLossGuard&) = delete;
    DisplayLossGuard& operator=(const DisplayLossGuard&) = delete;
};

} // namespace tq
