// The real program on a scaled desktop, in a session of its own: at 200 % (a 2880×1800 screen,
// Xft.dpi 192, GDK_SCALE=2, as GNOME sets it on X11) or at 150 % (2400×1500, Xft.dpi 144, GTK
// left at scale 1, as KDE and Xfce set it). The ghost in zenity's entry stands at the caret with
// the typed text's size on screen, and the settings window follows the desktop's scale.

#include "desktop_app/RealProgram.h"
#include "platform/WindowList.h"

#include <QDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

namespace {

// Height of the rows around `y` that have ink in the columns `from`…`to`: the glyphs of one row
// of text, however tall, and nothing past the blank rows around it.
int inkBand(const QImage& shot, int from, int to, int y, QRgb background)
{
    const auto inked = [&](int row) {
        if (row < 0 || row >= shot.height())
            return false;
        for (int x = std::max(from, 0); x <= std::min(to, shot.width() - 1); ++x) {
            const QRgb p = shot.pixel(x, row);
            if (std::max({std::abs(qRed(p) - qRed(background)), std::abs(qGreen(p) - qGreen(background)),
                          std::abs(qBlue(p) - qBlue(background))})
                > 48)
                return true;
        }
        return false;
    };
    if (!inked(y))
        return 0;
    int top = y, bottom = y;
    while (inked(top - 1))
        --top;
    while (inked(bottom + 1))
        ++bottom;
    return bottom - top + 1;
}

// The session's scale, as tools/desktop-session.sh was asked for it.
double desktopScale() { return qEnvironmentVariable("TQ_SCALE").toDouble(); }

// A screenshot's name with the scale in it: "scaled-150-ghost.png".
QString shotName(const char* what)
{
    return QStringLiteral("scaled-%1-%2.png").arg(std::lround(100 * desktopScale())).arg(QLatin1String(what));
}

class Scaled : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !(desktopScale() > 1))
            GTEST_SKIP() << "needs a scaled desktop session (TQ_SCALE=1.5 or 2 tools/desktop-session.sh)";
    }
};

} // namespace

TEST_F(Scaled, GhostHasTheTypedTextsSizeOnScreen)
{
    Program program(" World is"); // a capital first, as tall as the typed one
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    // Wider than its least width: at 150 % GTK keeps its widgets' sizes at 1 and the entry
    // would be too small a field in the desktop's pixels.
    Zenity field(Zenity::Kind::entry, "Scaled", QProcessEnvironment::systemEnvironment(), {"--width=400"});
    ASSERT_TRUE(field.ready()) << field.problem;

    run("xdotool", {"type", "--delay", "60", "Hello "});
    const bool shown = waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience);
    if (!shown)
        screenshot(shotName("no-ghost"));
    ASSERT_TRUE(shown) << program.log().toStdString();

    // Fields are read in Qt's logical pixels, the screen's over the scale. Glyph heights on the
    // ghost's middle row: the typed text from the line's start to the caret, the ghost's first
    // word past the caret's bar, which stands at the ghost's left edge.
    const std::optional<QRect> ghost = program.ghost();
    ASSERT_TRUE(ghost);
    int typed = 0, drawn = 0, caretAt = 0;
    std::string where;
    waitFor(
        [&] {
            const FieldState state = readField(field.pid());
            const QImage shot = screenshot(shotName("ghost"));
            const int caret = int(desktopScale() * state.caretX), start = int(desktopScale() * state.lineStartX);
            const int y = ghost->center().y();
            caretAt = caret;
            const QRgb background = shot.pixel(start - 4, y);
            typed = inkBand(shot, start + 1, caret - 8, y, background);
            drawn = inkBand(shot, caret + 8, caret + 8 + (ghost->right() - caret) / 3, y, background);
            where = "ghost " + std::to_string(ghost->x()) + "," + std::to_string(ghost->y()) + " " + std::to_string(ghost->width())
                + "x" + std::to_string(ghost->height()) + ", caret x " + std::to_string(caret) + ", line start "
                + std::to_string(start) + ", typed " + std::to_string(typed) + ", ghost " + std::to_string(drawn);
            return typed > 12 && std::abs(drawn - typed) <= 0.15 * typed;
        }, testwait::kPatience);
    ASSERT_GT(typed, 12) << where;
    EXPECT_NEAR(drawn, typed, 0.15 * typed) << where;
    EXPECT_NEAR(ghost->x(), caretAt, 12) << where;

    // The window list speaks the same pixels: the caret lies inside the field's window.
    SystemPlatform platform;
    const FieldState state = readField(field.pid());
    const QVector<ListedWindow> windows = platform.windowList().windows();
    const auto window = std::find_if(windows.begin(), windows.end(), [&](const ListedWindow& w) { return w.pid == field.pid(); });
    ASSERT_NE(window, windows.end());
    EXPECT_TRUE(window->bounds.left() < state.caretX && state.caretX < window->bounds.right())
        << "caret x " << state.caretX << ", window " << window->bounds.left() << "…" << window->bounds.right();

    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return field.text().trimmed() == QStringLiteral("Hello World"); }, testwait::kPatience)) << field.text().toStdString();

    // A Qt field reports Qt's logical pixels, which are this program's too.
    QProcess qt;
    qt.start(QStringLiteral(TQ_BINARY_DIR "/tools/fieldapp/tq_fieldapp"), {"--single", ""});
    QString qtWindow;
    ASSERT_TRUE(waitFor([&] { return !(qtWindow = desktoptest::visibleWindows(qt.processId(), "^Field app$").value(0)).isEmpty(); }, testwait::kPatience));
    run("xdotool", {"windowactivate", "--sync", qtWindow});
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return program.ghostAtTheCaret(qt.processId()); }, testwait::kPatience)) << program.log().toStdString();
    screenshot(shotName("qt-ghost"));
    EXPECT_NEAR(program.ghost()->x(), desktopScale() * readField(qt.processId()).caretX, 12);
    qt.kill();
    qt.waitForFinished();
}

TEST_F(Scaled, SettingsWindowFollowsTheDesktopsScale)
{
    Program program(" world");
    QProcessEnvironment env = program.environment();
    env.insert("TESSAQUILL_REDUCE_MOTION", "1");
    ASSERT_TRUE(program.start({"--open-settings", "general"}, env));
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = desktoptest::windowTitled("General", program.pid())).isEmpty(); }, testwait::kPatience))
        << program.log().toStdString();
    run("xdotool", {"windowactivate", "--sync", window});
    // Its 900 × 640 at 1×, times the scale in the screen's pixels.
    QRect frame;
    waitFor([&] {
        frame = windowGeometry(window);
        return frame.width() >= 850 * desktopScale() && frame.height() >= 575 * desktopScale();
    }, testwait::kPatience);
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    run("import", {"-window", window, QDir(dir).filePath(shotName("settings-general"))});
    EXPECT_GE(frame.width(), 850 * desktopScale()) << frame.width() << "x" << frame.height();
    EXPECT_GE(frame.height(), 575 * desktopScale()) << frame.width() << "x" << frame.height();
}

} // namespace tq
