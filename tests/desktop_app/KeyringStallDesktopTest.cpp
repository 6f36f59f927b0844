// The real program with a keyring that stops answering mid-run (the session's gnome-keyring
// held with SIGSTOP): typing in a field, opening the Engine pane and quitting each answer well
// before a call to the keyring would give up (25 s), and the server is still asked with the key
// read before the stall.

#include "RealProgram.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QProcess>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

namespace tq {

using namespace realprogram;

namespace {

constexpr qint64 kAnswerMs = 10000; // a loaded desktop is slow; a wait for the keyring is slower

// The session's secret service held still for as long as this lives.
class StoppedKeyring {
public:
    explicit StoppedKeyring(qint64 pid) : pid_(pid) { stopped_ = pid_ > 0 && ::kill(pid_t(pid_), SIGSTOP) == 0; }
    ~StoppedKeyring()
    {
        if (stopped_)
            ::kill(pid_t(pid_), SIGCONT);
    }
    bool stopped() const { return stopped_; }

private:
    qint64 pid_;
    bool stopped_ = false;
};

qint64 secretServicePid()
{
    const auto reply = QDBusConnection::sessionBus().interface()->servicePid(QStringLiteral("org.freedesktop.secrets"));
    return reply.isValid() ? qint64(reply.value()) : -1;
}

QByteArray lastKeyOnTheWire(const Program& program)
{
    const auto requests = program.server.requestsTo("/v1/completions");
    return requests.isEmpty() ? QByteArray() : requests.last().headers.value("authorization");
}

} // namespace

TEST(KeyringStall, TypingTheEnginePaneAndQuittingNeverWaitForIt)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    const qint64 keyring = secretServicePid();
    ASSERT_GT(keyring, 0) << "no secret service in the session";
    QProcess store;
    store.start("secret-tool", {"store", "--label=server key", "service", "com.morvenfax.tessaquill", "account",
                                "server-api-key"});
    ASSERT_TRUE(store.waitForStarted(5000));
    store.write("sk-stall");
    store.closeWriteChannel();
    ASSERT_TRUE(store.waitForFinished(testwait::kPatience));

    Program program(" world");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    Zenity field(Zenity::Kind::entry, "Keyring stall");
    ASSERT_TRUE(field.ready()) << field.problem;
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return lastKeyOnTheWire(program) == "Bearer sk-stall"; }, testwait::kPatience))
        << lastKeyOnTheWire(program).toStdString() << "\n" << program.log().toStdString();

    StoppedKeyring stall(keyring);
    ASSERT_TRUE(stall.stopped());

    // Typing: the request for the new words goes out at once, with the key kept in memory.
    QElapsedTimer timer;
    timer.start();
    run("xdotool", {"type", "--delay", "60", "there "});
    waitFor([&] { return program.prompts().contains("Hello there"); }, 60000);
    const qint64 typing = timer.elapsed();
    EXPECT_EQ(lastKeyOnTheWire(program), QByteArray("Bearer sk-stall"));

    // The Engine pane, opened by a second launch that hands over.
    timer.restart();
    QProcess second;
    second.setProcessEnvironment(program.process.processEnvironment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "engine"});
    QString engine;
    waitFor([&] { return !(engine = desktoptest::windowTitled("Engine", program.pid())).isEmpty(); }, 60000);
    const qint64 pane = timer.elapsed();
    screenshot("keyring-stall-ghost.png"); // the suggestion came while the keyring was stopped
    QTest::qWait(800); // drawn
    screenshot("keyring-stall-engine.png");
    second.waitForFinished(5000);

    // Quitting.
    timer.restart();
    ::kill(pid_t(program.pid()), SIGTERM);
    program.process.waitForFinished(60000);
    const qint64 quit = timer.elapsed();

    std::cout << "with the keyring stopped: request after typing " << typing << " ms, Engine pane " << pane
              << " ms, quit " << quit << " ms" << std::endl;
    EXPECT_LT(typing, kAnswerMs);
    EXPECT_FALSE(engine.isEmpty());
    EXPECT_LT(pane, kAnswerMs);
    EXPECT_EQ(program.process.state(), QProcess::NotRunning);
    EXPECT_LT(quit, kAnswerMs);
    EXPECT_EQ(program.process.exitCode(), 0);
}

} // namespace tq
