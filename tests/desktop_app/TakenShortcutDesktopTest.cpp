// A shortcut another program already holds (Suggest now, Ctrl+Alt+Space): pressing it leaves the
// shown suggestion alone, and the Keys pane says the shortcut is taken.

#include "RealProgram.h"
#include "support/AtSpi.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>
#include <X11/keysym.h>

namespace tq {

using namespace realprogram;

namespace {

// Another X client's grab of Ctrl+Alt+Space for as long as it lives.
class OtherProgramsShortcut {
public:
    OtherProgramsShortcut()
    {
        display_ = XOpenDisplay(nullptr);
        int opcode = 0, event = 0, error = 0;
        if (!display_ || !XQueryExtension(display_, "XInputExtension", &opcode, &event, &error))
            return;
        int major = 2, minor = 2;
        XIQueryVersion(display_, &major, &minor);
        int master = -1, n = 0;
        XIDeviceInfo* devices = XIQueryDevice(display_, XIAllDevices, &n);
        for (int i = 0; i < n; ++i)
            if (devices[i].use == XIMasterKeyboard && master < 0)
                master = devices[i].deviceid;
        XIFreeDeviceInfo(devices);
        unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
        XISetMask(bits, XI_KeyPress);
        XIEventMask mask{master, int(sizeof(bits)), bits};
        XIGrabModifiers mods{int(ControlMask | Mod1Mask), 0};
        held_ = XIGrabKeycode(display_, master, XKeysymToKeycode(display_, XK_space), DefaultRootWindow(display_),
                              XIGrabModeAsync, XIGrabModeAsync, False, &mask, 1, &mods) == 0;
        XSync(display_, False);
    }
    ~OtherProgramsShortcut()
    {
        if (display_)
            XCloseDisplay(display_); // the grab goes with the connection
    }
    bool held() const { return held_; }

private:
    Display* display_ = nullptr;
    bool held_ = false;
};

} // namespace

TEST(TakenShortcut, ItsPressLeavesTheGhostAndTheKeysPaneSaysItIsTaken)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    OtherProgramsShortcut other;
    ASSERT_TRUE(other.held());
    Program program(" world is wide");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    ASSERT_TRUE(waitFor([&] { return program.log().contains("held by another program"); }, 5000)) << program.log().toStdString();

    Zenity field(Zenity::Kind::entry, QStringLiteral("Taken"));
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, 10000))
        << program.log().toStdString();
    run("xdotool", {"key", "ctrl+alt+space"});
    // The other program's key: the ghost never goes for it.
    EXPECT_FALSE(waitFor([&] { return !program.ghost(); }, 1500)) << program.log().toStdString();
    EXPECT_EQ(field.text(), QStringLiteral("Hello "));

    QProcess again;
    again.setProcessEnvironment(program.environment());
    again.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "keys"});
    ASSERT_TRUE(again.waitForFinished(10000));
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = desktoptest::windowTitled("Keys", program.pid())).isEmpty(); }, 10000));
    const QString sentence = QStringLiteral("Ctrl+Alt+Space is taken by another program.");
    const bool said = waitFor([&] {
        desktoptest::Node app = desktoptest::application(program.pid());
        return bool(desktoptest::find(app.p, sentence, ATSPI_ROLE_INVALID));
    }, 8000);
    screenshot("keys-taken-shortcut.png");
    EXPECT_TRUE(said) << program.log().toStdString();
}

} // namespace tq
