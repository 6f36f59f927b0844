// The program started in sessions that lack what it needs: each lack is said in one sentence
// on standard error, and a display that is gone ends the program before Qt speaks.
#include "support/PrivateBus.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class Startup : public ::testing::Test {
protected:
    QTemporaryDir home;

    QProcessEnvironment environment(const QMap<QString, QString>& changes)
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
        env.insert("XDG_DATA_HOME", QDir(home.path()).filePath("data"));
        env.insert("XDG_RUNTIME_DIR", QDir(home.path()).filePath("runtime"));
        env.remove("QT_QPA_PLATFORM");
        for (auto it = changes.begin(); it != changes.end(); ++it)
            env.insert(it.key(), it.value());
        return env;
    }

    // Starts the program and collects standard error until `line` shows or it ends.
    QString runUntil(QProcess& app, const QMap<QString, QString>& changes, const QString& line)
    {
        QDir().mkpath(QDir(home.path()).filePath("runtime"));
        app.setProcessEnvironment(environment(changes));
        app.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {});
        EXPECT_TRUE(app.waitForStarted(5000));
        QString err;
        QTest::qWaitFor(
            [&] {
                err += QString::fromUtf8(app.readAllStandardError());
                return err.contains(line) || app.state() == QProcess::NotRunning;
            },
            15000);
        err += QString::fromUtf8(app.readAllStandardError());
        return err;
    }
};

TEST_F(Startup, ADisplayThatIsGoneEndsWithASentence)
{
    QProcess app;
    const QString err = runUntil(app, {{"DISPLAY", ":187"}}, "cannot open the X display");
    ASSERT_TRUE(app.state() == QProcess::NotRunning || app.waitForFinished(5000));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(app.exitCode(), 0);
    EXPECT_TRUE(err.startsWith(QStringLiteral("Tessaquill cannot open the X display \":187\""))) << err.toStdString();
    EXPECT_FALSE(err.contains(QStringLiteral("Reinstalling"))) << err.toStdString();
}

TEST_F(Startup, MissingBusesAreNamed)
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
        QProcess app;
        const QString err = runUntil(app, c.env, c.sentence);
        EXPECT_TRUE(err.contains(c.sentence)) << err.toStdString();
        EXPECT_EQ(app.state(), QProcess::Running); // it runs on, saying what is missing
        app.kill();
        app.waitForFinished(3000);
    }
}

} // namespace
