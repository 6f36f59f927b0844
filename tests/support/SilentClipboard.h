#pragma once
// The clipboard taken by another X client that never answers a request for it, for as long
// as it lives: its connection's events are never read.

#include <xcb/xcb.h>

#include <cstdlib>

namespace tq::desktoptest {

class SilentClipboard {
public:
    SilentClipboard()
    {
        conn_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn_))
            return;
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data;
        window_ = xcb_generate_id(conn_);
        xcb_create_window(conn_, XCB_COPY_FROM_PARENT, window_, screen->root, 0, 0, 1, 1, 0,
                          XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
        xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(conn_, xcb_intern_atom(conn_, 0, 9, "CLIPBOARD"), nullptr);
        clipboard_ = r ? r->atom : XCB_NONE;
        free(r);
        xcb_set_selection_owner(conn_, window_, clipboard_, XCB_CURRENT_TIME);
        xcb_flush(conn_);
    }
    ~SilentClipboard() { xcb_disconnect(conn_); }
    SilentClipboard(const SilentClipboard&) = delete;
    SilentClipboard& operator=(const SilentClipboard&) = delete;

    // It still owns the clipboard: nobody took it away.
    bool owns() const
    {
        if (xcb_connection_has_error(conn_) || clipboard_ == XCB_NONE)
            return false;
        xcb_get_selection_owner_reply_t* r
            = xcb_get_selection_owner_reply(conn_, xcb_get_selection_owner(conn_, clipboard_), nullptr);
        const bool ours = r && r->owner == window_;
        free(r);
        return ours;
    }

private:
    xcb_connection_t* conn_ = nullptr;
    xcb_window_t window_ = 0;
    xcb_atom_t clipboard_ = XCB_NONE;
};

} // namespace tq::desktoptest
