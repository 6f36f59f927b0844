// The real program on its first run: the onboarding window opens, is walked through by
// keyboard and over AT-SPI, the practice field gets a ghost suggestion from a fake
// OpenAI-compatible server and Tab takes a word; "Start Writing" closes the window and
// marks the onboarding done. A screenshot of every step goes to the artifacts folder.

#include "support/Wait.h"
#include "engines/EngineTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPixmap>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <csignal>
#include <functional>

namespace tq {
namespace {

const QByteArray kReply = " world is wide";

using testwait::run;
using testwait::waitFor;

// An accessible object of the program, owned.
struct Node {
    AtspiAccessible* p = nullptr;
    Node() = default;
    explicit Node(AtspiAccessible* a) : p(a) {}
    Node(const Node&) = delete;
    Node(Node&& o) noexcept : p(o.p) { o.p = nullptr; }
    Node& operator=(Node&& o) noexcept
    {
        std::swap(p, o.p);
        return *this;
    }
    ~Node()
    {
        if (p)
            g_object_unref(p);
    }
    explicit operator bool() const { return p != nullptr; }
};

QString nameOf(AtspiAccessible* a)
{
    gchar* n = atspi_accessible_get_name(a, nullptr);
    const QString s = QString::fromUtf8(n ? n : "");
    g_free(n);
    return s;
}

AtspiRole roleOf(AtspiAccessible* a) { return atspi_accessible_get_role(a, nullptr); }

bool showing(AtspiAccessible* a)
{
    AtspiStateSet* states = atspi_accessible_get_state_set(a);
    const bool on = states && atspi_state_set_contains(states, ATSPI_STATE_SHOWING);
    if (states)
        g_object_unref(states);
    return on;
}

Node application(qint64 pid)
{
    AtspiAccessible* desktop = atspi_get_desktop(0);
    const int n = atspi_accessible_get_child_count(desktop, nullptr);
    Node found;
    for (int i = 0; i < n && !found; ++i) {
        AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
        if (app && atspi_accessible_get_process_id(app, nullptr) == guint(pid))
            found = Node(app);
        else if (app)
            g_object_unref(app);
    }
    g_object_unref(desktop);
    return found;
}

// The first showing descendant with this name (and role, unless ATSPI_ROLE_INVALID).
Node find(AtspiAccessible* root, const QString& name, AtspiRole role, int depth = 0)
{
    if (!root || depth > 40)
        return {};
    const int n = atspi_accessible_get_child_count(root, nullptr);
    for (int i = 0; i < n; ++i) {
        Node child(atspi_accessible_get_child_at_index(root, i, nullptr));
        if (!child)
            continue;
        if (nameOf(child.p) == name && (role == ATSPI_ROLE_INVALID || roleOf(child.p) == role) && showing(child.p))
            return child;
        if (Node deeper = find(child.p, name, role, depth + 1))
            return deeper;
    }
    return {};
}

bool press(AtspiAccessible* a)
{
    AtspiAction* action = atspi_accessible_get_action_iface(a);
    if (!action)
        return false;
    const bool ok = atspi_action_do_action(action, 0, nullptr);
    g_object_unref(action);
    return ok;
}

QString textOf(AtspiAccessible* a)
{
    AtspiText* text = atspi_accessible_get_text_iface(a);
    if (!text)
        return QStringLiteral("<no text>");
    gchar* s = atspi_text_get_text(text, 0, -1, nullptr);
    const QString out = QString::fromUtf8(s ? s : "");
    g_free(s);
    g_object_unref(text);
    return out;
}

class Onboarding : public ::testing::Test {
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
        // First run: no onboarding flag. Only the engine points at the fake server.
        const QString config = QDir(home.path()).filePath("config/Tessaquill");
        QDir().mkpath(config);
        QFile settings(settingsPath());
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
        settings.write(QJsonDocument(QJsonObject{{"engine", "openAI"},
                                                 {"serverURL", QString(server.base() + "/v1")},
                                                 {"serverModel", "fixed"},
                                                 {"delayMilliseconds", 0.0}})
                           .toJson());
    }
    void TearDown() override
    {
        if (app.state() != QProcess::NotRunning) {
            app.kill();
            app.waitForFinished(3000);
        }
    }
    QString settingsPath() const
    {
        return QDir(home.path()).filePath("config/Tessaquill/com.morvenfax.tessaquill.json");
    }
    QJsonObject settings() const
    {
        QFile f(settingsPath());
        f.open(QIODevice::ReadOnly);
        return QJsonDocument::fromJson(f.readAll()).object();
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
        env.remove("NO_AT_BRIDGE");
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
    QStringList appWindows()
    {
        return QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--pid", QString::number(app.processId())}))
            .split('\n', Qt::SkipEmptyParts);
    }
    QString onboardingWindow()
    {
        return QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--name", "^Welcome to Tessaquill$"}))
            .split('\n', Qt::SkipEmptyParts)
            .value(0);
    }
    QImage screenshot(const QString& name)
    {
        QTest::qWait(400); // the step has settled and drawn
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        QScreen* screen = QGuiApplication::primaryScreen();
        if (!screen)
            return {};
        QImage shot = screen->grabWindow(0).toImage();
        shot.save(QDir(dir).filePath(name));
        return shot;
    }
    QRect extents(const Node& node)
    {
        AtspiComponent* component = atspi_accessible_get_component_iface(node.p);
        if (!component)
            return {};
        AtspiRect* r = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr);
        const QRect rect(r->x, r->y, r->width, r->height);
        g_free(r);
        g_object_unref(component);
        return rect;
    }
    Node control(const QString& name, AtspiRole role = ATSPI_ROLE_INVALID)
    {
        Node found;
        waitFor([&] {
            Node a = application(app.processId());
            found = a ? find(a.p, name, role) : Node();
            return bool(found);
        }, 5000);
        return found;
    }
    // The intro plays first on a first run; "Skip" leaves it at once.
    bool skipIntro(const char* shot = nullptr)
    {
        Node skip = control("Skip", ATSPI_ROLE_PUSH_BUTTON);
        if (!skip)
            return false;
        if (shot)
            screenshot(shot);
        return press(skip.p);
    }
    // The step's title is on screen.
    bool onStep(const QString& title) { return bool(control(title)); }

