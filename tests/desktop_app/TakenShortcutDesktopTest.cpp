// A shortcut another program already holds (Suggest now, Ctrl+Alt+Space): pressing it leaves the
// shown suggestion alone, and the Keys pane says the shortcut is taken.

#include "RealProgram.h"
#include "platform/KeyNames.h"
#include "settings/KeyCombo.h"
#include "support/AtSpi.h"
#include "support/OtherGrab.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <X11/X.h>

namespace tq {

using namespace realprogram;

TEST(TakenShortcut, ItsPressLeavesTheGhostAndTheKeysPaneSaysItIsTaken)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    desktoptest::OtherGrab other(*x11KeyCodeFromMac(keycode::kSpace), ControlMask | Mod1Mask);
    ASSERT_TRUE(other.held());
    Program program(" world is wide");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    ASSERT_TRUE(waitFor([&] { return program.log().contains("held by another program"); }, testwait::kPatience)) << program.log().toStdString();

    Zenity field(Zenity::Kind::entry, QStringLiteral("Taken"));
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience))
        << program.log().toStdString();
    run("xdotool", {"key", "ctrl+alt+space"});
    // The other program's key: the ghost never goes for it.
    EXPECT_FALSE(waitFor([&] { return !program.ghost(); }, 1500)) << program.log().toStdString();
    EXPECT_EQ(field.text(), QStringLiteral("Hello "));

    QProcess again;
    again.setProcessEnvironment(program.environment());
    again.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "keys"});
    ASSERT_TRUE(again.waitForFinished(testwait::kPatience));
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = desktoptest::windowTitled("Keys", program.pid())).isEmpty(); }, testwait::kPatience));
    const QString sentence = QStringLiteral("Ctrl+Alt+Space is taken by another program.");
    const bool said = waitFor([&] {
        desktoptest::Node app = desktoptest::application(program.pid());
        return bool(desktoptest::find(app.p, sentence, ATSPI_ROLE_INVALID));
    }, testwait::kPatience);
    screenshot("keys-taken-shortcut.png");
    EXPECT_TRUE(said) << program.log().toStdString();
}

} // namespace tq
