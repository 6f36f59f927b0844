#include "support/OtherGrab.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace tq::desktoptest {

OtherGrab::OtherGrab(unsigned x11KeyCode, unsigned x11Modifiers)
{
    Display* d = XOpenDisplay(nullptr);
    display_ = d;
    int opcode = 0, event = 0, error = 0;
    if (!d || !XQueryExtension(d, "XInputExtension", &opcode, &event, &error))
        return;
    int major = 2, minor = 2;
    XIQueryVersion(d, &major, &minor);
    int master = -1, n = 0;
    XIDeviceInfo* devices = XIQueryDevice(d, XIAllDevices, &n);
    for (int i = 0; i < n; ++i)
        if (devices[i].use == XIMasterKeyboard && master < 0)
            master = devices[i].deviceid;
    XIFreeDeviceInfo(devices);
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_KeyPress);
    XIEventMask mask{master, int(sizeof(bits)), bits};
    XIGrabModifiers mods{int(x11Modifiers), 0};
    held_ = XIGrabKeycode(d, master, int(x11KeyCode), DefaultRootWindow(d), XIGrabModeAsync, XIGrabModeAsync, False,
                          &mask, 1, &mods) == 0;
    XSync(d, False);
}

OtherGrab::~OtherGrab()
{
    if (display_)
        XCloseDisplay(static_cast<Display*>(display_)); // the grab goes with the connection
}

} // namespace tq::desktoptest
