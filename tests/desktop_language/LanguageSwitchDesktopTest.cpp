// The real program switches its language: a word accepted in a zenity entry, then "Deutsch"
// chosen from the onboarding's language button and "Reopen Now": the program ends, a new one
// opens the settings window in German, and stats.json holds the accepted word. Arabic lays the
// windows out right to left. Screenshots of each state go to the artifacts folder.

#include "support/Wait.h"
#include "engines/EngineTestSupport.h"
#include "support/AtSpi.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QClipboard>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace tq {
namespace {

using namespace desktoptest;

const QByteArray kReply = " world is wide";

using testwait::run;
using testwait::waitFor;

// The instance started by a relaunch: the accessible application whose command line asks to
// wait for the running instance.
qint64 relaunchedPid()
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    const int n = atspi_accessible_get_child_count(desktop, nullptr);
    qint64 found = 0;
    for (int i = 0; i < n && !found; ++i) {
        Node app(atspi_accessible_get_child_at_index(desktop, i, nullptr));
        if (!app)
            continue;
        const qint64 pid = atspi_accessible_get_process_id(app.p, nullptr);
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains("--wait-for-instance"))
            found = pid;
    }
    g_object_unref(desktop);
    return found;
}

class LanguageSwitch : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        atspi_init();
        ASSERT_TRUE(home.isValid());
        const auto answer = [](const test::FakeHttpServer::Request&) {
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
        QFile::setPermissions(QDir(home.path()).filePath("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    void TearDown() override
    {
        for (QProcess* p : {&app, &zenity}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
        if (relaunched > 0)
            ::kill(pid_t(relaunched), SIGKILL);
    }
    // First run (the onboarding opens) with the engine at the fake server, plus `extra`.
    void writeSettings(const QJsonObject& extra = {})
    {
        const QString config = QDir(home.path()).filePath("config/Tessaquill");
        QDir().mkpath(config);
        QJsonObject values{{"engine", "openAI"},
                           {"introSeen", true},
                           {"serverURL", QString(server.base() + "/v1")},
                           {"serverModel", "fixed"},
                           {"delayMilliseconds", 0.0},
                           {"showKeyHint", false},
                           {"suggestFixes", false},
                           {"contextScreen", false},
                           {"contextRecent", false}};
        for (auto it = extra.begin(); it != extra.end(); ++it)
            values.insert(it.key(), it.value());
        QFile settings(QDir(config).filePath("com.morvenfax.tessaquill.json"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QJsonDocument(values).toJson());
    }
    void startApp(const QStringList& args = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
        env.insert("XDG_DATA_HOME", QDir(home.path()).filePath("data"));
        env.insert("XDG_RUNTIME_DIR", QDir(home.path()).filePath("runtime"));
        env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        env.insert("LANG", "en_US.UTF-8");
        env.remove("LANGUAGE");
        env.remove("TESSAQUILL_LOCAL_ONLY");
        env.remove("QT_QPA_PLATFORM");
        env.remove("NO_AT_BRIDGE");
        app.setProcessEnvironment(env);
        app.setProcessChannelMode(QProcess::SeparateChannels);
        app.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), args);
        ASSERT_TRUE(app.waitForStarted(5000));
    }
    QString appLog()
    {
        log += app.readAllStandardError();
        log += app.readAllStandardOutput();
        return QString::fromUtf8(log);
    }
    Node control(qint64 pid, const QString& name, AtspiRole role = ATSPI_ROLE_INVALID, int timeoutMs = 5000)
    {
        Node found;
        waitFor([&] {
            Node a = application(pid);
            found = a ? find(a.p, name, role) : Node();
            return bool(found);
        }, timeoutMs);
        return found;
    }
    void screenshot(const QString& name)
    {
        QTest::qWait(400);
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(QDir(dir).filePath(name));
    }
    qint64 statsWords()
    {
        QFile stats(QDir(home.path()).filePath("data/Tessaquill/stats.json"));
        if (!stats.open(QIODevice::ReadOnly))
            return -1;
        qint64 words = 0;
        const QJsonObject days = QJsonDocument::fromJson(stats.readAll()).object().value("days").toObject();
        for (const auto& day : days)
            words += day.toObject().value("words").toInteger();
        return words;
    }

    QTemporaryDir home;
    test::FakeHttpServer server;
    QProcess app;
    QProcess zenity;
    QByteArray log;
    qint64 relaunched = 0;
};

TEST_F(LanguageSwitch, DeutschReopensInGermanAtTheGeneralPaneWithTheStatisticsWritten)
{
    writeSettings();
    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start: tap running 1"); }, 15000)) << appLog().toStdString();

    // A word accepted in zenity: counted, its save still waiting.
    zenity.start("zenity", {"--entry", "--title=Language switch", "--text=Field"});
    const QString window =
        QString::fromUtf8(run("xdotool", {"search", "--sync", "--name", "^Language switch$"}, 15000)).split('\n').value(0).trimmed();
    ASSERT_FALSE(window.isEmpty());
    run("xdotool", {"windowactivate", "--sync", window});
    QTest::qWait(800);
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return !server.requestsTo("/v1/completions").isEmpty() || !server.requestsTo("/v1/chat/completions").isEmpty(); }, 10000))
        << appLog().toStdString();
    QTest::qWait(1200);
    run("xdotool", {"key", "Tab"});
    QTest::qWait(300);
    EXPECT_LE(statsWords(), 0); // not written yet

    // The onboarding's language button opens the sheet; "Deutsch", then "Reopen Now".
    Node button = control(app.processId(), "Change the app language", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(button) << appLog().toStdString();
    ASSERT_TRUE(press(button.p));
    Node deutsch = control(app.processId(), "Deutsch", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(deutsch);
    screenshot("language-1-sheet.png");
    ASSERT_TRUE(press(deutsch.p));
    Node reopen = control(app.processId(), "Reopen Now", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(reopen);
    screenshot("language-2-confirm.png");
    ASSERT_TRUE(press(reopen.p));

    // The running program ends once the new one has started, after writing its stores.
    ASSERT_TRUE(app.waitForFinished(10000)) << appLog().toStdString();
    EXPECT_EQ(app.exitCode(), 0);
    EXPECT_EQ(statsWords(), 1);
    ASSERT_TRUE(waitFor([&] { return (relaunched = relaunchedPid()) > 0; }, 15000));

    // The new one runs in German, with its settings window open at the General pane.
    EXPECT_TRUE(control(relaunched, QString::fromUtf8("Sprache der App ändern"), ATSPI_ROLE_PUSH_BUTTON, 10000));
    EXPECT_TRUE(control(relaunched, QString::fromUtf8("Wo und wie Vorschläge erscheinen"), ATSPI_ROLE_INVALID, 10000));
    EXPECT_TRUE(waitFor([&] {
        return !QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(relaunched), "--name", "^Tessaquill$"}))
                    .trimmed()
                    .isEmpty();
    }, 10000));
    screenshot("language-3-reopened-german.png");
    EXPECT_EQ(statsWords(), 1);
    ::kill(pid_t(relaunched), SIGTERM);
    EXPECT_TRUE(waitFor([&] { return !QFile::exists(QStringLiteral("/proc/%1").arg(relaunched)); }, 5000));
    relaunched = 0;
}

