// The real program started while a process named like a competing application runs: the
// prompt opens and names it, "Quit" ends that process, and the prompt resolves and closes.

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

namespace {

QString xdotool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(5000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

QString promptWindow()
{
    return xdotool({"search", "--onlyvisible", "--name", "^Another autocomplete app is running$"})
        .split('\n', Qt::SkipEmptyParts)
        .value(0);
}

void screenshot(const QString& name)
{
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
    QDir().mkpath(dir);
    if (QScreen* screen = QGuiApplication::primaryScreen())
        screen->grabWindow(0).save(QDir(dir).filePath(name));
}

TEST(RivalDesktop, PromptNamesTheRivalQuitsItAndClosesItself)
{
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the desktop session";
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const QString config = QDir(home.path()).filePath("config/Tessaquill");
    QDir().mkpath(config);
    QDir().mkpath(QDir(home.path()).filePath("data"));
    {
        QFile f(QDir(config).filePath("com.morvenfax.tessaquill.json"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QJsonDocument(QJsonObject{{"onboardingDone", true}, {"introSeen", true}}).toJson());
    }
    // A stand-in competing application, known by its name.
    const QString exe = QDir(home.path()).filePath("tabtype");
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), exe));
    QProcess rival;
    rival.start(exe, {"600"});
    ASSERT_TRUE(rival.waitForStarted());

    QProcess app;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
    env.insert("XDG_DATA_HOME", QDir(home.path()).filePath("data"));
    env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    env.insert("TESSAQUILL_REDUCE_MOTION", "1");
    env.remove("QT_QPA_PLATFORM");
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedChannels);
    app.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {});
    ASSERT_TRUE(app.waitForStarted(5000));

    QString window;
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(window = promptWindow()).isEmpty(); }, 15000)) << "the prompt opens";
    QTest::qWait(600);
    screenshot("rival-desktop-1-open.png");
    EXPECT_EQ(rival.state(), QProcess::Running);

    xdotool({"windowactivate", "--sync", window});
    QTest::qWait(300);
    // Return is the prompt's default action: "Quit tabtype".
    xdotool({"key", "Return"});
    EXPECT_TRUE(rival.waitForFinished(8000)) << "Quit ends the named process";
    QTest::qWait(800);
    screenshot("rival-desktop-2-resolved.png");
    EXPECT_FALSE(promptWindow().isEmpty()) << "the resolved prompt stays a moment";
    EXPECT_TRUE(QTest::qWaitFor([&] { return promptWindow().isEmpty(); }, 6000)) << "and closes itself";

    app.kill();
    app.waitForFinished(3000);
    if (rival.state() != QProcess::NotRunning) {
        rival.kill();
        rival.waitForFinished();
    }
}

} // namespace
