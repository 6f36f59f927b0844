#include "platform/Workspace.h"

#include "platform/ActiveApp.h"
#include "platform/Clock.h"
#include "platform/DisplayLoss.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QSet>
#include <QSocketNotifier>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {

namespace {

// Processes without a window are looked at this often: a rival that runs without one matters
// only once the user types, and is announced a little later at worst.
constexpr Millis kProcessInterval{30000};
// A window that opens changes the client list a few times in a row, while its focus is being
// read: the look waits for the burst to end.
constexpr Millis kSettle{400};

bool isLive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const qsizetype close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() && line.at(close + 2) != 'Z' && line.at(close + 2) != 'X';
}

bool hasCommandLine(qint64 pid)
{
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return cmdline.open(QIODevice::ReadOnly) && !cmdline.read(1).isEmpty(); // /proc files report no size
}

// Process ids of the top-level windows, in the window manager's list order.
QList<qint64> windowPids(Display* display)
{
    QList<qint64> out;
    if (!display)
        return out;
    auto longs = [&](Window w, Atom property, Atom type) {
        QList<unsigned long> values;
        Atom actual = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        if (XGetWindowProperty(display, w, property, 0, 4096, False, type, &actual, &format, &count, &after, &data) == Success
            && data && format == 32)
            for (unsigned long i = 0; i < count; ++i)
                values.append(reinterpret_cast<unsigned long*>(data)[i]);
        if (data)
            XFree(data);
        return values;
    };
    const Atom clientList = XInternAtom(display, "_NET_CLIENT_LIST", False);
    const Atom wmPid = XInternAtom(display, "_NET_WM_PID", False);
    for (unsigned long w : longs(DefaultRootWindow(display), clientList, XA_WINDOW))
        for (unsigned long pid : longs(Window(w), wmPid, XA_CARDINAL))
            if (pid > 0 && !out.contains(qint64(pid)))
                out.append(qint64(pid));
    return out;
}

class LinuxWorkspace final : public Workspace {
public:
    LinuxWorkspace(ActiveApp& apps, Clock& clock) : apps_(apps), timer_(clock), settle_(clock) {}
    ~LinuxWorkspace() override
    {
        notifier_.reset();
        if (events_)
            XCloseDisplay(events_);
        if (display_)
            XCloseDisplay(display_);
    }

    QList<WorkspaceApp> runningApplications() override { return scan(true); }

    bool terminate(qint64 pid) override { return signal(pid, SIGTERM); }
    bool forceTerminate(qint64 pid) override { return signal(pid, SIGKILL); }

    // Windowed applications come and go with the window manager's client list, reported by the
    // X server; the other processes are looked at every kProcessInterval, reading only new ones.
    void startWatching() override
    {
        if (watching_)
            return;
        watching_ = true;
        last_ = signature();
        events_ = openXDisplay(nullptr);
        if (events_) {
            clientList_ = XInternAtom(events_, "_NET_CLIENT_LIST", False);
            XSelectInput(events_, DefaultRootWindow(events_), PropertyChangeMask);
            XFlush(events_);
            notifier_ = std::make_unique<QSocketNotifier>(ConnectionNumber(events_), QSocketNotifier::Read);
            QObject::connect(notifier_.get(), &QSocketNotifier::activated, this, [this] { readEvents(); });
        }
        timer_.startRepeating(kProcessInterval, [this] { look(); });
    }

private:
    void readEvents()
    {
        bool changed = false;
        while (XPending(events_) > 0) {
            XEvent event;
            XNextEvent(events_, &event);
            if (event.type == PropertyNotify && event.xproperty.atom == clientList_)
                changed = true;
        }
        if (changed && !settle_.isActive())
            settle_.start(kSettle, [this] { look(); });
    }

    void look()
    {
        const QList<qint64> now = signature();
        if (now != last_) {
            last_ = now;
            emit runningApplicationsChanged();
        }
    }

