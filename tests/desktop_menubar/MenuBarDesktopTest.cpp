// The real program with a real tray host (trayer, XEmbed) in the session: the icon docks, a
// click opens the panel under it, pausing everywhere stops suggestions and resuming brings
// them back, the front-application pill names the zenity entry's program, Escape closes the
// panel, and its controls are read over AT-SPI. Without a tray host the hidden-icon prompt
// opens.

#include "support/Wait.h"
#include "engines/EngineTestSupport.h"
#include "platform/Accessibility.h"
#include "platform/Platform.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonArray>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tq {
namespace {

const QByteArray kReply = " world is wide";

using testwait::run;
using testwait::waitFor;

QRect windowGeometry(const QString& window)
{
    const QString out = QString::fromUtf8(run("xdotool", {"getwindowgeometry", "--shell", window}));
    QHash<QString, int> v;
    for (const QString& line : out.split('\n')) {
        const auto parts = line.split('=');
        if (parts.size() == 2)
            v[parts[0]] = parts[1].toInt();
    }
    return v.contains("WIDTH") ? QRect(v["X"], v["Y"], v["WIDTH"], v["HEIGHT"]) : QRect();
}

struct Control {
    QString role;
    QString title;
    QRect frame;
};

// Every named control of the program's accessibility tree.
void collect(const AccessibilityElement& e, QList<Control>& out, int depth = 0)
{
    if (!e || depth > 30)
        return;
    const QString role = e->attribute(ax::kRole).toString();
    const QString title = e->attribute(ax::kTitle).toString();
    const QPointF pos = e->attribute(ax::kPosition).toPointF();
    const QSizeF size = e->attribute(ax::kSize).toSizeF();
    if (!title.isEmpty())
        out.append({role, title, QRectF(pos, size).toRect()});
    for (const QVariant& child : e->attribute(ax::kChildren).toList())
        collect(child.value<AccessibilityElement>(), out, depth + 1);
}

class MenuBarDesktop : public ::testing::Test {
protected:
    // The desktop's services, one set for the suite as in the program.
    static void SetUpTestSuite() { platform_ = std::make_unique<SystemPlatform>(); }
    static void TearDownTestSuite() { platform_.reset(); }
    static inline std::unique_ptr<SystemPlatform> platform_;

    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
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
        QFile::setPermissions(QDir(home.path()).filePath("runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void writeSettings(bool remindHiddenIcon)
    {
        const QString config = QDir(home.path()).filePath("config/Tessaquill");
        QDir().mkpath(config);
        QFile settings(QDir(config).filePath("com.morvenfax.tessaquill.json"));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        QJsonObject o{{"onboardingDone", true},     {"introSeen", true},     {"engine", "openAI"},
                      {"serverURL", QString(server.base() + "/v1")},     {"serverModel", "fixed"},
                      {"delayMilliseconds", 0.0},   {"showKeyHint", false},  {"suggestFixes", false},
                      {"contextScreen", false},     {"contextRecent", false}};
        if (!remindHiddenIcon)
            o.insert("remindHiddenIcon", false);
        settings.write(QJsonDocument(o).toJson());
    }

    void TearDown() override
    {
        for (QProcess* p : {&app, &zenity, &trayer}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(3000);
            }
        }
    }

    void startTrayer()
    {
        trayer.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "28",
                                "--transparent", "false", "--tint", "0x202020", "--SetDockType", "true"});
        ASSERT_TRUE(trayer.waitForStarted(5000));
        ASSERT_TRUE(waitFor([] { return !run("xdotool", {"search", "--class", "trayer"}).trimmed().isEmpty(); }, 5000));
        QTest::qWait(300);
    }

