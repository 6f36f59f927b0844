// The real program started while a process named like a competing application runs: the
// prompt opens and names it, "Quit" ends that process, and the prompt resolves and closes.

#include "support/Desktop.h"
#include "support/Program.h"
#include "support/RivalLock.h"

#include <QFile>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tq::desktoptest::screenshot;
using tq::testwait::run;

QString promptWindow() { return tq::desktoptest::windowTitled("Another autocomplete app is running"); }

TEST(RivalDesktop, PromptNamesTheRivalQuitsItAndClosesItself)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    const tq::desktoptest::RivalLock lock(tq::desktoptest::RivalLock::Mode::exclusive);
    tq::desktoptest::Program program{QByteArray()};
    ASSERT_TRUE(program.isValid());
    ASSERT_TRUE(program.writeSettings(QJsonObject{{"onboardingDone", true}, {"introSeen", true}}));
    // A stand-in competing application, known by its name.
    const QString exe = program.path("tabtype");
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), exe));
    QProcess rival;
    rival.start(exe, {"600"});
    ASSERT_TRUE(rival.waitForStarted());

    QProcessEnvironment env = program.environment();
    env.insert("TESSAQUILL_REDUCE_MOTION", "1");
    ASSERT_TRUE(program.start({}, env));

    QString window;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(window = promptWindow()).isEmpty(); }, 15000)) << "the prompt opens";
    QTest::qWait(600);
    screenshot("rival-desktop-1-open.png");
    EXPECT_EQ(rival.state(), QProcess::Running);

    run("xdotool", {"windowactivate", "--sync", window});
    QTest::qWait(300);
    // Return is the prompt's default action: "Quit tabtype".
    run("xdotool", {"key", "Return"});
    // The rival may already have ended while xdotool ran; waitForFinished is false then.
    EXPECT_TRUE(rival.state() == QProcess::NotRunning || rival.waitForFinished(8000)) << "Quit ends the named process";
    QTest::qWait(800);
    screenshot("rival-desktop-2-resolved.png");
    EXPECT_FALSE(promptWindow().isEmpty()) << "the resolved prompt stays a moment";
    EXPECT_TRUE(QTest::qWaitFor([&] { return promptWindow().isEmpty(); }, 6000)) << "and closes itself";

    program.end();
    if (rival.state() != QProcess::NotRunning) {
        rival.kill();
        rival.waitForFinished();
    }
}

} // namespace