    // `checkKnown`: also make sure every process seen before is still live (not a zombie);
    // otherwise only processes new since the last look are read.
    QList<WorkspaceApp> scan(bool checkKnown)
    {
        if (!display_ && !triedDisplay_) {
            triedDisplay_ = true;
            display_ = openXDisplay(nullptr);
        }
        auto live = [&](qint64 pid) { return (!checkKnown && cache_.contains(pid)) || isLive(pid); };
        QList<WorkspaceApp> out;
        QSet<qint64> seen;
        for (qint64 pid : windowPids(display_)) {
            if (!live(pid))
                continue;
            seen.insert(pid);
            out.append(describe(pid, true));
        }
        const uid_t uid = getuid();
        const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QList<qint64> pids;
        QSet<qint64> present;
        for (const QString& e : entries) {
            bool ok = false;
            const qint64 pid = e.toLongLong(&ok);
            if (!ok)
                continue;
            present.insert(pid);
            struct stat st {};
            if (seen.contains(pid) || stat(QByteArray("/proc/" + e.toLatin1()).constData(), &st) != 0 || st.st_uid != uid)
                continue;
            pids.append(pid);
        }
        std::sort(pids.begin(), pids.end());
        for (qint64 pid : pids) {
            if (passed_.contains(pid))
                continue; // a kernel thread, read once
            if (!live(pid))
                continue;
            if (!cache_.contains(pid) && !hasCommandLine(pid)) {
                passed_.insert(pid);
                continue;
            }
            out.append(describe(pid, false));
        }
        // Forget processes that are gone.
        QSet<qint64> listed;
        for (const WorkspaceApp& a : out)
            listed.insert(a.pid);
        for (auto it = cache_.begin(); it != cache_.end();)
            it = listed.contains(it.key()) ? std::next(it) : cache_.erase(it);
        for (auto it = passed_.begin(); it != passed_.end();)
            it = present.contains(*it) ? std::next(it) : passed_.erase(it);
        return out;
    }

    bool signal(qint64 pid, int sig)
    {
        if (pid <= 0 || pid == ownPid())
            return false;
        return ::kill(pid_t(pid), sig) == 0;
    }

    QList<qint64> signature()
    {
        QList<qint64> pids;
        for (const WorkspaceApp& a : scan(false))
            pids.append(a.pid);
        return pids;
    }

    WorkspaceApp describe(qint64 pid, bool windowed)
    {
        auto it = cache_.find(pid);
        if (it != cache_.end() && (!windowed || it->windowed))
            return it->app;
        WorkspaceApp app{pid, {}, {}, {}};
        if (windowed) {
            if (const auto info = apps_.application(pid)) {
                app.bundleIdentifier = info->bundleIdentifier;
                app.name = info->localizedName;
            }
        } else {
            app.bundleIdentifier = appid::launchedDesktopId(pid);
            const QString desktopName = appid::desktopEntryName(app.bundleIdentifier);
            const QString exe = appid::executableName(pid);
            if (app.bundleIdentifier.isEmpty())
                app.bundleIdentifier = exe;
            app.name = desktopName.isEmpty() ? exe : desktopName;
        }
        if (windowed && !app.bundleIdentifier.isEmpty())
            app.icon = QIcon::fromTheme(app.bundleIdentifier); // theme look-ups are dear: windowed apps only
        cache_.insert(pid, Cached{app, windowed});
        return app;
    }

    struct Cached {
        WorkspaceApp app;
        bool windowed = false;
    };
    ActiveApp& apps_;
    Display* display_ = nullptr; // queries
    Display* events_ = nullptr;  // the root window's property changes only
    Atom clientList_ = None;
    std::unique_ptr<QSocketNotifier> notifier_;
    bool triedDisplay_ = false;
    bool watching_ = false;
    QHash<qint64, Cached> cache_;
    QSet<qint64> passed_; // the user's processes without a command line
    QList<qint64> last_;
    Timer timer_;
    Timer settle_;
};

} // namespace

qint64 Workspace::ownPid() const { return QCoreApplication::applicationPid(); }

std::unique_ptr<Workspace> Workspace::createSystem(ActiveApp& apps, Clock& clock)
{
    return std::make_unique<LinuxWorkspace>(apps, clock);
}

} // namespace tq
