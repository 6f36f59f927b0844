// The running program against what the session does to it: the accessibility bus killed and
// started again (fields and windows are read again over the new bus, and the program's own
// windows are on it), and the program killed outright (nothing it started outlives it).
#include "desktop_app/RealProgram.h"
#include "support/A11yBus.h"
#include "support/DesktopApp.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

namespace tq {

using namespace realprogram;

namespace {

constexpr auto kLauncher = "/usr/libexec/at-spi-bus-launcher";

QString commandOf(qint64 pid)
{
    QFile f(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return f.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(f.readAll().replace('\0', ' ')).trimmed() : QString();
}

bool skipWithoutBus()
{
    return qEnvironmentVariableIsEmpty("DISPLAY") || !QFileInfo(QString::fromLatin1(kLauncher)).isExecutable();
}

// The largest N of the "`what`: N lines" lines of `log`; -1 without one.
int mostLines(const QString& log, const char* what)
{
    int most = -1;
    const QRegularExpression line(QString::fromLatin1(what) + QStringLiteral(": (\\d+) lines"));
    for (auto it = line.globalMatch(log); it.hasNext();)
        most = std::max(most, it.next().captured(1).toInt());
    return most;
}

struct ContextProgram : Program {
    explicit ContextProgram(const QByteArray& reply) : Program(reply)
    {
        QJsonObject s = settings();
        s.insert("contextScreen", true);
        s.insert("contextRecent", true);
        writeSettings(s);
    }
};

} // namespace

TEST(BusRestart, WindowsAreReadAgainOverTheNewBusWhenTheAccessibilityBusIsStartedAgain)
{
    if (skipWithoutBus())
        GTEST_SKIP() << "needs the desktop session and the accessibility bus launcher";
    ContextProgram program(" again");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    {
        Zenity before(Zenity::Kind::entry, "Before the restart");
        ASSERT_TRUE(before.ready()) << before.problem;
        run("xdotool", {"type", "--delay", "60", "Hello "});
        ASSERT_TRUE(program.until("a screen read", [&] { return mostLines(program.log(), "screen read") > 0; }));
    }

    const qsizetype mark = program.log().size();
    const std::string restarted = a11ybus::restart();
    ASSERT_TRUE(restarted.empty()) << restarted;
    ASSERT_TRUE(program.until("the main connection back", [&] { return program.log().mid(mark).contains("connected again"); }, 30000));

    // A window coming to the front is glanced at, and its field's screen is read, over the new bus.
    Zenity after(Zenity::Kind::entry, "After the restart");
    ASSERT_TRUE(after.ready()) << after.problem;
    EXPECT_TRUE(program.until("a glance read over the new bus", [&] { return mostLines(program.log().mid(mark), "glance read") > 0; }, 30000));
    run("xdotool", {"type", "--delay", "60", "Hello "});
    EXPECT_TRUE(program.until("a screen read over the new bus", [&] { return mostLines(program.log().mid(mark), "screen read") > 0; }, 30000));
}

TEST(BusRestart, AMousepadOpenedAfterTheAccessibilityBusRestartedGetsSuggestions)
{
    if (skipWithoutBus() || QStandardPaths::findExecutable("mousepad").isEmpty())
        GTEST_SKIP() << "needs the desktop session, the accessibility bus launcher and Mousepad";
    Program program(" again");
    program.start();
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    {
        Zenity before(Zenity::Kind::entry, "Before the restart");
        ASSERT_TRUE(before.ready()) << before.problem;
        run("xdotool", {"type", "--delay", "60", "Hello wor"});
        ASSERT_TRUE(program.until("a suggestion asked for before the restart", [&] { return program.asked(); }));
    }
    const qsizetype asked = program.completions();

    const qsizetype mark = program.log().size();
    const std::string restarted = a11ybus::restart();
    ASSERT_TRUE(restarted.empty()) << restarted;
    ASSERT_TRUE(program.until("the main connection back", [&] { return program.log().mid(mark).contains("connected again"); }, 30000));
    // The program's own windows are on the new bus too.
    const QString bus = a11ybus::address();
    const QString own = a11ybus::embedded(bus).key(program.pid());
    EXPECT_FALSE(own.isEmpty()) << "not embedded on the new bus";
    EXPECT_TRUE(own.isEmpty() || a11ybus::rootAnswers(bus, own));

    QTemporaryDir dir;
    desktoptest::DesktopApp mousepad(QStringLiteral("mousepad"), {}, {{"XDG_CONFIG_HOME", dir.filePath("config")},
                                                                     {"GDK_BACKEND", "x11"}, {"GSETTINGS_BACKEND", "memory"}});
    QString window;
    ASSERT_TRUE(program.until("a Mousepad window", [&] {
        window = desktoptest::visibleWindows(mousepad.pid(), QStringLiteral("Mousepad")).value(0);
        return !window.isEmpty();
    }));
    ASSERT_TRUE(desktoptest::activate(window)) << program.seen();
    run("xdotool", {"type", "--delay", "60", "Hello wor"});
    EXPECT_TRUE(program.until("a suggestion asked for in Mousepad", [&] { return program.completions() > asked; }, 30000));
    const QString after = program.log().mid(mark);
    EXPECT_FALSE(after.contains("restart it")) << after.toStdString();
}

TEST(BusRestart, NothingTheProgramStartedOutlivesItsKill)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    for (int round = 0; round < 5; ++round) {
        Program program(" world");
        program.start();
        ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
        const QList<qint64> own = a11ybus::descendantsOf(program.pid());
        QStringList commands;
        for (qint64 pid : own)
            commands << commandOf(pid);
        program.end(); // SIGKILL
        const bool gone = waitFor([&] { return std::none_of(own.begin(), own.end(), a11ybus::alive); }, 5000);
        EXPECT_TRUE(gone) << "round " << round << ": left running: " << commands.join(QStringLiteral(", ")).toStdString();
        for (qint64 pid : own)
            if (a11ybus::alive(pid))
                ::kill(pid_t(pid), SIGKILL);
    }
}

} // namespace tq
