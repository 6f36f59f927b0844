#include "DesktopSupport.h"

#include "input/RivalWatcher.h"
#include "platform/Workspace.h"
#include "platform/Platform.h"

#include "support/RivalLock.h"
#include "support/Wait.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

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

TEST(RivalDesktop, RunningProcessesAndWindowsAreListedWithoutThisProgram)
{
    const desktoptest::RivalLock lock(desktoptest::RivalLock::Mode::exclusive);
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.quitState() == RivalWatcher::QuitState::idle; }, testwait::kPatience));
    EXPECT_TRUE(watcher.running().isEmpty());
    window.finish();
}

// A window that opens is reported by the window manager's client list, long before the
// other processes are looked at again.
TEST(RivalDesktop, AWindowThatOpensIsReportedAtOnce)
{
    SystemPlatform platform;
    int changes = 0;
    QObject::connect(&platform.workspace(), &Workspace::runningApplicationsChanged, [&] { ++changes; });
    platform.workspace().startWatching();
    desktop::ZenityEntry window("TQ watched");
    ASSERT_TRUE(window.ready());
    EXPECT_TRUE(QTest::qWaitFor([&] { return changes > 0; }, testwait::kPatience));
    window.finish();
}

TEST(RivalDesktop, ARivalThatIgnoresQuitIsRefusedThenForceQuit)
{
    const desktoptest::RivalLock lock(desktoptest::RivalLock::Mode::exclusive);
    NamedProcess stubborn("/bin/bash", "cotabby", {"-c", "trap '' TERM; while :; do sleep 0.2; done"});
    SystemPlatform platform;
    RivalWatcher watcher(platform.workspace(), platform.clock());
    ASSERT_TRUE(QTest::qWaitFor([&] {
        watcher.refresh(false);
        return watcher.running().size() == 1;
    }, testwait::kPatience));
    watcher.quitRivals(false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.quitState() == RivalWatcher::QuitState::refused; }, testwait::kPatience));
    EXPECT_TRUE(stubborn.running()) << "it ignores SIGTERM: something else ended it (a program of another session?)";
    watcher.quitRivals(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.quitState() == RivalWatcher::QuitState::idle; }, testwait::kPatience));
}

} // namespace
} // namespace tq