    void startApp()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", QDir(home.path()).filePath("config"));
        env.insert("XDG_DATA_HOME", QDir(home.path()).filePath("data"));
        env.insert("XDG_RUNTIME_DIR", QDir(home.path()).filePath("runtime"));
        env.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
        env.remove("TESSAQUILL_LOCAL_ONLY");
        env.remove("QT_QPA_PLATFORM");
        app.setProcessEnvironment(env);
        app.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {});
        ASSERT_TRUE(app.waitForStarted(5000));
    }

    QString appLog()
    {
        log += app.readAllStandardError();
        log += app.readAllStandardOutput();
        return QString::fromUtf8(log);
    }

    QStringList appWindows()
    {
        return QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(app.processId())}))
            .split('\n', Qt::SkipEmptyParts);
    }

    // The docked icon: the program's small window inside trayer.
    QString iconWindow()
    {
        for (const QString& w : appWindows()) {
            const QRect g = windowGeometry(w);
            if (g.width() > 0 && g.width() <= 64 && g.height() <= 64 && g.top() < 64)
                return w;
        }
        return {};
    }

    QString panelWindow()
    {
        for (const QString& w : appWindows()) {
            if (windowGeometry(w).width() == 300)
                return w;
        }
        return {};
    }

    QList<Control> controls()
    {
        QList<Control> out;
        collect(platform_->accessibility().application(app.processId()), out);
        return out;
    }

    std::optional<Control> control(const std::function<bool(const Control&)>& match)
    {
        for (const Control& c : controls()) {
            if (match(c))
                return c;
        }
        return std::nullopt;
    }

    void click(const QPoint& p)
    {
        run("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
        run("xdotool", {"click", "1"});
    }

    QString openZenity()
    {
        zenity.start("zenity", {"--entry", "--title=Menu road", "--text=Field"});
        const QString window =
            QString::fromUtf8(run("xdotool", {"search", "--sync", "--name", "^Menu road$"}, 15000)).split('\n').value(0).trimmed();
        if (!window.isEmpty()) {
            run("xdotool", {"windowactivate", "--sync", window});
            run("xdotool", {"windowfocus", "--sync", window});
            QTest::qWait(800);
        }
        return window;
    }

    // Whether a ghost window (a program window other than the icon and the panel) shows.
    bool ghostShown(const QString& icon)
    {
        for (const QString& w : appWindows()) {
            if (w != icon && windowGeometry(w).width() != 300)
                return true;
        }
        return false;
    }

    QImage screenshot(const QString& name)
    {
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        QImage image;
        if (QScreen* screen = QGuiApplication::primaryScreen())
            image = screen->grabWindow(0).toImage();
        image.save(QDir(dir).filePath(name));
        return image;
    }

    QTemporaryDir home;
    test::FakeHttpServer server;
    QProcess app, zenity, trayer;
    QByteArray log;
};

TEST_F(MenuBarDesktop, TrayPanelPauseAndResume)
{
    startTrayer();
    writeSettings(false);
    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start: tap running 1"); }, 15000)) << appLog().toStdString();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, 10000)) << "the icon never docked";
    const QRect iconRect = windowGeometry(icon);

    // The zenity entry becomes the front application; typing there gets a suggestion.
    const QString entry = openZenity();
    ASSERT_FALSE(entry.isEmpty());
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return ghostShown(icon); }, 10000)) << appLog().toStdString();
    run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(waitFor([&] { return !ghostShown(icon); }, 3000));
    const QImage activeShot = screenshot("menubar-active.png").copy(iconRect);

    // A click on the icon opens the panel under it.
    click(iconRect.center());
    QString panel;
    ASSERT_TRUE(waitFor([&] { return !(panel = panelWindow()).isEmpty(); }, 5000)) << appLog().toStdString();
    QTest::qWait(300);
    screenshot("menubar-panel.png");
    const QRect panelRect = windowGeometry(panel);
    EXPECT_GE(panelRect.top(), iconRect.bottom()) << "under the icon";
    EXPECT_LE(panelRect.top(), iconRect.bottom() + 12);
    EXPECT_LE(panelRect.right(), 1600 - 8);

    // Read over AT-SPI: the rows, the switch and the pills, the front application named.
    QList<Control> all;
    ASSERT_TRUE(waitFor([&] {
        all = controls();
        return std::any_of(all.begin(), all.end(), [](const Control& c) { return c.title == "Open Playground"; });
    }, 5000));
    QStringList titles;
    for (const Control& c : all)
        titles << c.role + ":" + c.title;
    for (const char* expected : {"Open Playground", "Settings", "Quit Tessaquill", "Show Count in Menu Bar", "Pause Everywhere", "Ready"})
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Control& c) { return c.title == expected; }))
            << expected << " in " << titles.join(", ").toStdString();
    const auto frontPill = control([](const Control& c) { return c.title.startsWith("Pause in "); });
    ASSERT_TRUE(frontPill) << titles.join(", ").toStdString();
    EXPECT_TRUE(frontPill->title.contains("enity", Qt::CaseInsensitive)) << frontPill->title.toStdString();

    // Pause Everywhere › For 15 Minutes.
    const auto everywhere = control([](const Control& c) { return c.title == "Pause Everywhere"; });
    ASSERT_TRUE(everywhere);
    click(everywhere->frame.center());
    QTest::qWait(400);
    screenshot("menubar-durations.png");
    // The duration menu is a popup, outside the application's accessible tree: its first
    // item by keyboard.
    run("xdotool", {"key", "Down", "Return"});
    ASSERT_TRUE(waitFor([&] { return control([](const Control& c) { return c.title.startsWith("Paused until "); }).has_value(); }, 3000));
    EXPECT_TRUE(control([](const Control& c) { return c.title == "Resume Everywhere"; }));
    QTest::qWait(200);
    const QImage pausedShot = screenshot("menubar-paused.png").copy(iconRect);
    EXPECT_NE(activeShot, pausedShot) << "the glyph changes to paused";

    // Escape closes the panel; a typed field gets no suggestion while paused.
    run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, 3000));
    run("xdotool", {"windowactivate", "--sync", entry});
    QTest::qWait(500);
    const int asked = server.requestsTo("/v1/completions").size() + server.requestsTo("/v1/chat/completions").size();
    run("xdotool", {"type", "--delay", "60", "and more "});
    QTest::qWait(2000);
    EXPECT_FALSE(ghostShown(icon));
    EXPECT_EQ(server.requestsTo("/v1/completions").size() + server.requestsTo("/v1/chat/completions").size(), asked);

    // Resume Everywhere brings suggestions back.
    click(iconRect.center());
    ASSERT_TRUE(waitFor([&] { return !panelWindow().isEmpty(); }, 5000));
    std::optional<Control> resume;
    ASSERT_TRUE(waitFor([&] { return (resume = control([](const Control& c) { return c.title == "Resume Everywhere"; })).has_value(); }, 3000));
    click(resume->frame.center());
    ASSERT_TRUE(waitFor([&] { return control([](const Control& c) { return c.title == "Ready"; }).has_value(); }, 3000));
    screenshot("menubar-resumed.png");
    // A second click on the icon closes the panel and does not reopen it.
    click(iconRect.center());
    ASSERT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, 3000));
    QTest::qWait(600);
    EXPECT_TRUE(panelWindow().isEmpty());

    run("xdotool", {"windowactivate", "--sync", entry});
    QTest::qWait(500);
    run("xdotool", {"type", "--delay", "60", " Hello "});
    EXPECT_TRUE(waitFor([&] { return ghostShown(icon); }, 10000)) << appLog().toStdString();
    screenshot("menubar-suggestions-back.png");
}

