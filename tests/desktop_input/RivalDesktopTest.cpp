#include "DesktopSupport.h"

#include "input/RivalWatcher.h"
#include "platform/Workspace.h"
#include "platform/Platform.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tq {
namespace {

// A copy of a system program under a rival's name, started as a real process.
class NamedProcess {
public:
    NamedProcess(const QString& source, const QString& name, const QStringList& args)
    {
        path_ = dir_.filePath(name);
        QFile::copy(source, path_);
        QFile::setPermissions(path_, QFile::permissions(source));
        process_.start(path_, args);
        process_.waitForStarted(5000);
    }
    ~NamedProcess()
    {
        if (process_.state() != QProcess::NotRunning) {
            process_.kill();
            process_.waitForFinished(2000);
        }
    }
    qint64 pid() const { return process_.processId(); }
    bool running() const { return process_.state() != QProcess::NotRunning; }

private:
    QTemporaryDir dir_;
    QString path_;
    QProcess process_;
};

// Rivals are looked for among every process of the machine: desktop sessions running side
// by side take turns with these tests.
class MachineLock {
public:
    MachineLock()
        : fd_(::open(QDir::temp().filePath(QStringLiteral("tessaquill-rival-tests.lock")).toLocal8Bit().constData(),
                     O_RDWR | O_CREAT | O_CLOEXEC, 0666))
    {
        if (fd_ >= 0)
            ::flock(fd_, LOCK_EX);
    }
    ~MachineLock()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    MachineLock(const MachineLock&) = delete;
    MachineLock& operator=(const MachineLock&) = delete;

private:
    int fd_;
};

TEST(RivalDesktop, RunningProcessesAndWindowsAreListedWithoutThisProgram)
{
    const MachineLock lock;
    desktop::ZenityEntry window("TQ workspace");
    ASSERT_TRUE(window.ready());
    NamedProcess sleeper("/bin/sleep", "Tab-Type", {"30"});
    SystemPlatform platform;
    QList<WorkspaceApp> apps = platform.workspace().runningApplications();
    const auto find = [&](qint64 pid) {
        return std::find_if(apps.begin(), apps.end(), [&](const WorkspaceApp& a) { return a.pid == pid; });
    };
    ASSERT_NE(find(sleeper.pid()), apps.end());
    EXPECT_EQ(find(sleeper.pid())->name, "Tab-Type");
    EXPECT_TRUE(std::any_of(apps.begin(), apps.end(), [](const WorkspaceApp& a) { return a.name.contains("zenity", Qt::CaseInsensitive); }));

    RivalWatcher watcher(platform.workspace(), platform.clock());
    watcher.refresh(true);
    ASSERT_EQ(watcher.running().size(), 1);
    EXPECT_EQ(watcher.running()[0].id, sleeper.pid());
    EXPECT_EQ(watcher.names(), "Tab-Type");

    watcher.quitRivals(false); // SIGTERM ends sleep
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.quitState() == RivalWatcher::QuitState::idle; }, 3000));
    EXPECT_TRUE(watcher.running().isEmpty());
    window.finish();
}

TEST(RivalDesktop, ARivalThatIgnoresQuitIsRefusedThenForceQuit)
{
    const MachineLock lock;
    NamedProcess stubborn("/bin/bash", "cotabby", {"-c", "trap '' TERM; while :; do sleep 0.2; done"});
    SystemPlatform platform;
    RivalWatcher watcher(platform.workspace(), platform.clock());
    ASSERT_TRUE(QTest::qWaitFor([&] {
        watcher.refresh(false);
        return watcher.running().size() == 1;
    }, 3000));
    watcher.quitRivals(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.quitState() == RivalWatcher::QuitState::refused; }, 15000));
    EXPECT_TRUE(stubborn.running());
    watcher.quitRivals(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.quitState() == RivalWatcher::QuitState::idle; }, 5000));
}

} // namespace
} // namespace tq
