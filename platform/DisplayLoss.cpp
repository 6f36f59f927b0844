#include "platform/DisplayLoss.h"

#include "platform/Log.h"

#include <QCoreApplication>
#include <QThread>

#include <X11/Xlib.h>

#include <atomic>
#include <cstdlib>
#include <mutex>

namespace tq {

namespace {

std::mutex guardMutex;
std::function<void()>* armed = nullptr; // the live guard's flush
std::atomic<bool> flushed{false};

void flushOnce()
{
    std::function<void()> flush;
    {
        std::lock_guard lock(guardMutex);
        if (!armed || flushed.exchange(true))
            return;
        flush = *armed;
    }
    auto* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread()) {
        flush();
        return;
    }
    // Another thread's display broke: the stores belong to the main thread.
    QMetaObject::invokeMethod(app, flush, Qt::BlockingQueuedConnection);
}

// Qt's X connection ends the process with exit(1) when it breaks: atexit runs the flush.
void atExit() { flushOnce(); }

// Xlib's connections: the default handler would exit without it.
int ioError(Display*)
{
    log::error(QStringLiteral("The connection to the X server was lost; writing the stores before ending."));
    flushOnce();
    std::exit(1);
}

// A window or pixmap can go between two requests of ours; the calls then return nothing.
int protocolError(Display*, XErrorEvent*) { return 0; }

} // namespace

_XDisplay* openXDisplay(const char* name)
{
    static std::once_flag once;
    std::call_once(once, [] { XSetErrorHandler(protocolError); });
    return XOpenDisplay(name);
}

DisplayLossGuard::DisplayLossGuard(std::function<void()> flush)
{
    static const bool registered = [] {
        std::atexit(atExit);
        return true;
    }();
    (void)registered;
    {
        std::lock_guard lock(guardMutex);
        delete armed;
        armed = new std::function<void()>(std::move(flush));
        flushed = false;
    }
    XSetIOErrorHandler(ioError);
}

DisplayLossGuard::~DisplayLossGuard()
{
    std::lock_guard lock(guardMutex);
    delete armed;
    armed = nullptr;
}

} // namespace tq
