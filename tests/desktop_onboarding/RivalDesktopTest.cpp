// The real program started while a process named like a competing application runs: the
// prompt opens and names it, "Quit" ends that process, and the prompt resolves and closes.

#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeReduceMotion.h"
#include "platform/fakes/FakeWorkspace.h"
#include "settings/Preferences.h"
#include "support/Desktop.h"
#include "support/Program.h"
#include "support/RivalLock.h"
#include "support/ScreenReader.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/design/Theme.h"
#include "ui/onboarding/RivalPromptView.h"

#include <QCheckBox>
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
    // No reminder of a hidden tray icon: its window would take the focus from the prompt.
    ASSERT_TRUE(program.writeSettings(QJsonObject{{"onboardingDone", true}, {"introSeen", true}, {"remindHiddenIcon", false}}));
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
    ASSERT_TRUE(program.window("Another autocomplete app is running", window));
    // Heard: the headline and explanation once, the buttons; the tug-of-war is a picture.
    tq::desktoptest::Node quit;
    ASSERT_TRUE(program.control("Quit tabtype", quit, ATSPI_ROLE_PUSH_BUTTON));
    screenshot("rival-desktop-1-open.png");
    EXPECT_EQ(rival.state(), QProcess::Running);
    const QStringList heard = tq::desktoptest::heard(tq::desktoptest::application(program.pid()).p, "rival-desktop-a11y.txt");
    const std::string all = heard.join('\n').toStdString();
    EXPECT_EQ(tq::desktoptest::mentions(heard, "<unnamed>"), 0) << all;
    EXPECT_EQ(tq::desktoptest::mentions(heard, "push button: Quit tabtype"), 1) << all;
    EXPECT_GE(tq::desktoptest::mentions(heard, "check box: "), 1) << all;

    ASSERT_TRUE(tq::desktoptest::activate(window));
    // Return is the prompt's default action: "Quit tabtype".
    run("xdotool", {"key", "Return"});
    // The rival may already have ended while xdotool ran; waitForFinished is false then.
    EXPECT_TRUE(rival.state() == QProcess::NotRunning || rival.waitForFinished(tq::testwait::kPatience)) << "Quit ends the named process";
    // The resolved prompt stays a moment, saying so (its headline and explanation are one element).
    EXPECT_TRUE(program.until("the resolved prompt", [&] {
        return tq::desktoptest::describeApplication(program.pid()).find("Tessaquill has the Tab key") != std::string::npos;
    }));
    screenshot("rival-desktop-2-resolved.png");
    EXPECT_TRUE(QTest::qWaitFor([&] { return promptWindow().isEmpty(); }, tq::testwait::kPatience)) << "and closes itself";

    program.end();
    if (rival.state() != QProcess::NotRunning) {
        rival.kill();
        rival.waitForFinished();
    }
}

// The prompt itself in virtual time: pictures of the screen a moment into each re-flow and at
// its end (refused: the shorter text lifts the toggle; resolved: the toggle and "Not Now" go).
TEST(RivalDesktop, PromptReflowsWhenItsHeadlineChanges)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    using namespace tq;
    VirtualClock clock;
    FakeReduceMotion reduce(false);
    MotionContext motion(clock, reduce);
    FakeDefaults defaults;
    Preferences prefs(defaults);
    FakeWorkspace workspace;
    workspace.apps = {{10, "", "Cotabby", {}}};
    workspace.declines.insert(10);
    RivalWatcher watcher(workspace, clock);
    watcher.refresh(false);
    watcher.startObserving();
    RivalPromptView view({watcher, prefs, motion, clock, {}}, [] {});
    applyInkTheme(&view);
    view.resize(460, 440);
    view.move(100, 100);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto at = [&](int ms, const QString& name) {
        clock.advance(Millis(ms));
        QTest::qWait(120);
        screenshot(name);
        return view.toggle()->y();
    };
    at(0, "rival-flow-1-waiting.png");
    view.primaryButton()->click();
    const int quitting = at(3990, "rival-flow-2-quitting.png");
    const int mid = at(60, "rival-flow-3-refused-mid.png"); // 50 ms into the re-flow
    const int refused = at(400, "rival-flow-4-refused.png");
    EXPECT_GT(quitting, mid);
    EXPECT_GT(mid, refused);
    view.primaryButton()->click(); // Force Quit: quitting, then resolved at the next look
    at(250, "rival-flow-5-resolved-start.png");
    at(50, "rival-flow-6-resolved-mid.png");
    at(400, "rival-flow-7-resolved.png");
    EXPECT_TRUE(view.isResolved());
    EXPECT_FALSE(view.notNowButton()->isVisible());
}

} // namespace
