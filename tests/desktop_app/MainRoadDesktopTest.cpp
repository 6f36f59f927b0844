// The real program on a desktop as a new user has it (first-run settings), with and without a
// compositing manager: a fake OpenAI-compatible server with a fixed reply, zenity's entry and
// text view, keys typed through XTest. The ghost text shows grey at the caret in the field's
// size, Tab and the key above Tab insert it, Escape hides it, SIGTERM writes the statistics.

#include "RealProgram.h"
#include "support/LlamaServer.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace tq {

using namespace realprogram;

namespace {

const QByteArray kReply = " world is wide"; // a base model continues "Hello" with a space

QString shotName(const QString& stem, bool compositor)
{
    return stem + (compositor ? QStringLiteral("-xcompmgr.png") : QStringLiteral("-plain.png"));
}

// The ghost right of the caret: grey glyphs, no opaque block, the typed text's size.
void expectGhostDrawnAtTheCaret(Program& program, qint64 fieldPid, const QString& name)
{
    const std::optional<QRect> ghost = program.ghost();
    ASSERT_TRUE(ghost);
    // Measured once the ghost's ink is on screen: a loaded desktop paints it late.
    FieldState field;
    RowPixels px;
    waitFor(
        [&] {
            field = readField(fieldPid);
            px = field.ok ? measureRow(screenshot(name), *ghost, field.lineStartX, field.caretX) : RowPixels();
            return px.greyGhostPixels > 40 && px.typedGlyphHeight > 4;
        }, testwait::kPatience);
    ASSERT_TRUE(field.ok);
    const std::string where = name.toStdString() + ": ghost " + std::to_string(ghost->x()) + "," + std::to_string(ghost->y()) + " "
        + std::to_string(ghost->width()) + "x" + std::to_string(ghost->height()) + ", caret x " + std::to_string(field.caretX)
        + ", line start " + std::to_string(field.lineStartX);
    EXPECT_GT(px.greyGhostPixels, 40) << where;
    EXPECT_LT(px.longestDarkRun, 12) << where;
    ASSERT_GT(px.typedGlyphHeight, 4) << where;
    EXPECT_NEAR(px.ghostGlyphHeight, px.typedGlyphHeight, 0.1 * px.typedGlyphHeight) << where;
}

// The field's window keeps the keyboard focus; otherwise says which window took it and keeps
// a screenshot.
void expectFocusStaysOn(const QString& field, Program& program, const QString& shot)
{
    const QString focused = focusedWindow();
    if (focused == field)
        return;
    screenshot(shot);
    ADD_FAILURE() << "focus left the field's " << describeWindow(field) << "\nfor " << describeWindow(focused)
                  << "\nthe program is process " << program.pid() << "; " << shot.toStdString() << "\n"
                  << program.log().toStdString();
}

class FirstRun : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(compositor.ready()) << "compositing manager " << GetParam();
        ASSERT_TRUE(program.home.isValid());
    }

    Compositor compositor{GetParam()};
    Program program{kReply};
};

} // namespace

TEST_P(FirstRun, TypedTextGetsAGhostSuggestionThatTabAndTheKeyAboveTabInsert)
{
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();

    Zenity field(Zenity::Kind::entry, "Main road");
    ASSERT_TRUE(field.ready()) << field.problem;

    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return program.asked(); }, testwait::kPatience)) << program.log().toStdString();
    const bool ghostShown
        = waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience);
    if (!ghostShown)
        screenshot(shotName("main-road-no-ghost", GetParam()));
    ASSERT_TRUE(ghostShown) << "field: \"" << field.text().toStdString() << "\"\n" << program.log().toStdString();
    expectGhostDrawnAtTheCaret(program, field.pid(), shotName("main-road-ghost", GetParam()));

    // The ghost lies next to the caret, inside the entry's window, and the entry keeps focus.
    const QRect ghost = program.ghost().value_or(QRect());
    const QRect window = windowGeometry(field.window);
    EXPECT_TRUE(window.adjusted(-40, -40, 40, 40).intersects(ghost))
        << "ghost " << ghost.x() << "," << ghost.y() << " field " << window.x() << "," << window.y();
    expectFocusStaysOn(field.window, program, shotName("main-road-focus-at-ghost", GetParam()));

    run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(waitFor([&] { return field.text().startsWith("Hello world"); }, testwait::kPatience)) << field.text().toStdString();
    EXPECT_EQ(field.text().trimmed(), QStringLiteral("Hello world"));
    // The rest, drawn anew further right: the last shape must not clip the new text.
    ASSERT_TRUE(waitFor([&] { return bool(program.ghost()); }, testwait::kPatience));
    expectGhostDrawnAtTheCaret(program, field.pid(), shotName("main-road-ghost-after-tab", GetParam()));

    run("xdotool", {"key", "grave"});
    ASSERT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello world is wide"); }, testwait::kPatience)) << field.text().toStdString();
    expectFocusStaysOn(field.window, program, shotName("main-road-focus-after-insert", GetParam()));

    // A new suggestion; Escape hides it. Escape goes once the program has read every typed key:
    // one read later would bring a suggestion back.
    run("xdotool", {"type", "--delay", "60", " and "});
    ASSERT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello world is wide and "); }, testwait::kPatience)) << field.text().toStdString();
    ASSERT_TRUE(waitFor([&] { return program.ghost() && desktoptest::presentedAtTheCaret(program.log(), field.pid()); }, testwait::kPatience))
        << program.log().toStdString();
    run("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitFor([&] { return !program.ghost(); }, testwait::kPatience));
    screenshot(shotName("main-road-after-escape", GetParam()));

    // SIGTERM writes the statistics before the program ends.
    ::kill(program.pid(), SIGTERM);
    ASSERT_TRUE(program.process.waitForFinished(testwait::kPatience));
    EXPECT_EQ(program.process.exitCode(), 0);
    QFile stats(QDir(program.home.path()).filePath("data/Tessaquill/stats.json"));
    ASSERT_TRUE(stats.open(QIODevice::ReadOnly));
    const QJsonObject days = QJsonDocument::fromJson(stats.readAll()).object().value("days").toObject();
    ASSERT_EQ(days.size(), 1);
    EXPECT_EQ(days.begin().value().toObject().value("words").toInt(), 3); // "world", "is wide"

    // None of the typed or suggested text reaches the log.
    const QString all = program.log();
    EXPECT_FALSE(all.contains("Hello"));
    EXPECT_FALSE(all.contains("world"));
    EXPECT_FALSE(all.contains("is wide")) << all.toStdString();
}