    // Clicks into the practice field and types; true once the ghost window shows.
    bool typeIntoPracticeField(Node& field, const QString& text)
    {
        field = control("Practice field");
        if (!field)
            return false;
        AtspiComponent* component = atspi_accessible_get_component_iface(field.p);
        if (!component)
            return false;
        AtspiRect* r = atspi_component_get_extents(component, ATSPI_COORD_TYPE_SCREEN, nullptr);
        fieldAt = QRect(r->x, r->y, r->width, r->height);
        run("xdotool", {"mousemove", "--sync", QString::number(r->x + 40), QString::number(r->y + 30), "click", "1"});
        g_free(r);
        atspi_component_grab_focus(component, nullptr);
        g_object_unref(component);
        QTest::qWait(300);
        run("xdotool", {"type", "--delay", "60", text});
        return waitFor([&] { return appWindows().size() >= 2; }, 10000);
    }

    QRect fieldAt;
    QTemporaryDir home;
    test::FakeHttpServer server;
    QProcess app;
    QByteArray log;
};

TEST_F(Onboarding, FirstRunWalksToPracticeWhereTabTakesAWordAndStartWritingEnds)
{
    startApp();
    ASSERT_TRUE(waitFor([&] { return !onboardingWindow().isEmpty(); }, 15000)) << appLog().toStdString();
    const QString window = onboardingWindow();
    run("xdotool", {"windowactivate", "--sync", window});

    ASSERT_TRUE(skipIntro("onboarding-0-intro.png")) << appLog().toStdString();
    ASSERT_TRUE(onStep("Finish your sentences in any app.")) << appLog().toStdString();
    screenshot("onboarding-1-welcome.png");

    // Over AT-SPI: "Continue" moves to the access step.
    Node next = control("Continue", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(next);
    ASSERT_TRUE(press(next.p));
    ASSERT_TRUE(onStep("Let Tessaquill see what you type."));
    // The session's accessibility is on: the green panel instead of the button.
    EXPECT_TRUE(control("Continue", ATSPI_ROLE_PUSH_BUTTON));
    const QImage access = screenshot("onboarding-2-access.png");
    // The footer's buttons are drawn dark whatever the desktop's style: "Back" on an ink face
    // (a few points in from its left edge), the language button without chrome.
    for (const char* name : {"Back", "Change the app language"}) {
        const QRect at = extents(control(name, ATSPI_ROLE_PUSH_BUTTON));
        ASSERT_FALSE(at.isEmpty()) << name;
        const QColor face = access.pixelColor(at.left() + 6, at.center().y());
        EXPECT_LT(face.lightnessF(), 0.35) << name << " " << face.name().toStdString();
    }

    // By keyboard: Return is the primary button, Escape goes back.
    run("xdotool", {"windowactivate", "--sync", window});
    run("xdotool", {"key", "--window", window, "Return"});
    ASSERT_TRUE(onStep("Pick what writes your suggestions."));
    run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(onStep("Let Tessaquill see what you type."));
    run("xdotool", {"key", "Return"});
    ASSERT_TRUE(onStep("Pick what writes your suggestions."));
    screenshot("onboarding-3-engine.png");
    run("xdotool", {"key", "Return"});
    ASSERT_TRUE(onStep("Give it a try."));
    screenshot("onboarding-4-practice.png");

    // The practice field: focus it, type, a ghost suggestion comes from the server.
    Node field;
    const bool ghost = typeIntoPracticeField(field, "Hello ");
    const QImage practice = screenshot("onboarding-5-practice-ghost.png");
    ASSERT_TRUE(field);
    ASSERT_TRUE(ghost) << appLog().toStdString();
    // Without a compositing manager the ghost's edges blend into the field: inside the field
    // no pixel is darker than the field itself (the ghost is a lighter grey).
    const QRect inside = fieldAt.adjusted(8, 8, -8, -8);
    const QColor fieldColour = practice.pixelColor(inside.bottomRight());
    int darker = 0;
    for (int y = inside.top(); y < inside.top() + 40; ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            darker += practice.pixelColor(x, y).lightness() < fieldColour.lightness() - 3;
    EXPECT_EQ(darker, 0) << "field " << fieldColour.name().toStdString();
    EXPECT_FALSE(server.requestsTo("/v1/completions").isEmpty() && server.requestsTo("/v1/chat/completions").isEmpty());

    // Return stays in the field (a new line), then Tab takes a word.
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return textOf(field.p).startsWith("Hello world"); }, 5000)) << textOf(field.p).toStdString();
    QTest::qWait(600);
    screenshot("onboarding-6-practice-accepted.png");
    run("xdotool", {"key", "Return"});
    QTest::qWait(300);
    EXPECT_TRUE(onStep("Give it a try."));
    EXPECT_TRUE(textOf(field.p).endsWith("\n")) << textOf(field.p).toStdString();

