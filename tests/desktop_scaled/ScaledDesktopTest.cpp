// The real program on a desktop at 200 % (a 2880×1800 screen, Xft.dpi 192, GDK_SCALE=2, as
// GNOME sets it on X11), in a session of its own: the ghost in zenity's entry has the typed
// text's size on screen, and the settings window follows the desktop's scale.

#include "desktop_app/RealProgram.h"

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

class Scaled : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || qEnvironmentVariable("GDK_SCALE") != QLatin1String("2"))
            GTEST_SKIP() << "needs the desktop session at 200 % (TQ_SCALE=2 tools/desktop-session.sh)";
    }
};

} // namespace

TEST_F(Scaled, GhostHasTheTypedTextsSizeOnScreen)
{
    Program program(" World is"); // a capital first, as tall as the typed one
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    Zenity field(Zenity::Kind::entry, "Scaled");
    ASSERT_TRUE(field.ready()) << field.problem;

    run("xdotool", {"type", "--delay", "60", "Hello "});
    const bool shown = waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, 10000);
    if (!shown)
        screenshot("scaled-no-ghost.png");
    ASSERT_TRUE(shown) << program.log().toStdString();

    // The field reports its positions in its own units, half the screen's pixels. Glyph
    // heights on the ghost's middle row: the typed text from the line's start to the caret,
    // the ghost's first word past the caret's bar.
    const std::optional<QRect> ghost = program.ghost();
    ASSERT_TRUE(ghost);
    int typed = 0, drawn = 0;
    std::string where;
    waitFor(
        [&] {
            const FieldState state = readField(field.pid());
            const QImage shot = screenshot("scaled-ghost.png");
            const int caret = 2 * state.caretX, start = 2 * state.lineStartX, y = ghost->center().y();
            const QRgb background = shot.pixel(start - 4, y);
            typed = inkBand(shot, start + 1, caret - 8, y, background);
            drawn = inkBand(shot, caret + 8, caret + 8 + (ghost->right() - caret) / 3, y, background);
            where = "ghost " + std::to_string(ghost->x()) + "," + std::to_string(ghost->y()) + " " + std::to_string(ghost->width())
                + "x" + std::to_string(ghost->height()) + ", caret x " + std::to_string(caret) + ", line start "
                + std::to_string(start) + ", typed " + std::to_string(typed) + ", ghost " + std::to_string(drawn);
            return drawn > 0;
        },
        3000);
    ASSERT_GT(typed, 16) << where;
    EXPECT_NEAR(drawn, typed, 0.15 * typed) << where;

    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return field.text().trimmed() == QStringLiteral("Hello World"); }, 5000)) << field.text().toStdString();
}

TEST_F(Scaled, SettingsWindowFollowsTheDesktopsScale)
{
    Program program(" world");
    QProcessEnvironment env = program.environment();
    env.insert("TESSAQUILL_REDUCE_MOTION", "1");
    ASSERT_TRUE(program.start({"--open-settings", "general"}, env));
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = desktoptest::windowTitled("General", program.pid())).isEmpty(); }, 15000))
        << program.log().toStdString();
    run("xdotool", {"windowactivate", "--sync", window});
    QTest::qWait(1500);
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    run("import", {"-window", window, QDir(dir).filePath("scaled-settings-general.png")});
    // Twice its 900 × 640 at 1×, in the screen's pixels.
    const QRect frame = windowGeometry(window);
    EXPECT_GE(frame.width(), 1700) << frame.width() << "x" << frame.height();
    EXPECT_GE(frame.height(), 1150) << frame.width() << "x" << frame.height();
}

} // namespace tq