// With a compositing manager the panel's corners blend instead of being cut out.
TEST_F(MenuBarDesktop, PanelWithACompositingManager)
{
    if (QStandardPaths::findExecutable("xcompmgr").isEmpty())
        GTEST_SKIP() << "xcompmgr is not installed";
    QProcess compositor;
    compositor.start("xcompmgr", {});
    ASSERT_TRUE(compositor.waitForStarted(5000));
    QTest::qWait(500);
    startTrayer();
    writeSettings(false);
    startApp();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, 15000)) << appLog().toStdString();
    click(windowGeometry(icon).center());
    ASSERT_TRUE(waitFor([&] { return !panelWindow().isEmpty(); }, 5000));
    QTest::qWait(400); // past the fade
    screenshot("menubar-panel-composited.png");
    run("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, 3000));
    compositor.kill();
    compositor.waitForFinished(3000);
}

TEST_F(MenuBarDesktop, WithoutATrayTheHiddenIconPromptOpens)
{
    writeSettings(true);
    startApp();
    QString prompt;
    ASSERT_TRUE(waitFor([&] {
        prompt = QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--name", "^Your menu bar icon is hidden$"})).trimmed();
        return !prompt.isEmpty();
    }, 15000)) << appLog().toStdString();
    QTest::qWait(500);
    screenshot("menubar-hidden-icon-prompt.png");
    const auto remind = control([](const Control& c) { return c.title == "Don't remind me again"; });
    ASSERT_TRUE(remind);
    EXPECT_TRUE(control([](const Control& c) { return c.title == "Open the desktop's settings"; }));
    EXPECT_TRUE(control([](const Control& c) { return c.title == "Not Now"; }));

    // A tray that starts later takes the icon in and the prompt closes.
    startTrayer();
    EXPECT_TRUE(waitFor([&] { return !iconWindow().isEmpty(); }, 10000));
    EXPECT_TRUE(waitFor([&] {
        return QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--name", "^Your menu bar icon is hidden$"})).trimmed().isEmpty();
    }, 5000));
    screenshot("menubar-tray-started-later.png");
}

} // namespace
} // namespace tq
