// The real program on a desktop: a fake OpenAI-compatible server with a fixed reply, a zenity
// entry, keys typed through XTest; the ghost text appears at the caret, Tab and the key above
// Tab insert it, Escape hides it, SIGTERM writes the statistics.

#include "engines/EngineTestSupport.h"
#include "field/AXFieldSource.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace tq {

namespace {

const QByteArray kReply = " world is wide"; // a base model continues "Hello" with a space

QByteArray run(const QString& program, const QStringList& args, int timeoutMs = 10000)
{
    QProcess p;
    p.start(program, args);
    QElapsedTimer t;
    t.start();
    while (!p.waitForFinished(20)) {
        QCoreApplication::processEvents();
        if (t.elapsed() > timeoutMs) {
            p.kill();
            p.waitForFinished();
            break;
        }
    }
    return p.readAllStandardOutput();
}

// Turns the event loop (the fake server answers on it) until `done` or the time runs out.
bool waitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < timeoutMs) {
        if (done())
            return true;
        QTest::qWait(50);
    }
    return done();
}

struct Geometry {
    QRect rect;
    bool ok = false;
};

Geometry windowGeometry(const QString& window)
{
    const QString out = QString::fromUtf8(run("xdotool", {"getwindowgeometry", "--shell", window}));
    QHash<QString, int> v;
    for (const QString& line : out.split('\n')) {
        const auto parts = line.split('=');
        if (parts.size() == 2)
            v[parts[0]] = parts[1].toInt();
    }
    if (!v.contains("WIDTH"))
        return {};
    return {QRect(v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]), true};
}

class MainRoad : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(home.isValid());
        const auto answer = [](const test::FakeHttpServer::Request& r) {
            const QJsonObject choice{{"text", QString::fromUtf8(kReply)},
                                     {"index", 0},
                                     {"message", QJsonObject{{"role", "assistant"}, {"content", QString::fromUtf8(kReply)}}},
                                     {"finish_reason", "stop"}};
            return test::FakeHttpServer::Response{200, QJsonDocument(QJsonObject{{"choices", QJsonArray{choice}}}).toJson()};
        };
        server.on("/v1/completions", answer);
        server.on("/v1/chat/completions", answer);
        server.reply("/v1/models", 200, R"({"data":[{"id":"fixed"}]})");

        QDir().mkpath(QDir(home.path()).filePath("data"));
        QDir().mkpath(QDir(home.path()).filePath("runtime"));
        QFile::setPermissions(QDir(home.path()).filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        writeSettings(server.base(), "fixed");
    }

    // The OpenAI-compatible engine at `base`, first run done, nothing else to ask the user.
    void writeSettings(const QString& base, const QString& model)
    {
        const QString config = QDir(home.path()).filePath("config/Tessaquill");
        QDir().mkpath(config);
        QFile settings(QDir(config).filePath("com.morvenfax.tessaquill.json"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QJsonDocument(QJsonObject{{"onboardingDone", true},
                                                 {"introSeen", true},
                                                 {"remindHiddenIcon", false},
                                                 {"engine", "openAI"},
                                                 {"serverURL", QString(base + "/v1")},
                                                 {"serverModel", model},
                                                 {"delayMilliseconds", 0.0},
                                                 {"showKeyHint", false},
                                                 {"suggestFixes", false},
                                                 {"contextScreen", false},
                                                 {"contextRecent", false}})
                           .toJson());
        settings.close();
    }

    void TearDown() override
    {
        if (app.state() != QProcess::NotRunning) {
            app.kill();
            app.waitForFinished(3000);
        }
        if (zenity.state() != QProcess::NotRunning) {
            zenity.kill();
            zenity.waitForFinished(3000);
        }
    }

    QString openZenity()
    {
        zenity.start("zenity", {"--entry", "--title=Main road", "--text=Field"});
        const QString window =
            QString::fromUtf8(run("xdotool", {"search", "--sync", "--name", "^Main road$"}, 15000)).split('\n').value(0).trimmed();
        if (!window.isEmpty()) {
            run("xdotool", {"windowactivate", "--sync", window});
            run("xdotool", {"windowfocus", "--sync", window});
            QTest::qWait(800); // the program attaches to the new front application
        }
        return window;
    }

    void startApp()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
        env.insert("XDG_DATA_HOME", QDir(home.path()).filePath("data"));
        env.insert("XDG_RUNTIME_DIR", QDir(home.path()).filePath("runtime"));
        env.remove("TESSAQUILL_LOCAL_ONLY");
        env.remove("QT_QPA_PLATFORM");
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::SeparateChannels);
        app.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {});
        ASSERT_TRUE(app.waitForStarted(5000));
    }

    QString appLog()
    {
        log += app.readAllStandardError();
        log += app.readAllStandardOutput();
        return QString::fromUtf8(log);
    }

    // The visible windows of the program (the ghost panel is the only one here).
    QStringList appWindows()
    {
        return QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(app.processId())}))
            .split('\n', Qt::SkipEmptyParts);
    }

    QString fieldText()
    {
        AXFieldSource source;
        source.attach(zenity.processId());
        QTest::qWait(200);
        const auto snap = source.snapshot();
        return snap ? snap->before + snap->after : QStringLiteral("<no field>");
    }

    void screenshot(const QString& name)
    {
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(QDir(dir).filePath(name));
    }

    QTemporaryDir home;
    test::FakeHttpServer server;
    QProcess app;
    QProcess zenity;
    QByteArray log;
};

} // namespace

