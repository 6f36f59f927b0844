// Emoji, emoticons and spelling fixes in zenity's GTK entry with the first-run program, with
// and without a compositing manager: the picker's choice replaces the typed query, a fix
// replaces the misspelled word.

#include "RealProgram.h"

#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

namespace {

class Replacements : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(compositor.ready());
        program.start();
        ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    }

    QString shot(const QString& stem) const { return stem + (GetParam() ? "-xcompmgr.png" : "-plain.png"); }

    bool pickerShown()
    {
        return !QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(program.pid()), "--name",
                                                  "^Tessaquill emoji$"}))
                    .trimmed()
                    .isEmpty();
    }

    Compositor compositor{GetParam()};
    Program program{" and more"};
};

} // namespace

TEST_P(Replacements, EmojiAndEmoticonsReplaceTheTypedQuery)
{
    const struct {
        const char* typed;
        const char* expected;
        const char* stem;
    } cases[] = {
        {"Launch :rocket", "Launch \U0001F680", "emoji-rocket"},
        {"Nice :D", "Nice \U0001F604", "emoticon-grin"},
    };
    for (const auto& c : cases) {
        Zenity field(Zenity::Kind::entry, QStringLiteral("Replacements"));
        ASSERT_TRUE(field.ready()) << field.problem;
        run("xdotool", {"type", "--delay", "60", QString::fromUtf8(c.typed)});
        const bool shown = waitFor([&] { return field.text() == QString::fromUtf8(c.typed) && pickerShown(); }, testwait::kPatience);
        screenshot(shot(c.stem));
        ASSERT_TRUE(shown) << c.typed << "\n" << program.log().toStdString();
        run("xdotool", {"key", "Tab"});
        EXPECT_TRUE(waitFor([&] { return field.text() == QString::fromUtf8(c.expected); }, testwait::kPatience))
            << c.typed << " gave " << field.text().toStdString() << "\n" << program.log().toStdString();
        EXPECT_FALSE(program.log().contains("emoji not inserted"));
    }
}

TEST_P(Replacements, ASpellingFixReplacesTheWord)
{
    // No suggestion competes with the fix: one drawn for the half-typed word (the typing slows
    // on a loaded desktop) would be followed by the space, and the fix never offered.
    const auto nothing = [](const test::FakeHttpServer::Request&) {
        return test::FakeHttpServer::Response{
            200, R"({"choices":[{"text":"","index":0,"message":{"role":"assistant","content":""},"finish_reason":"stop"}]})"};
    };
    program.server.on("/v1/completions", nothing);
    program.server.on("/v1/chat/completions", nothing);
    Zenity field(Zenity::Kind::entry, QStringLiteral("Replacements"));
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "I saw teh "});
    // The fix, once every key is read: a ghost seen while typing goes with the next key.
    const bool shown
        = waitFor([&] { return field.text() == QStringLiteral("I saw teh ") && program.ghostAtTheCaret(field.pid()); }, testwait::kPatience);
    screenshot(shot("spelling-fix"));
    ASSERT_TRUE(shown) << "field: \"" << field.text().toStdString() << "\"\n" << program.log().toStdString();
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return field.text() == QStringLiteral("I saw the "); }, testwait::kPatience))
        << field.text().toStdString() << "\n" << program.log().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Desktop, Replacements, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "xcompmgr" : "noCompositor"; });

} // namespace tq
