// Keys the program acts on never reach the field as well, and spelling follows the writer's
// language: the real program with zenity's text view and entry.

#include "RealProgram.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

namespace {

class Keys : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
    }
    bool windowShown(const QString& name)
    {
        return !desktoptest::windowTitled(name, program.pid()).isEmpty();
    }
    Program program{" world is wide"};
};

} // namespace

TEST_F(Keys, KeypadEnterOnTheAlternativesInsertsTheChoiceAndNoLineBreak)
{
    ASSERT_TRUE(program.writeSettings(desktoptest::firstRunDone(desktoptest::quietSettings(program.serverURL()))));
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    // An entry: an Enter that reached it would submit the dialog.
    Zenity field(Zenity::Kind::entry, QStringLiteral("Keys"));
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "Hello "});
    const bool shown = waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience);
    screenshot("keys-ghost.png");
    ASSERT_TRUE(shown) << field.text().toStdString() << ", asked " << program.completions() << "\n" << program.log().toStdString();
    run("xdotool", {"key", "alt+Down"});
    const bool listed = waitFor([&] { return windowShown(QStringLiteral("Tessaquill alternatives")); }, testwait::kPatience);
    screenshot("keys-alternatives.png");
    ASSERT_TRUE(listed) << program.log().toStdString();
    run("xdotool", {"key", "KP_Enter"});
    EXPECT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello world is wide"); }, testwait::kPatience))
        << field.text().toStdString() << "\n" << program.log().toStdString();
    // A key typed after it reaches the field: had the Enter reached the dialog first, it would
    // have ended.
    run("xdotool", {"type", "!"});
    EXPECT_TRUE(waitFor([&] { return field.process.state() != QProcess::Running || field.text() == QStringLiteral("Hello world is wide!"); },
                        testwait::kPatience));
    EXPECT_EQ(field.process.state(), QProcess::Running) << "the Enter reached the dialog";
}

TEST_F(Keys, GermanTextGetsGermanFixesOnly)
{
    // No suggestion competes with the fixes.
    const auto nothing = [](const test::FakeHttpServer::Request&) {
        return test::FakeHttpServer::Response{
            200, R"({"choices":[{"text":"","index":0,"message":{"role":"assistant","content":""},"finish_reason":"stop"}]})"};
    };
    program.server.on("/v1/completions", nothing);
    program.server.on("/v1/chat/completions", nothing);
    QProcessEnvironment env = program.environment();
    env.insert("LANGUAGE", "de");
    env.insert("LANG", "de_DE.UTF-8");
    env.remove("LC_ALL");
    env.remove("LC_MESSAGES");
    program.start({}, env);
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    ASSERT_TRUE(program.log().contains("de_DE")) << "no German dictionary\n" << program.log().toStdString();

    Zenity field(Zenity::Kind::entry, QStringLiteral("Rechtschreibung"));
    ASSERT_TRUE(field.ready()) << field.problem;
    const QString correct = QStringLiteral("ich gehe heute und morgen mit dir nach hause ");
    run("xdotool", {"type", "--delay", "60", correct});
    ASSERT_TRUE(waitFor([&] { return field.text() == correct; }, testwait::kPatience)) << field.text().toStdString();
    // Checked once the program has read the whole text: its request carries the last word.
    ASSERT_TRUE(program.until("a request with the whole text", [&] { return program.prompts().contains("mit dir nach hause"); }));
    screenshot("spelling-german-correct.png");
    EXPECT_FALSE(program.log().contains("fix: present")) << program.log().toStdString();

    run("xdotool", {"type", "--delay", "60", "schnel "});
    const QString typed = correct + QStringLiteral("schnel ");
    const bool shown = waitFor([&] { return field.text() == typed && program.log().contains("fix: present"); }, testwait::kPatience);
    screenshot("spelling-german-fix.png");
    ASSERT_TRUE(shown) << field.text().toStdString() << ", asked " << program.completions() << "\n" << program.log().toStdString();
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return field.text() == correct + QStringLiteral("schnell "); }, testwait::kPatience))
        << field.text().toStdString() << "\n" << program.log().toStdString();
}

} // namespace tq
