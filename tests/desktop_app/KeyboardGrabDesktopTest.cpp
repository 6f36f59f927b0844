// While another program holds the keyboard (a password prompt that shows no password field),
// the program asks for nothing and shows no ghost; once the keyboard is let go, suggestions
// come again.
#include "RealProgram.h"
#include "support/AtSpi.h"

#include <xcb/xcb.h>

#include <gtest/gtest.h>

#include <cstdlib>

namespace tq {

using namespace realprogram;

namespace {

// An active keyboard grab of a client of its own, as a pinentry or a screen locker holds one.
class KeyboardHolder {
public:
    KeyboardHolder() : conn_(xcb_connect(nullptr, nullptr))
    {
        if (xcb_connection_has_error(conn_))
            return;
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        auto* r = xcb_grab_keyboard_reply(
            conn_, xcb_grab_keyboard(conn_, 1, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC), nullptr);
        held_ = r && r->status == XCB_GRAB_STATUS_SUCCESS;
        std::free(r);
    }
    ~KeyboardHolder() { xcb_disconnect(conn_); }
    bool held() const { return held_; }

private:
    xcb_connection_t* conn_;
    bool held_ = false;
};

// The first showing editable text below `root`.
desktoptest::Node editable(AtspiAccessible* root, int depth = 0)
{
    const int n = root && depth < 40 ? atspi_accessible_get_child_count(root, nullptr) : 0;
    for (int i = 0; i < n; ++i) {
        desktoptest::Node child(atspi_accessible_get_child_at_index(root, i, nullptr));
        if (!child)
            continue;
        AtspiEditableText* e = atspi_accessible_get_editable_text_iface(child.p);
        if (e) {
            g_object_unref(e);
            if (desktoptest::showing(child.p))
                return child;
        }
        if (desktoptest::Node deeper = editable(child.p, depth + 1))
            return deeper;
    }
    return {};
}

// Sets the field's text over accessibility, the caret at its end: keys would go to the holder.
bool setText(qint64 pid, const QString& text)
{
    const desktoptest::Node app = desktoptest::application(pid);
    const desktoptest::Node field = editable(app.p);
    if (!field)
        return false;
    AtspiEditableText* e = atspi_accessible_get_editable_text_iface(field.p);
    const bool set = atspi_editable_text_set_text_contents(e, text.toUtf8().constData(), nullptr);
    g_object_unref(e);
    AtspiText* t = atspi_accessible_get_text_iface(field.p);
    if (t) {
        atspi_text_set_caret_offset(t, int(text.size()), nullptr);
        g_object_unref(t);
    }
    return set;
}

} // namespace

TEST(KeyboardGrab, NothingIsAskedOrShownWhileAnotherProgramHoldsTheKeyboard)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    Program program(" world is wide");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    Zenity field(Zenity::Kind::entry, "Held keyboard");
    ASSERT_TRUE(field.ready()) << field.problem;
    // The program reads the empty field before the grab: a window that loses the keyboard to a
    // grab tells the desktop it is no longer focused, and a field never read is no field at all.
    ASSERT_TRUE(waitFor([&] { return program.log().contains("held in "); }, testwait::kPatience))
        << program.log().toStdString();

    {
        KeyboardHolder holder;
        ASSERT_TRUE(holder.held());
        ASSERT_TRUE(setText(field.pid(), "Hello "));
        const bool held = waitFor([&] { return program.log().contains("Secure input is on"); }, 10000);
        screenshot("keyboard-held.png");
        ASSERT_TRUE(held) << program.log().toStdString();
        EXPECT_FALSE(program.asked()) << program.prompts().toStdString();
        EXPECT_FALSE(program.ghost());
    }

    run("xdotool", {"type", "--delay", "60", "w"});
    const bool shown = waitFor([&] { return program.asked() && program.ghost(); }, 10000);
    screenshot("keyboard-let-go.png");
    EXPECT_TRUE(shown) << field.text().toStdString() << "\n" << program.log().toStdString();
    EXPECT_EQ(field.text(), QStringLiteral("Hello w"));
}

} // namespace tq
