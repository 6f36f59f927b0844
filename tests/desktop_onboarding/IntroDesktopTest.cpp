// The real program with "--play-intro": the intro window plays (with no sound device, in
// silence), keeps pictures of itself, and Escape ends it and closes the window.

#include "support/RivalLock.h"
#include "support/Wait.h"
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <csignal>

namespace {

QString xdo(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString introWindow()
{
    return xdo({"search", "--onlyvisible", "--name", "^Tessaquill$"}).split('\n', Qt::SkipEmptyParts).value(0);
}

void screenshot(const QString& name)
{
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(QDir(dir).filePath(name));
}

// The real program with `settings` as its preferences, its configuration and data in `home`.
bool start(QProcess& app, const QTemporaryDir& home, const QJsonObject& settings, const QStringList& args)
{
    const QString config = QDir(home.path()).filePath("config/Tessaquill");
    QDir().mkpath(config);
    {
        QFile f(QDir(config).filePath("com.morvenfax.tessaquill.json"));
        if (!f.open(QIODevice::WriteOnly))
            return false;
        f.write(QJsonDocument(settings).toJson());
    }
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
    env.insert("XDG_DATA_HOME", QDir(home.path()).filePath("data"));
    env.remove("QT_QPA_PLATFORM");
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedChannels);
    app.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), args);
    return app.waitForStarted(5000);
}

TEST(IntroDesktop, PlayIntroRunsAndEscapeClosesIt)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    QTemporaryDir home;
    const tq::desktoptest::RivalLock rivals(tq::desktoptest::RivalLock::Mode::shared); // no competing program meanwhile
    QProcess app;
    ASSERT_TRUE(start(app, home, QJsonObject{{"onboardingDone", true}, {"introSeen", true}}, {"--play-intro"}));

    QString window;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(window = introWindow()).isEmpty(); }, tq::testwait::kPatience));
    xdo({"windowactivate", "--sync", window});
    QTest::qWait(4200);
    screenshot("intro-desktop-4s.png");
    QTest::qWait(3000);
    screenshot("intro-desktop-7s.png");
    EXPECT_EQ(app.state(), QProcess::Running) << "no sound device is not an error";
    xdo({"key", "Escape"});
    EXPECT_TRUE(QTest::qWaitFor([&] { return introWindow().isEmpty(); }, tq::testwait::kPatience)) << "Escape leaves and closes";
    app.kill();
    app.waitForFinished(3000);
}

// The intro of a launch after the onboarding, closed by the window manager during its leaving
// fade: what follows it (the settings window, or the onboarding without access) still opens.
TEST(IntroDesktop, ClosedWhileLeavingTheNextWindowStillOpens)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    QTemporaryDir home;
    const tq::desktoptest::RivalLock rivals(tq::desktoptest::RivalLock::Mode::shared); // no competing program meanwhile
    QProcess app;
    ASSERT_TRUE(start(app, home, QJsonObject{{"onboardingDone", true}, {"introSeen", false}, {"remindHiddenIcon", false}}, {}));
    QString window;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(window = introWindow()).isEmpty(); }, tq::testwait::kPatience));
    xdo({"windowactivate", "--sync", window});
    ASSERT_TRUE(QTest::qWaitFor([&] { return xdo({"getwindowfocus"}) == window; }, tq::testwait::kPatience));
    // The window manager's close lands inside the fade however busy the machine: the program
    // is held while both queue up, and reads the Escape that starts the fade, then the close.
    ::kill(pid_t(app.processId()), SIGSTOP);
    xdo({"key", "Escape"});
    xdo({"key", "alt+F4"});
    ::kill(pid_t(app.processId()), SIGCONT);
    // The settings window (titled by its pane) or the onboarding: any window but the intro.
    const QString pid = QString::number(app.processId());
    const auto followed = [&] {
        for (const QString& w : xdo({"search", "--onlyvisible", "--pid", pid}).split('\n', Qt::SkipEmptyParts)) {
            const QString name = xdo({"getwindowname", w});
            if (!name.isEmpty() && name != QStringLiteral("Tessaquill"))
                return true;
        }
        return false;
    };
    EXPECT_TRUE(QTest::qWaitFor(followed, tq::testwait::kPatience)) << "the settings window or the onboarding follows";
    screenshot("intro-desktop-closed-while-leaving.png");
    app.kill();
    app.waitForFinished(3000);
}

} // namespace
