#include "platform/KeyboardGrab.h"

#include "platform/Log.h"

#include <QString>

#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <poll.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>

namespace tq::keyboardgrab {

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::milliseconds kLimit{50};

// The key tap's grabs: how many are being decided, and when the last one was let go (its
// release may reach the server a little after a probe).
std::atomic<int> ownGrabs{0};
std::atomic<Clock::rep> ownGrabEnded{0};
constexpr std::chrono::milliseconds kOwnRelease{20};

bool ownGrabMayHold()
{
    const Clock::time_point ended{Clock::duration(ownGrabEnded.load())};
    return ownGrabs.load() > 0 || Clock::now() - ended < kOwnRelease;
}

class Probe {
public:
    ~Probe()
    {
        if (conn_)
            xcb_disconnect(conn_);
    }

    bool held()
    {
        std::lock_guard lock(mutex_);
        if (!connect())
            return false;
        const auto deadline = Clock::now() + kLimit;
        void* focusReply = nullptr;
        const auto focusCookie = xcb_get_input_focus(conn_);
        xcb_flush(conn_);
        if (!wait(focusCookie.sequence, deadline, &focusReply))
            return late();
        xcb_window_t window = static_cast<xcb_get_input_focus_reply_t*>(focusReply)->focus;
        std::free(focusReply);
        // No window focused, or the focus following the pointer: the root then.
        if (window == XCB_NONE || window == XCB_INPUT_FOCUS_POINTER_ROOT)
            window = root_;
        // Grabbing on the focus window itself moves no focus: nothing is told it lost the
        // keyboard. The keyboard stays frozen until the release that follows right behind.
        const auto grab = xcb_grab_keyboard(conn_, 0, window, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_SYNC);
        xcb_ungrab_keyboard(conn_, XCB_CURRENT_TIME);
        xcb_flush(conn_);
        void* grabReply = nullptr;
        if (!wait(grab.sequence, deadline, &grabReply))
            return late();
        const bool taken = static_cast<xcb_grab_keyboard_reply_t*>(grabReply)->status == XCB_GRAB_STATUS_ALREADY_GRABBED;
        std::free(grabReply);
        // While the key tap decides on a key, the grab is ours, and no other client can hold one.
        last_ = taken && !ownGrabMayHold();
        return last_;
    }

private:
    bool connect()
    {
        if (conn_ && !xcb_connection_has_error(conn_))
            return true;
        if (conn_)
            xcb_disconnect(conn_);
        int screenNumber = 0;
        conn_ = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(conn_))
            return false;
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(conn_));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        if (!it.rem)
            return false;
        root_ = it.data->root;
        return true;
    }

    // The reply to `sequence` by `deadline`; false (and the reply dropped) when it is an error
    // or comes later.
    bool wait(unsigned int sequence, Clock::time_point deadline, void** out)
    {
        for (;;) {
            xcb_generic_error_t* error = nullptr;
            if (xcb_poll_for_reply(conn_, sequence, out, &error)) {
                if (error || !*out) {
                    std::free(error);
                    std::free(*out);
                    *out = nullptr;
                    return false;
                }
                return true;
            }
            if (xcb_connection_has_error(conn_))
                return false;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0) {
                xcb_discard_reply(conn_, sequence);
                timedOut_ = true;
                return false;
            }
            pollfd fd{xcb_get_file_descriptor(conn_), POLLIN, 0};
            ::poll(&fd, 1, int(left.count()) + 1);
        }
    }

    // The server did not answer in time (or the focus window went meanwhile): the last answer
    // stands.
    bool late()
    {
        if (timedOut_ && !warned_) {
            warned_ = true;
            log::warning(QStringLiteral("keyboard grab probe: the display did not answer within %1 ms").arg(kLimit.count()));
        }
        timedOut_ = false;
        return last_;
    }

    std::mutex mutex_;
    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = 0;
    bool last_ = false;
    bool timedOut_ = false;
    bool warned_ = false;
};

} // namespace

bool heldByOthers()
{
    static Probe probe;
    return probe.held();
}

OwnGrab::OwnGrab() { ownGrabs.fetch_add(1); }

OwnGrab::~OwnGrab()
{
    ownGrabEnded.store(Clock::now().time_since_epoch().count());
    ownGrabs.fetch_sub(1);
}

} // namespace tq::keyboardgrab