TEST_F(MainRoad, TypedTextGetsAGhostSuggestionThatTabAndTheKeyAboveTabInsert)
{
    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start: tap running 1"); }, 15000)) << appLog().toStdString();

    const QString window = openZenity();
    ASSERT_FALSE(window.isEmpty());

    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return !server.requestsTo("/v1/completions").isEmpty() || !server.requestsTo("/v1/chat/completions").isEmpty(); }, 10000))
        << appLog().toStdString();
    const bool ghostShown = waitFor([&] { return !appWindows().isEmpty(); }, 10000);
    if (!ghostShown)
        screenshot("main-road-no-ghost.png");
    ASSERT_TRUE(ghostShown) << appLog().toStdString()
                            << [&] {
                                   std::string out;
                                   for (const auto& r : server.requests())
                                       out += r.path.toStdString() + " " + r.body.left(300).toStdString() + "\n";
                                   return out;
                               }();
    QTest::qWait(300);
    screenshot("main-road-ghost.png");

    // The ghost lies next to the caret, inside the entry's window, and the entry keeps focus.
    const Geometry ghost = windowGeometry(appWindows().first());
    const Geometry field = windowGeometry(window);
    ASSERT_TRUE(ghost.ok && field.ok);
    EXPECT_TRUE(field.rect.adjusted(-40, -40, 40, 40).intersects(ghost.rect))
        << "ghost " << ghost.rect.x() << "," << ghost.rect.y() << " field " << field.rect.x() << "," << field.rect.y();
    EXPECT_EQ(QString::fromUtf8(run("xdotool", {"getwindowfocus"})).trimmed(), window);

    run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(waitFor([&] { return fieldText().startsWith("Hello world"); }, 5000)) << fieldText().toStdString();
    EXPECT_EQ(fieldText().trimmed(), QStringLiteral("Hello world"));

    run("xdotool", {"key", "grave"});
    ASSERT_TRUE(waitFor([&] { return fieldText() == QStringLiteral("Hello world is wide"); }, 5000)) << fieldText().toStdString();
    EXPECT_EQ(QString::fromUtf8(run("xdotool", {"getwindowfocus"})).trimmed(), window);

    // A new suggestion; Escape hides it.
    run("xdotool", {"type", "--delay", "60", " and "});
    ASSERT_TRUE(waitFor([&] { return !appWindows().isEmpty(); }, 10000));
    QTest::qWait(1000); // every request of the typed keys answered: nothing left to show later
    run("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitFor([&] { return appWindows().isEmpty(); }, 3000));
    screenshot("main-road-after-escape.png");

    // SIGTERM writes the statistics before the program ends.
    ::kill(app.processId(), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_EQ(app.exitCode(), 0);
    QFile stats(QDir(home.path()).filePath("data/Tessaquill/stats.json"));
    ASSERT_TRUE(stats.open(QIODevice::ReadOnly));
    const QJsonObject days = QJsonDocument::fromJson(stats.readAll()).object().value("days").toObject();
    ASSERT_EQ(days.size(), 1);
    EXPECT_EQ(days.begin().value().toObject().value("words").toInt(), 3); // "world", "is wide"

    // None of the typed or suggested text reaches the log.
    const QString all = appLog();
    EXPECT_FALSE(all.contains("Hello"));
    EXPECT_FALSE(all.contains("world"));
    EXPECT_FALSE(all.contains("is wide")) << all.toStdString();
}

// The same road with llama.cpp's own server and the tiny generated model: whatever the random
// weights write, a suggestion is drawn and Tab puts its next piece into the field.
TEST_F(MainRoad, LlamaServerWithTheTinyModel)
{
    const QString model = QStringLiteral(TQ_BINARY_DIR "/models/tiny.gguf");
    ASSERT_TRUE(QFile::exists(model) && QFile::exists(QStringLiteral(TQ_LLAMA_BIN "/llama-server")));
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    const quint16 port = probe.serverPort();
    probe.close();
    QProcess llama;
    llama.setProcessChannelMode(QProcess::MergedChannels);
    llama.start(QStringLiteral(TQ_LLAMA_BIN "/llama-server"),
                {"-m", model, "--host", "127.0.0.1", "--port", QString::number(port), "-c", "512", "-t", "2",
                 "--alias", "tiny", "--seed", "7"});
    ASSERT_TRUE(llama.waitForStarted(10000));
    const QString base = QStringLiteral("http://127.0.0.1:%1").arg(port);
    QNetworkAccessManager nam;
    const auto healthy = [&] {
        QNetworkReply* reply = nam.get(QNetworkRequest(QUrl(base + "/health")));
        waitFor([&] { return reply->isFinished(); }, 2000);
        const bool ok = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200;
        reply->deleteLater();
        return ok;
    };
    ASSERT_TRUE(waitFor(healthy, 60000))
        << llama.readAll().toStdString();
    writeSettings(base, "tiny");

    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start: tap running 1"); }, 15000)) << appLog().toStdString();
    const QString window = openZenity();
    ASSERT_FALSE(window.isEmpty());
    run("xdotool", {"type", "--delay", "60", "The cat"});
    const bool shown = waitFor([&] { return !appWindows().isEmpty(); }, 20000);
    screenshot("main-road-llama.png");
    ASSERT_TRUE(shown) << appLog().toStdString();
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return fieldText().size() > QStringLiteral("The cat").size(); }, 5000))
        << fieldText().toStdString();
    const QString focused = QString::fromUtf8(run("xdotool", {"getwindowfocus"})).trimmed();
    EXPECT_EQ(focused, window) << run("xprop", {"-id", focused, "WM_NAME", "WM_CLASS", "_NET_WM_WINDOW_TYPE", "WM_HINTS"}).toStdString()
                               << appLog().toStdString();
    llama.terminate();
    llama.waitForFinished(5000);
}

TEST_F(MainRoad, ASecondLaunchHandsOverAndEnds)
{
    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start"); }, 15000)) << appLog().toStdString();
    QProcess second;
    second.setProcessEnvironment(app.processEnvironment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "keys"});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    ASSERT_TRUE(waitFor([&] { return !QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(app.processId()), "--name", "^Keys$"})).trimmed().isEmpty(); }, 5000));
    ::kill(app.processId(), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_EQ(app.exitCode(), 0);
}

} // namespace tq