TEST_F(LanguageSwitch, InspectorShowsTheFieldAndCopiesDiagnosticsWithoutItsText)
{
    writeSettings({{"onboardingDone", true}, {"introSeen", true}, {"remindHiddenIcon", false}});
    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start: tap running 1"); }, 15000)) << appLog().toStdString();
    zenity.start("zenity", {"--entry", "--title=Private letter", "--text=Field"});
    const QString window =
        QString::fromUtf8(run("xdotool", {"search", "--sync", "--name", "^Private letter$"}, 15000)).split('\n').value(0).trimmed();
    ASSERT_FALSE(window.isEmpty());
    run("xdotool", {"windowactivate", "--sync", window});
    QTest::qWait(800);
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return !server.requestsTo("/v1/completions").isEmpty() || !server.requestsTo("/v1/chat/completions").isEmpty(); }, 10000))
        << appLog().toStdString();
    QTest::qWait(1200);
    run("xdotool", {"key", "Tab"});
    QTest::qWait(500);

    // A second launch opens the inspector of the running program, showing that field.
    QProcess second;
    second.setProcessEnvironment(app.processEnvironment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "inspector"});
    ASSERT_TRUE(second.waitForFinished(10000));
    Node copy = control(app.processId(), "Copy Diagnostics", ATSPI_ROLE_PUSH_BUTTON, 10000);
    ASSERT_TRUE(copy) << appLog().toStdString();
    screenshot("language-5-inspector.png");
    // The text before the caret, its last characters and the caret mark.
    EXPECT_TRUE(control(app.processId(), QString::fromUtf8("Hello world \u258F"), ATSPI_ROLE_LABEL));

    // "Copy Diagnostics": the report on the clipboard, none of the field's text or window title.
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(press(copy.p));
    QString report;
    ASSERT_TRUE(waitFor([&] {
        report = QGuiApplication::clipboard()->text();
        return report.startsWith("Tessaquill diagnostics");
    }, 5000)) << report.toStdString();
    EXPECT_TRUE(report.contains("\nKeyboard listening: true")) << report.toStdString();
    EXPECT_TRUE(report.contains("\nCharacters before caret: 12")) << report.toStdString();
    for (const char* secret : {"Hello", "world", "Private letter"})
        EXPECT_FALSE(report.contains(QString::fromLatin1(secret))) << secret;
    EXPECT_TRUE(control(app.processId(), "Copied", ATSPI_ROLE_PUSH_BUTTON));
    screenshot("language-6-inspector-copied.png");
}

