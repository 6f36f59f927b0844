#include "platform/ScreenCaptureAccess.h"

#include <xcb/xcb.h>

namespace tq {

bool X11ScreenCaptureAccess::preflight()
{
    // Once reached, the display stays for the life of the session (and of this program).
    if (reachable_)
        return true;
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    reachable_ = c && xcb_connection_has_error(c) == 0;
    if (c)
        xcb_disconnect(c);
    return reachable_;
}

} // namespace tq
