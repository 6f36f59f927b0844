#pragma once
// Competing programs are looked for among every process of the machine, so desktop sessions
// running side by side see each other's. Tests that start such a process hold this lock
// exclusively; tests that need suggestions from the real program hold it shared.

#include <QDir>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tq::desktoptest {

class RivalLock {
public:
    enum class Mode { shared, exclusive };

    explicit RivalLock(Mode mode)
    {
        // A test holding it exclusively starts the program itself: the shared hold is its own.
        if (mode == Mode::shared && exclusiveHolds() > 0)
            return;
        fd_ = ::open(QDir::temp().filePath(QStringLiteral("tessaquill-rival-tests.lock")).toLocal8Bit().constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0)
            return;
        ::flock(fd_, mode == Mode::exclusive ? LOCK_EX : LOCK_SH);
        exclusive_ = mode == Mode::exclusive;
        if (exclusive_)
            ++exclusiveHolds();
    }
    ~RivalLock()
    {
        if (fd_ < 0)
            return;
        if (exclusive_)
            --exclusiveHolds();
        ::close(fd_);
    }
    RivalLock(const RivalLock&) = delete;
    RivalLock& operator=(const RivalLock&) = delete;

private:
    static int& exclusiveHolds()
    {
        static int holds = 0;
        return holds;
    }
    int fd_ = -1;
    bool exclusive_ = false;
};

} // namespace tq::desktoptest
