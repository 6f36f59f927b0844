// The real program with copied text as context and paste insertion, while another client owns
// the clipboard and never answers for it: the suggestion still comes, Tab takes it once (typed,
// as the clipboard cannot be taken), the key tap never waits for the program, and the owner
// keeps its clipboard.

#include "RealProgram.h"
#include "support/SilentClipboard.h"

#include <QJsonObject>

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

TEST(SilentClipboard, AnOwnerThatNeverAnswersHoldsUpNeitherTheFieldNorTab)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    Program program(" world");
    QJsonObject settings = program.settings();
    settings.insert("contextClipboard", true);
    settings.insert("insertion", "paste");
    ASSERT_TRUE(program.writeSettings(settings));
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.seen();
    desktoptest::SilentClipboard owner; // copied after the start: the program asks for it
    ASSERT_TRUE(owner.owns());

    Zenity field(Zenity::Kind::entry, "Silent clipboard");
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(program.until("the ghost at the caret",
                              [&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); },
                              15000));

    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(program.until("the suggestion in the field", [&] { return field.text() == QStringLiteral("Hello world"); }));
    run("xdotool", {"type", "!"}); // the entry still has the keyboard
    EXPECT_TRUE(program.until("the next key in the field", [&] { return field.text() == QStringLiteral("Hello world!"); }));
    EXPECT_TRUE(owner.owns());
    const QString log = program.log();
    EXPECT_TRUE(log.contains("paste: the clipboard could not be taken; typed instead")) << program.seen();
    EXPECT_FALSE(log.contains("key tap: no decision") || log.contains("key tap: the handler has not answered")) << program.seen();
}

} // namespace tq
