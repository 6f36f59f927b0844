#include "platform/SessionEnd.h"

#include "platform/Log.h"

#include <QGuiApplication>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace tq {

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int number)
{
    const char byte = char(number);
    // Only async-signal-safe calls here; a full pipe just drops the repeat.
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

struct LinuxSessionEnd::Impl {
    std::unique_ptr<QSocketNotifier> notifier;
    bool started = false;
};

LinuxSessionEnd::LinuxSessionEnd(QObject* parent) : SessionEnd(parent), d(std::make_unique<Impl>()) {}

LinuxSessionEnd::~LinuxSessionEnd()
{
    if (d->started) {
        std::signal(SIGTERM, SIG_DFL);
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGHUP, SIG_DFL);
    }
}

void LinuxSessionEnd::start()
{
    if (d->started)
        return;
    d->started = true;
    if (signalPipe[0] < 0 && ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) {
        log::warning(QStringLiteral("Cannot watch for SIGTERM: no pipe could be made."));
    } else {
        d->notifier = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
        connect(d->notifier.get(), &QSocketNotifier::activated, this, [this] { readSignal(); });
        struct sigaction action = {};
        action.sa_handler = onSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &action, nullptr);
        sigaction(SIGINT, &action, nullptr);
        sigaction(SIGHUP, &action, nullptr);
    }
    if (auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        // The session is ending (logout): the session manager asks its clients to save.
        connect(app, &QGuiApplication::commitDataRequest, this, [this](QSessionManager&) { emit ending(); },
                Qt::DirectConnection);
    }
}

void LinuxSessionEnd::readSignal()
{
    char bytes[16];
    bool any = false;
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0)
        any = true;
    if (any)
        emit ending();
}

} // namespace tq
