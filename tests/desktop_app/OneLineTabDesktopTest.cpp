// A suggestion holding a tab, taken into a one-line field: the tab is written as a space, so the
// focus stays in the field and every word lands there.

#include "RealProgram.h"

#include <gtest/gtest.h>

namespace tq {

using namespace realprogram;

TEST(OneLineTab, ATabInASuggestionStaysASpaceInAnEntry)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    Program program(" world\tand more");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    Zenity field(Zenity::Kind::entry, "One line");
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello ") && program.ghostAtTheCaret(field.pid()); }, 15000))
        << "field: \"" << field.text().toStdString() << "\"\n" << program.log().toStdString();

    for (const char* key : {"Tab", "grave"}) { // the first word, then the rest
        const QString before = field.text();
        run("xdotool", {"key", key});
        ASSERT_TRUE(waitFor([&] { return field.text().size() > before.size(); }, 5000))
            << key << ": field \"" << field.text().toStdString() << "\"\n" << program.log().toStdString();
    }
    EXPECT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello world and more"); }, 5000))
        << "field: \"" << field.text().toStdString() << "\"";
    // The entry still has the keyboard: the next key lands in it.
    run("xdotool", {"type", "!"});
    EXPECT_TRUE(waitFor([&] { return field.text() == QStringLiteral("Hello world and more!"); }, 5000))
        << "field: \"" << field.text().toStdString() << "\"\n" << program.log().toStdString();
    screenshot("one-line-tab.png");
}

} // namespace tq