    // "Start Writing" ends the onboarding.
    Node start = control("Start Writing", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(start);
    ASSERT_TRUE(press(start.p));
    screenshot("onboarding-7-burst.png");
    EXPECT_TRUE(waitFor([&] { return onboardingWindow().isEmpty(); }, 5000));
    EXPECT_TRUE(waitFor([&] { return settings().value("onboardingDone").toBool(); }, 3000));
    screenshot("onboarding-8-closed.png");

    // The typed text never reaches the log.
    EXPECT_FALSE(appLog().contains("Hello")) << appLog().toStdString();
}

// The same ghost over our own window with a compositing manager running.
TEST_F(Onboarding, GhostOverThePracticeFieldWithACompositor)
{
    QProcess compositor;
    compositor.start("xcompmgr", {});
    if (!compositor.waitForStarted(3000))
        GTEST_SKIP() << "xcompmgr is not installed";
    startApp();
    ASSERT_TRUE(waitFor([&] { return !onboardingWindow().isEmpty(); }, 15000)) << appLog().toStdString();
    run("xdotool", {"windowactivate", "--sync", onboardingWindow()});
    ASSERT_TRUE(skipIntro());
    ASSERT_TRUE(onStep("Finish your sentences in any app."));
    for (int i = 0; i < 3; ++i)
        run("xdotool", {"key", "Return"});
    ASSERT_TRUE(onStep("Give it a try."));
    Node field;
    const bool ghost = typeIntoPracticeField(field, "Hello ");
    screenshot("onboarding-ghost-composited.png");
    EXPECT_TRUE(ghost) << appLog().toStdString() << " field " << fieldAt.x() << "," << fieldAt.y() << " "
                       << fieldAt.width() << "x" << fieldAt.height() << " text " << textOf(field.p).toStdString()
                       << " focus " << run("xdotool", {"getwindowfocus", "getwindowname"}).toStdString();
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return textOf(field.p).startsWith("Hello world"); }, 5000));
    QTest::qWait(600);
    screenshot("onboarding-ghost-composited-accepted.png");
    compositor.terminate();
    compositor.waitForFinished(3000);
}

} // namespace
} // namespace tq