TEST_P(FirstRun, GhostInAGtkTextView)
{
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    Zenity field(Zenity::Kind::textView, "Main road text view");
    ASSERT_TRUE(field.ready()) << field.problem;

    run("xdotool", {"type", "--delay", "60", "Hello "});
    const bool ghostShown
        = waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience);
    if (!ghostShown)
        screenshot(shotName("main-road-text-view-no-ghost", GetParam()));
    ASSERT_TRUE(ghostShown) << "field: \"" << field.text().toStdString() << "\"\n" << program.log().toStdString();
    expectGhostDrawnAtTheCaret(program, field.pid(), shotName("main-road-text-view", GetParam()));

    run("xdotool", {"key", "grave"});
    EXPECT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello world is wide"); }, testwait::kPatience)) << field.text().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Desktop, FirstRun, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "xcompmgr" : "noCompositor"; });

namespace {

// The first-run program without a compositing manager, without the pixel checks.
class MainRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
    }
};

} // namespace

// The same road with llama.cpp's own server and the tiny generated model: whatever the random
// weights write, a suggestion is drawn and Tab puts its next piece into the field.
TEST_F(MainRoad, LlamaServerWithTheTinyModel)
{
    ASSERT_TRUE(desktoptest::LlamaServer::installed());
    desktoptest::LlamaServer llama;
    ASSERT_TRUE(llama.waitHealthy()) << llama.output().toStdString();
    Program program(QByteArray(), llama.base());
    // Greedy and without the screen's text: the prompt holds only what was typed.
    ASSERT_TRUE(program.writeSettings(desktoptest::firstRunDone(
        {{"engine", "openAI"}, {"serverURL", llama.base() + "/v1"}, {"contextScreen", false}, {"creativity", 0}})));
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    Zenity field(Zenity::Kind::entry, "Main road");
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "The cat"});
    const bool shown
        = waitFor([&] { return field.text() == QStringLiteral("The cat") && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience);
    screenshot("main-road-llama.png");
    ASSERT_TRUE(shown) << "field: \"" << field.text().toStdString() << "\"\n" << program.log().toStdString()
                       << "\nserver:\n" << llama.output().toStdString();
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return field.text().size() > QStringLiteral("The cat").size(); }, testwait::kPatience))
        << "field: \"" << field.text().toStdString() << "\"\n" << program.log().toStdString();
    expectFocusStaysOn(field.window, program, "main-road-llama-focus.png");
}

TEST_F(MainRoad, ASecondLaunchHandsOverAndEnds)
{
    Program program(kReply);
    program.start();
    ASSERT_TRUE(waitFor([&] { return program.log().contains("system-wide start"); }, testwait::kPatience)) << program.log().toStdString();
    QProcess second;
    second.setProcessEnvironment(program.process.processEnvironment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "keys"});
    ASSERT_TRUE(second.waitForFinished(testwait::kPatience));
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_TRUE(waitFor([&] { return !desktoptest::windowTitled("Keys", program.pid()).isEmpty(); }, testwait::kPatience));
    ::kill(program.pid(), SIGTERM);
    ASSERT_TRUE(program.process.waitForFinished(testwait::kPatience));
    EXPECT_EQ(program.process.exitCode(), 0);
}

} // namespace tq