TEST_F(LanguageSwitch, ArabicLaysTheWindowsOutRightToLeft)
{
    writeSettings({{"AppleLanguages", QJsonArray{"ar"}}});
    startApp();
    Node button = control(app.processId(), QString::fromUtf8("تغيير لغة التطبيق"), ATSPI_ROLE_PUSH_BUTTON, 15000);
    ASSERT_TRUE(button) << appLog().toStdString();
    // The onboarding's footer button sits in the right half of its window.
    const auto extents = [](AtspiAccessible* a) {
        AtspiComponent* component = atspi_accessible_get_component_iface(a);
        AtspiRect* r = component ? atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr) : nullptr;
        const QRect out = r ? QRect(r->x, r->y, r->width, r->height) : QRect();
        g_free(r);
        if (component)
            g_object_unref(component);
        return out;
    };
    const QRect buttonRect = extents(button.p);
    QRect windowRect; // the top-level window holding the button
    Node program = application(app.processId());
    ASSERT_TRUE(program);
    for (int i = 0; i < atspi_accessible_get_child_count(program.p, nullptr); ++i) {
        Node top(atspi_accessible_get_child_at_index(program.p, i, nullptr));
        if (top && showing(top.p) && extents(top.p).contains(buttonRect.center()))
            windowRect = extents(top.p);
    }
    ASSERT_TRUE(windowRect.isValid());
    screenshot("language-4-arabic.png");
    EXPECT_GT(buttonRect.center().x(), windowRect.center().x())
        << buttonRect.center().x() << " in " << windowRect.left() << ".." << windowRect.right();

    // The settings window too: its sidebar row for the insights pane sits in the right half.
    QProcess second;
    second.setProcessEnvironment(app.processEnvironment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "insights"});
    ASSERT_TRUE(second.waitForFinished(10000));
    Node subtitle = control(app.processId(), QString::fromUtf8("الكلمات الموفَّرة ومدى سرعة وصول الاقتراحات"), ATSPI_ROLE_INVALID, 10000);
    ASSERT_TRUE(subtitle);
    Node overview = control(app.processId(), QString::fromUtf8("نظرة عامة"));
    ASSERT_TRUE(overview);
    screenshot("language-7-arabic-insights.png");
    EXPECT_GT(extents(overview.p).center().x(), extents(subtitle.p).center().x());
}

} // namespace
} // namespace tq
