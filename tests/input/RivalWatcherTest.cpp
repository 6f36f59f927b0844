#include "input/RivalWatcher.h"
#include "platform/fakes/FakeActiveApp.h"
#include "platform/fakes/FakeWorkspace.h"

#include "platform/Workspace.h"
#include "support/RivalLock.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace std::chrono_literals;

TEST(RivalWatcher, NamesCountAfterNormalisationOnly)
{
    EXPECT_TRUE(RivalWatcher::isRival(std::nullopt, QString("Tab-Type")));
    EXPECT_TRUE(RivalWatcher::isRival(std::nullopt, QString("tab type")));
    EXPECT_TRUE(RivalWatcher::isRival(std::nullopt, QString("COTABBY!")));
    EXPECT_TRUE(RivalWatcher::isRival(std::nullopt, QString("Inline.AI")));
    EXPECT_FALSE(RivalWatcher::isRival(std::nullopt, QString("tabtype2")));
    EXPECT_FALSE(RivalWatcher::isRival(std::nullopt, QString("tabtypes")));
    EXPECT_FALSE(RivalWatcher::isRival(QString("org.gnome.gedit"), std::nullopt));
    EXPECT_TRUE(RivalWatcher::isRival(QString("app.quarmel.helper"), QString("Helper")));
    EXPECT_TRUE(RivalWatcher::isRival(QString("app.quarmel.x"), std::nullopt));
}

class RivalWatcherTest : public ::testing::Test {
protected:
    FakeWorkspace workspace;
    VirtualClock clock;
    RivalWatcher watcher{workspace, clock};
    QStringList calls;

    void SetUp() override
    {
        watcher.onChange = [this] { calls << "change"; };
        watcher.onAppear = [this](const RivalApp& a) { calls << "appear:" + a.name; };
        workspace.apps = {{10, "org.gnome.gedit", "Text Editor", {}}};
    }
};

TEST_F(RivalWatcherTest, CallbacksFollowTheRunningList)
{
    watcher.refresh(true);
    watcher.refresh(true);
    EXPECT_TRUE(calls.isEmpty());

    workspace.apps.append({20, "tabtype", "Tab-Type", {}});
    watcher.refresh(true);
    EXPECT_EQ(calls, (QStringList{"change", "appear:Tab-Type"}));

    calls.clear();
    workspace.apps.append({21, "", "", {}});
    workspace.apps.append({22, "app.quarmel.main", "", {}});
    watcher.refresh(false);
    EXPECT_EQ(calls, (QStringList{"change"}));
    EXPECT_EQ(watcher.running().size(), 2);
    EXPECT_EQ(watcher.running()[1].name, "Another app");

    calls.clear();
    workspace.apps.removeLast();
    watcher.refresh(true);
    EXPECT_EQ(calls, (QStringList{"change"}));
}

TEST_F(RivalWatcherTest, ThisProgramIsExcludedByProcessId)
{
    workspace.apps.append({workspace.own, "app.quarmel.self", "Quarmel", {}});
    watcher.refresh(true);
    EXPECT_TRUE(watcher.running().isEmpty());
}

TEST_F(RivalWatcherTest, NamesAreListedOnce)
{
    workspace.apps = {{1, "", "Cotabby", {}}, {2, "", "Cotabby", {}}, {3, "", "TypeSeer", {}}};
    watcher.refresh(false);
    EXPECT_EQ(watcher.names(), QLocale().createSeparatedList({"Cotabby", "TypeSeer"}));
}

TEST_F(RivalWatcherTest, QuitEndsIdleAfterOnePollWhenTheRivalExits)
{
    workspace.apps.append({20, "", "Friendware", {}});
    watcher.refresh(true);
    watcher.quitRivals(false);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::quitting);
    EXPECT_EQ(workspace.terminated, (QList<qint64>{20}));
    clock.advance(250ms);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::idle);
    EXPECT_EQ(clock.pendingCount(), 0u);
}

TEST_F(RivalWatcherTest, QuitPollsEndInRefusedThenForceQuits)
{
    workspace.apps.append({20, "", "Friendware", {}});
    workspace.declines.insert(20);
    watcher.refresh(true);
    watcher.quitRivals(false);
    clock.advance(250ms * 15);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::quitting);
    clock.advance(250ms);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::refused);
    EXPECT_EQ(watcher.running().size(), 1);

    watcher.quitRivals(true);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::quitting);
    EXPECT_EQ(workspace.killed, (QList<qint64>{20}));
    clock.advance(250ms);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::idle);
}

TEST_F(RivalWatcherTest, QuitWithNothingRunningReturnsToIdle)
{
    watcher.quitRivals(false);
    clock.advance(250ms);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::idle);
}

TEST_F(RivalWatcherTest, ObservingRefreshesOnWorkspaceChanges)
{
    watcher.startObserving();
    EXPECT_TRUE(workspace.watching);
    workspace.launch({30, "", "inlineai", {}});
    EXPECT_EQ(calls, (QStringList{"change", "appear:inlineai"}));
}

TEST_F(RivalWatcherTest, QuittingNamedRivalsLeavesALaterOneAlone)
{
    workspace.apps.append({20, "tabtype", "Tab-Type", {}});
    workspace.declines.insert(20);
    watcher.refresh(false);
    const QList<qint64> named{20};
    workspace.apps.append({30, "cotabby", "Cotabby", {}}); // started after the prompt opened
    watcher.refresh(false);

    watcher.quitRivals(named, false);
    clock.advance(RivalWatcher::kPollInterval * RivalWatcher::kPolls);
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::refused);
    watcher.quitRivals(named, true);
    clock.advance(RivalWatcher::kPollInterval);
    EXPECT_EQ(workspace.terminated, (QList<qint64>{20}));
    EXPECT_EQ(workspace.killed, (QList<qint64>{20}));
    EXPECT_EQ(watcher.quitState(), RivalWatcher::QuitState::idle) << "done once the named one is gone";
    ASSERT_EQ(watcher.running().size(), 1);
    EXPECT_EQ(watcher.running()[0].id, 30);
}

// Real processes named like a competing application: Force Quit ends only the named one.
TEST(RivalWatcherProcesses, ForceQuitSparesAProcessStartedLater)
{
    // Desktop tests running meanwhile would see these processes and pause.
    const desktoptest::RivalLock lock(desktoptest::RivalLock::Mode::exclusive);
    QTemporaryDir dir;
    const QString exe = dir.filePath(QStringLiteral("tabtype"));
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), exe));
    QProcess named, later;
    named.start(exe, {QStringLiteral("60")});
    ASSERT_TRUE(named.waitForStarted());
    SystemClock clock;
    FakeActiveApp apps;
    const auto workspace = Workspace::createSystem(apps, clock);
    RivalWatcher watcher(*workspace, clock);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        watcher.refresh(false);
        return watcher.anyRunning({named.processId()});
    }, 5000));
    QList<qint64> shown;
    for (const RivalApp& app : watcher.running())
        if (app.id == named.processId())
            shown.append(app.id);
    later.start(exe, {QStringLiteral("60")});
    ASSERT_TRUE(later.waitForStarted());
    ASSERT_TRUE(QTest::qWaitFor([&] {
        watcher.refresh(false);
        return watcher.anyRunning({later.processId()});
    }, 5000));

    watcher.quitRivals(shown, true);
    EXPECT_TRUE(named.waitForFinished(5000));
    QTest::qWait(300);
    EXPECT_EQ(later.state(), QProcess::Running) << "its unsaved work is safe";
    later.kill();
    later.waitForFinished();
}

} // namespace
} // namespace tq
