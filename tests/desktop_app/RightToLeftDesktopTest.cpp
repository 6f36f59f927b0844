// The real program in a right-to-left field, with and without a compositing manager: zenity's
// entry holding Arabic text, an Arabic suggestion. The ghost runs on from the caret to the
// left, inside the field, and Tab inserts its first word.

#include "RealProgram.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

namespace {

const QString kTyped = QStringLiteral("مرحبا ");
const QByteArray kReply = QStringLiteral(" بكم يا أصدقائي").toUtf8(); // continues the word before the space

// Ink pixels (away from the field's background) in `area` of `shot`.
int inkPixels(const QImage& shot, const QRect& area)
{
    const QRect r = area & shot.rect();
    if (r.isEmpty())
        return 0;
    const QRgb background = shot.pixel(r.right(), r.bottom());
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = shot.pixel(x, y);
            n += std::max({std::abs(qRed(p) - qRed(background)), std::abs(qGreen(p) - qGreen(background)),
                           std::abs(qBlue(p) - qBlue(background))})
                > 48;
        }
    return n;
}

class RightToLeft : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(compositor.ready()) << "compositing manager " << GetParam();
    }
    QString shot(const QString& stem) const { return stem + (GetParam() ? "-xcompmgr.png" : "-plain.png"); }

    Compositor compositor{GetParam()};
    Program program{kReply};
};

} // namespace

TEST_P(RightToLeft, ArabicGhostRunsLeftOfTheCaretInsideTheEntry)
{
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    Zenity field(Zenity::Kind::entry, "Right to left");
    ASSERT_TRUE(field.ready()) << field.problem;

    run("xdotool", {"type", "--delay", "80", kTyped.trimmed()});
    run("xdotool", {"key", "space"});
    const bool shown = waitFor([&] { return field.text() == kTyped && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience);
    if (!shown)
        screenshot(shot("rtl-entry-no-ghost"));
    ASSERT_TRUE(shown) << "field: \"" << field.text().toStdString() << "\", asked " << program.completions() << "\n" << program.log().toStdString() << program.prompts().toStdString();

    const QRect ghost = program.ghost().value_or(QRect());
    const FieldState state = readField(field.pid());
    const QRect entry = windowGeometry(field.window);
    const std::string where = "ghost " + std::to_string(ghost.x()) + "," + std::to_string(ghost.y()) + " "
        + std::to_string(ghost.width()) + "x" + std::to_string(ghost.height()) + ", caret x " + std::to_string(state.caretX)
        + ", line start " + std::to_string(state.lineStartX) + ", window " + std::to_string(entry.x()) + ".."
        + std::to_string(entry.right());
    // Left of the caret, on its row, inside the dialog; the typed text right of the caret.
    EXPECT_LE(ghost.right(), state.caretX + 4) << where;
    EXPECT_GE(ghost.left(), entry.left()) << where;
    EXPECT_LT(ghost.height(), 40) << where; // one row
    // Its ink, once a loaded desktop has painted it.
    int ink = 0;
    waitFor([&] {
        const QImage screen = screenshot(shot("rtl-entry-ghost"));
        ink = inkPixels(screen, QRect(ghost.left(), ghost.top(), state.caretX - 2 - ghost.left(), ghost.height()));
        return ink > 40;
    }, testwait::kPatience);
    EXPECT_GT(ink, 40) << where;
    EXPECT_GT(state.lineStartX, state.caretX) << where;

    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return field.text().trimmed() == kTyped + QStringLiteral("بكم"); }, testwait::kPatience)) << field.text().toStdString();
    screenshot(shot("rtl-entry-after-tab"));
}

INSTANTIATE_TEST_SUITE_P(Desktop, RightToLeft, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "xcompmgr" : "noCompositor"; });

} // namespace tq
