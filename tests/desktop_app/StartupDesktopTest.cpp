// The program started in sessions that lack what it needs: each lack is said in one sentence
// on standard error, and a display that is gone ends the program before Qt speaks.
#include "support/PrivateBus.h"
#include "support/Program.h"

#include <QProcess>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using tq::desktoptest::Program;

// Starts the program with `changes` to the session's environment and collects what it says
// until `line` shows or it ends.
QString runUntil(Program& program, const QMap<QString, QString>& changes, const QString& line)
{
    QProcessEnvironment env = program.environment();
    for (auto it = changes.begin(); it != changes.end(); ++it)
        env.insert(it.key(), it.value());
    EXPECT_TRUE(program.start({}, env));
    QTest::qWaitFor([&] { return program.log().contains(line) || program.process.state() == QProcess::NotRunning; }, tq::testwait::kPatience);
    return program.log();
}

TEST(Startup, ADisplayThatIsGoneEndsWithASentence)
{
    Program program{QByteArray()};
    QProcess& app = program.process;
    const QString err = runUntil(program, {{"DISPLAY", ":187"}}, "cannot open the X display");
    ASSERT_TRUE(app.state() == QProcess::NotRunning || app.waitForFinished(tq::testwait::kPatience));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(app.exitCode(), 0);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Tessaquill cannot open the X display \":187\""))) << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("Reinstalling"))) << err.toStdString();
}

TEST(Startup, MissingBusesAreNamed)
{
    struct Case {
        const char* name;
        QMap<QString, QString> env;
        QString sentence;
    };
    tq::test::PrivateBus bare; // a session bus without the accessibility bus
    ASSERT_FALSE(bare.address().isEmpty());
    const Case cases[] = {
        {"no session bus", {{"DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus"}},
         "There is no D-Bus session bus, so Tessaquill cannot reach text fields."},
        {"no accessibility bus", {{"DBUS_SESSION_BUS_ADDRESS", bare.address()}},
         "The desktop's accessibility bus is not running, so Tessaquill cannot reach text fields."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Program program{QByteArray()};
        const QString err = runUntil(program, c.env, c.sentence);
        EXPECT_TRUE(err.contains(c.sentence)) << err.toStdString();
        EXPECT_EQ(program.process.state(), QProcess::Running); // it runs on, saying what is missing
    }
}

} // namespace
