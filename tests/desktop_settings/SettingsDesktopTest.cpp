// The real program's settings window on the desktop: opened at a pane from the command line,
// its sidebar read and moved over AT-SPI and the keyboard, a website and an application added
// in Apps & Sites, an application's rule set to Off (its fields get no suggestion while an
// unruled one does), and a screenshot of every pane.

#include "support/AtSpi.h"
#include "support/Desktop.h"
#include "support/LlamaServer.h"
#include "support/Program.h"
#include "support/Wait.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest/QTest>

#include <atspi/atspi.h>
#include <gtest/gtest.h>

#include <csignal>
#include <iostream>

namespace tq {

namespace {

using desktoptest::countMatching;
using desktoptest::firstRunDone;
using desktoptest::heardLines;
using desktoptest::LlamaServer;
using desktoptest::Program;
using desktoptest::quietSettings;
using desktoptest::windowGeometry;
using desktoptest::windowTitled;
using desktoptest::Zenity;
using testwait::run;
using testwait::waitFor;

// One accessible of the program as AT-SPI reports it.
struct Node {
    QString name;
    QString role;
    bool selected = false;
    bool focused = false;
    QRect extents;
};

class AtSpiTree {
public:
    explicit AtSpiTree(qint64 pid) : pid_(pid) { atspi_init(); }

    QList<Node> nodes()
    {
        QList<Node> out;
        AtspiAccessible* desktop = atspi_get_desktop(0);
        const int apps = atspi_accessible_get_child_count(desktop, nullptr);
        for (int i = 0; i < apps; ++i) {
            AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
            if (!app)
                continue;
            if (atspi_accessible_get_process_id(app, nullptr) == guint(pid_))
                walk(app, out, 0);
            g_object_unref(app);
        }
        g_object_unref(desktop);
        return out;
    }
    std::optional<Node> find(const QString& name, const QString& role = {})
    {
        for (const Node& n : nodes()) {
            if (n.name == name && (role.isEmpty() || n.role == role))
                return n;
        }
        return std::nullopt;
    }

    // Runs the first action of, or gives the focus to, the first accessible of that name and role.
    bool act(const QString& name, const QString& role, bool focusOnly = false)
    {
        bool done = false;
        AtspiAccessible* desktop = atspi_get_desktop(0);
        const int apps = atspi_accessible_get_child_count(desktop, nullptr);
        for (int i = 0; i < apps && !done; ++i) {
            AtspiAccessible* app = atspi_accessible_get_child_at_index(desktop, i, nullptr);
            if (!app)
                continue;
            if (atspi_accessible_get_process_id(app, nullptr) == guint(pid_))
                done = actOn(app, name, role, focusOnly, 0);
            g_object_unref(app);
        }
        g_object_unref(desktop);
        return done;
    }

private:
    bool actOn(AtspiAccessible* a, const QString& name, const QString& role, bool focusOnly, int depth)
    {
        if (depth > 40)
            return false;
        gchar* n = atspi_accessible_get_name(a, nullptr);
        gchar* r = atspi_accessible_get_role_name(a, nullptr);
        const bool match = QString::fromUtf8(n ? n : "") == name && QString::fromUtf8(r ? r : "") == role;
        g_free(n);
        g_free(r);
        if (match) {
            bool ok = false;
            if (focusOnly) {
                if (AtspiComponent* c = atspi_accessible_get_component_iface(a)) {
                    ok = atspi_component_grab_focus(c, nullptr);
                    g_object_unref(c);
                }
            } else if (AtspiAction* action = atspi_accessible_get_action_iface(a)) {
                ok = atspi_action_do_action(action, 0, nullptr);
                g_object_unref(action);
            }
            return ok;
        }
        const int count = atspi_accessible_get_child_count(a, nullptr);
        for (int i = 0; i < count && i < 400; ++i) {
            if (AtspiAccessible* child = atspi_accessible_get_child_at_index(a, i, nullptr)) {
                const bool done = actOn(child, name, role, focusOnly, depth + 1);
                g_object_unref(child);
                if (done)
                    return true;
            }
        }
        return false;
    }

    void walk(AtspiAccessible* a, QList<Node>& out, int depth)
    {
        if (depth > 40)
            return;
        Node n;
        gchar* name = atspi_accessible_get_name(a, nullptr);
        gchar* role = atspi_accessible_get_role_name(a, nullptr);
        n.name = QString::fromUtf8(name ? name : "");
        n.role = QString::fromUtf8(role ? role : "");
        g_free(name);
        g_free(role);
        if (AtspiStateSet* states = atspi_accessible_get_state_set(a)) {
            n.selected = atspi_state_set_contains(states, ATSPI_STATE_SELECTED);
            n.focused = atspi_state_set_contains(states, ATSPI_STATE_FOCUSED);
            g_object_unref(states);
        }
        if (AtspiComponent* c = atspi_accessible_get_component_iface(a)) {
            if (AtspiRect* r = atspi_component_get_extents(c, ATSPI_COORD_TYPE_SCREEN, nullptr)) {
                n.extents = QRect(r->x, r->y, r->width, r->height);
                g_free(r);
            }
            g_object_unref(c);
        }
        out.append(n);
        const int count = atspi_accessible_get_child_count(a, nullptr);
        for (int i = 0; i < count && i < 400; ++i) {
            if (AtspiAccessible* child = atspi_accessible_get_child_at_index(a, i, nullptr)) {
                walk(child, out, depth + 1);
                g_object_unref(child);
            }
        }
    }
    qint64 pid_;
};

const char* kPanes[] = {"Overview", "General", "Engine", "Context", "Your Voice", "Keys", "Emoji", "Apps & Sites",
                        "Battery", "Insights", "Field Inspector", "About"};

class SettingsWindowDesktop : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(program.isValid());
        ASSERT_TRUE(program.writeSettings(firstRunDone(quietSettings(program.serverURL()))));
        QDir().mkpath(program.path("data/applications"));
        entry = program.path("data/applications/tq-zenity.desktop");
        QFile desktop(entry);
        ASSERT_TRUE(desktop.open(QIODevice::WriteOnly));
        desktop.write("[Desktop Entry]\nType=Application\nName=Zenity Entry\nExec=zenity --entry\nIcon=dialog-information\n");
    }

    void startApp(const QStringList& args)
    {
        QProcessEnvironment env = program.environment();
        env.insert("TESSAQUILL_REDUCE_MOTION", "1");
        ASSERT_TRUE(program.start(args, env));
    }

    QString appLog() { return program.log(); }

    QString settingsWindow(const QString& title) { return windowTitled(title, program.pid()); }

    void click(const QRect& r)
    {
        run("xdotool", {"mousemove", "--sync", QString::number(r.center().x()), QString::number(r.center().y())});
        run("xdotool", {"click", "1"});
    }
    // Clicks `r` and waits for the popup it opens (a menu or a list): one more window of the
    // program. The accessibility tree leaves popups out.
    ::testing::AssertionResult openPopup(const QRect& r)
    {
        const qsizetype before = program.windows().size();
        click(r);
        return program.until("a popup", [&] { return program.windows().size() > before; });
    }
    // Waits until the program's windows are back to `count` (a popup closed).
    ::testing::AssertionResult popupClosed(qsizetype count)
    {
        return program.until("the popup closed", [&] { return program.windows().size() == count; });
    }
    // Activates `window` and waits until it holds the keyboard focus.
    ::testing::AssertionResult focus(const QString& window)
    {
        if (desktoptest::activate(window))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "window " << window.toStdString() << " never took the focus from "
                                             << desktoptest::describeWindow(desktoptest::focusedWindow()) << "\n" << program.seen();
    }
    // Waits until a window of the program other than `main` (a sheet) holds the keyboard focus.
    ::testing::AssertionResult sheetFocused(const QString& main)
    {
        return program.until("a sheet with the focus", [&] {
            const QString f = desktoptest::focusedWindow();
            return f != main && program.windows().contains(f);
        });
    }

    void screenshot(const QString& window, const QString& name)
    {
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS", QDir::tempPath());
        QDir().mkpath(dir);
        run("import", {"-window", window, QDir(dir).filePath(name)});
    }

    std::string dump(AtSpiTree& tree)
    {
        std::string all;
        for (const Node& n : tree.nodes())
            all += (n.role + ": " + n.name + "\n").toStdString();
        return all;
    }

    QJsonObject rulesFile() { return program.readJson("data/Tessaquill/rules.json"); }

    Program program{" world"};
    QString entry;
};

} // namespace

TEST_F(SettingsWindowDesktop, SidebarAppsAndSitesAndARuleThatTurnsAnAppOff)
{
    startApp({"--open-settings", "apps"});
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = settingsWindow("Apps & Sites")).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    ASSERT_TRUE(focus(window));

    // The sidebar over AT-SPI: every pane by its title, Apps & Sites selected.
    AtSpiTree tree(program.pid());
    QStringList rows;
    for (const Node& n : tree.nodes()) {
        for (const char* pane : kPanes) {
            if (n.name == QString::fromUtf8(pane) && n.role == QLatin1String("page tab"))
                rows << n.name;
        }
    }
    EXPECT_EQ(rows.size(), 12) << dump(tree);
    ASSERT_TRUE(tree.find("Apps & Sites", "page tab"));
    EXPECT_TRUE(tree.find("Apps & Sites", "page tab")->selected);

    // Down moves the selection to Battery, Up back.
    run("xdotool", {"key", "Down"});
    EXPECT_TRUE(waitFor([&] { return !settingsWindow("Battery").isEmpty(); }, testwait::kPatience));
    EXPECT_TRUE(waitFor([&] { auto n = tree.find("Battery", "page tab"); return n && n->selected; }, testwait::kPatience));
    run("xdotool", {"key", "Up"});
    ASSERT_TRUE(waitFor([&] { return !settingsWindow("Apps & Sites").isEmpty(); }, testwait::kPatience));
    QTest::qWait(400);
    screenshot(window, "settings-apps-empty.png");

    // "Add Website…" with a domain: listed under Websites.
    auto plus = tree.find("Add an app or website");
    ASSERT_TRUE(plus);
    ASSERT_TRUE(openPopup(plus->extents));
    run("xdotool", {"key", "Down", "Down", "Return"});
    ASSERT_TRUE(waitFor([&] { return tree.find("Domain").has_value(); }, testwait::kPatience)) << dump(tree);
    ASSERT_TRUE(sheetFocused(window));
    run("xdotool", {"type", "--delay", "40", "example.com"});
    QTest::qWait(300);
    screenshot(QString::fromUtf8(run("xdotool", {"getactivewindow"})).trimmed(), "settings-add-website.png");
    run("xdotool", {"key", "Return"});
    EXPECT_TRUE(waitFor([&] { return tree.find("Websites") && tree.find("example.com"); }, testwait::kPatience));
    EXPECT_TRUE(waitFor([&] { return rulesFile().value("names").toObject().contains("web:example.com"); }, testwait::kPatience))
        << QJsonDocument(rulesFile()).toJson().toStdString();

    // "Add App…": the installed entry, found by typing.
    ASSERT_TRUE(openPopup(plus->extents));
    run("xdotool", {"key", "Down", "Return"});
    ASSERT_TRUE(waitFor([&] { return tree.find("Installed applications", "list").has_value(); }, testwait::kPatience)) << dump(tree);
    ASSERT_TRUE(sheetFocused(window));
    run("xdotool", {"type", "--delay", "40", "Zenity"});
    QTest::qWait(300);
    screenshot(QString::fromUtf8(run("xdotool", {"getactivewindow"})).trimmed(), "settings-add-app.png");
    run("xdotool", {"key", "Return"});
    ASSERT_TRUE(waitFor([&] { return tree.find("Zenity Entry", "list item").has_value(); }, testwait::kPatience));

    // Its rule set to Off through the Suggestions picker.
    // The first picker of the editor shows what Default means here.
    std::optional<Node> mode;
    for (const Node& n : tree.nodes()) {
        if (n.role == QLatin1String("combo box") && n.name == QLatin1String("Default, on")) {
            mode = n;
            break;
        }
    }
    ASSERT_TRUE(mode) << dump(tree);
    ASSERT_TRUE(openPopup(mode->extents));
    run("xdotool", {"key", "End", "Return"});
    ASSERT_TRUE(waitFor([&] { return rulesFile().value("rules").toObject().value("app:tq-zenity").toObject().value("mode") == "off"; }, testwait::kPatience))
        << QJsonDocument(rulesFile()).toJson().toStdString();
    QTest::qWait(300);
    screenshot(window, "settings-apps-rule-off.png");

    // Every pane, for the eye.
    for (const char* pane : kPanes) {
        auto row = tree.find(QString::fromUtf8(pane), "page tab");
        ASSERT_TRUE(row) << pane;
        click(row->extents);
        EXPECT_TRUE(waitFor([&] { return !settingsWindow(QString::fromUtf8(pane)).isEmpty(); }, testwait::kPatience)) << pane;
        QTest::qWait(400);
        QString file = QString::fromUtf8(pane).toLower().replace(' ', '-').replace("&", "and");
        screenshot(window, "settings-pane-" + file + ".png");
        if (file == "keys") { // the Escape picker's open list, for the eye
            auto escape = tree.find("Hide the suggestion", "combo box"); // named by its choice, labelled by its row
            ASSERT_TRUE(escape) << dump(tree);
            const qsizetype windows = program.windows().size();
            ASSERT_TRUE(openPopup(escape->extents));
            screenshot("root", "settings-keys-escape-list.png");
            run("xdotool", {"key", "Escape"});
            ASSERT_TRUE(popupClosed(windows));
        }
    }

    // A zenity entry launched from that desktop entry gets no suggestion; one without does.
    ASSERT_TRUE(program.waitUntilRunning()) << appLog().toStdString();
    QProcessEnvironment launched = QProcessEnvironment::systemEnvironment();
    launched.insert("GIO_LAUNCHED_DESKTOP_FILE", entry);
    {
        Zenity ruled(Zenity::Kind::entry, "Ruled off", launched);
        ASSERT_TRUE(ruled.ready()) << ruled.problem;
        run("xdotool", {"type", "--delay", "60", "Hello "});
        // The program has read all six characters and held them.
        EXPECT_TRUE(waitFor([&] { return appLog().contains(QRegularExpression("held in tq-zenity: .*\\(before 6,")); }, testwait::kPatience))
            << appLog().toStdString();
        EXPECT_FALSE(program.asked()) << appLog().toStdString();
    }

    // The practice field of the overview still gets one.
    ASSERT_TRUE(focus(window));
    std::optional<Node> overview;
    for (const Node& n : tree.nodes()) {
        if (n.role == QLatin1String("page tab") && n.name.startsWith(QLatin1String("Overview")))
            overview = n; // "Overview" or "Overview, 1 to do"
    }
    ASSERT_TRUE(overview) << dump(tree);
    std::cout << "overview row: " << overview->name.toStdString() << std::endl;
    click(overview->extents);
    std::optional<Node> practice;
    ASSERT_TRUE(waitFor([&] { return (practice = tree.find("Practice field")).has_value() && practice->extents.width() > 0; }, testwait::kPatience))
        << dump(tree);
    click(practice->extents);
    // Typed once the field has the keyboard focus.
    ASSERT_TRUE(waitFor([&] { return (practice = tree.find("Practice field")) && practice->focused; }, testwait::kPatience)) << dump(tree);
    run("xdotool", {"type", "--delay", "60", "Hello "});
    EXPECT_TRUE(waitFor([&] { return program.asked(); }, testwait::kPatience)) << appLog().toStdString();
    QTest::qWait(500);
    // The whole screen: a capture of the window alone leaves the ghost's pixels undefined (black).
    screenshot("root", "settings-practice-field.png");
    const qsizetype afterPractice = program.completions();

    Zenity unruled(Zenity::Kind::entry, "Unruled");
    ASSERT_TRUE(unruled.ready()) << unruled.problem;
    run("xdotool", {"type", "--delay", "60", "Hello "});
    EXPECT_TRUE(waitFor([&] { return program.completions() > afterPractice; }, testwait::kPatience)) << appLog().toStdString();

    ::kill(program.pid(), SIGTERM);
    EXPECT_TRUE(program.process.waitForFinished(testwait::kPatience));
}

} // namespace tq

namespace tq {

// The Engine pane against llama.cpp's own server with the tiny generated model: "Run" shows a
// reply and a time, and an API key typed and then cleared adds and then removes the item in
// the session's keyring.
TEST_F(SettingsWindowDesktop, EnginePaneRunsTheTestAndKeepsTheKeyInTheKeyring)
{
    ASSERT_TRUE(LlamaServer::installed());
    LlamaServer llama;
    ASSERT_TRUE(llama.waitHealthy()) << llama.output().toStdString();
    QJsonObject values = program.settings();
    values["serverURL"] = llama.base() + "/v1";
    values["serverModel"] = "tiny";
    ASSERT_TRUE(program.writeSettings(values));
    const auto lookup = [] {
        return run("secret-tool", {"lookup", "service", "com.morvenfax.tessaquill", "account", "server-api-key"});
    };
    run("secret-tool", {"clear", "service", "com.morvenfax.tessaquill", "account", "server-api-key"});

    startApp({"--open-settings", "engine"});
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = settingsWindow("Engine")).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    AtSpiTree tree(program.pid());
    ASSERT_TRUE(waitFor([&] { return bool(tree.find("Run", "push button")); }, testwait::kPatience)) << dump(tree);
    screenshot(window, "settings-engine-server.png");
    ASSERT_TRUE(tree.act("Run", "push button"));
    std::optional<Node> result;
    const bool answered = waitFor(
        [&] {
            for (const Node& n : tree.nodes())
                if (n.name.startsWith(QStringLiteral("…draft tonight and")) || n.name.startsWith("The engine answered in "))
                    result = n;
            return bool(result);
        }, testwait::kPatience);
    screenshot(window, "settings-engine-test.png");
    ASSERT_TRUE(answered) << dump(tree) << appLog().toStdString();
    EXPECT_TRUE(result->name.endsWith(" ms)") || result->name.endsWith(" s)") || result->name.contains(" ms "))
        << result->name.toStdString();

    const std::optional<Node> key = tree.find("API key", "password text");
    ASSERT_TRUE(key) << dump(tree);
    ASSERT_TRUE(focus(window));
    ASSERT_TRUE(tree.act("API key", key->role));
    ASSERT_TRUE(waitFor([&] { const auto k = tree.find("API key", key->role); return k && k->focused; }, testwait::kPatience)) << dump(tree);
    run("xdotool", {"type", "--delay", "30", "sk-desktop"});
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return lookup() == "sk-desktop"; }, testwait::kPatience)) << lookup().toStdString();
    ASSERT_TRUE(tree.act("API key", key->role));
    ASSERT_TRUE(waitFor([&] { const auto k = tree.find("API key", key->role); return k && k->focused; }, testwait::kPatience)) << dump(tree);
    run("xdotool", {"key", "ctrl+a", "BackSpace", "Tab"});
    EXPECT_TRUE(waitFor([&] { return lookup().isEmpty(); }, testwait::kPatience)) << lookup().toStdString();
}

namespace {

// A week of statistics, so the overview and the insights show figures and bars.
QByteArray aWeekOfStatistics()
{
    QJsonObject days;
    const QDate today = QDate::currentDate();
    const int words[] = {12, 0, 48, 30, 7, 64, 128};
    for (int i = 0; i < 7; ++i) {
        const QDate d = today.addDays(i - 6);
        days.insert(QString::asprintf("%04d-%02d-%02d", d.year(), d.month(), d.day()),
                    QJsonObject{{"words", words[i]}, {"characters", words[i] * 5}, {"accepts", words[i] / 2},
                                {"shown", words[i]}, {"apps", QJsonObject{{"app:org.gnome.TextEditor", words[i]}}}});
    }
    return QJsonDocument(QJsonObject{{"days", days}, {"latencies", QJsonArray{320, 410, 980}}}).toJson();
}

// That week in the program's data folder.
bool writeAWeekOfStatistics(Program& program)
{
    QDir().mkpath(program.path("data/Tessaquill"));
    QFile stats(program.path("data/Tessaquill/stats.json"));
    if (!stats.open(QIODevice::WriteOnly))
        return false;
    stats.write(aWeekOfStatistics());
    return true;
}

} // namespace

// Every pane, in English and in Arabic (right to left), kept for the eye: each second launch
// brings the running program's window to that pane, titled by it in the language.
TEST_F(SettingsWindowDesktop, EveryPaneInEnglishAndArabic)
{
    const auto title = [&] { // the settings window's title
        for (const QString& w : program.windows())
            if (windowGeometry(w).width() > 500)
                return QString::fromUtf8(run("xdotool", {"getwindowname", w})).trimmed();
        return QString();
    };
    const char* panes[] = {"overview", "general", "engine",   "context",   "personal", "keys",
                           "emoji",    "apps",    "power",    "insights",  "inspector", "about"};
    for (const char* language : {"en", "ar"}) {
        QJsonObject values = firstRunDone(quietSettings(program.serverURL()));
        values.insert("AppleLanguages", QJsonArray{QString::fromLatin1(language)});
        ASSERT_TRUE(program.writeSettings(values));
        ASSERT_TRUE(writeAWeekOfStatistics(program));
        startApp({"--open-settings", "overview"});
        const bool english = QLatin1String(language) == QLatin1String("en");
        ASSERT_TRUE(program.until("the overview", [&] { return title() == (english ? QStringLiteral("Overview") : QStringLiteral("نظرة عامة")); }));
        QStringList seen;
        for (int i = 0; i < int(std::size(panes)); ++i) {
            const char* pane = panes[i];
            QProcess again;
            again.setProcessEnvironment(program.process.processEnvironment());
            again.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", pane});
            ASSERT_TRUE(again.waitForFinished(testwait::kPatience)) << pane;
            EXPECT_EQ(again.exitCode(), 0) << pane;
            // English: the pane's own title. Arabic: a title of its own, no English one.
            const auto atPane = [&] {
                const QString t = title();
                return english ? t == QString::fromUtf8(kPanes[i]) : !t.isEmpty() && !seen.contains(t) && t != QString::fromUtf8(kPanes[i]);
            };
            EXPECT_TRUE(program.until(std::string("the pane ") + pane + " in " + language, atPane)) << title().toStdString();
            seen << title();
            desktoptest::screenshot(QStringLiteral("pane-%1-%2.png").arg(QLatin1String(language), QLatin1String(pane)));
        }
        program.end();
    }
}

} // namespace tq

namespace tq {

namespace {


void wheel(const QRect& at, int button, int turns)
{
    run("xdotool", {"mousemove", "--sync", QString::number(at.center().x()), QString::number(at.center().y())});
    for (int i = 0; i < turns; ++i) {
        run("xdotool", {"click", QString::number(button)});
        QTest::qWait(120);
    }
}

} // namespace

// Turning the wheel over the Model box and over a slider scrolls the Engine pane and changes
// neither: the settings file stays as it was.
TEST_F(SettingsWindowDesktop, TheWheelOverThePickerAndASliderOnlyScrollsTheEnginePane)
{
    QJsonObject values = program.settings();
    values["serverModel"] = "gone"; // the picker offers the stored name above the server's "fixed"
    values["creativity"] = 0.4;
    ASSERT_TRUE(program.writeSettings(values));
    startApp({"--open-settings", "engine"});
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = settingsWindow("Engine")).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    run("xdotool", {"windowsize", "--sync", window, "900", "1000"});
    ASSERT_TRUE(focus(window));
    AtSpiTree tree(program.pid());
    // A control where it has come to rest: the same place on three reads in a row.
    const auto settled = [&](const QString& name, const QString& role, const std::function<bool(const QRect&)>& ok) {
        std::optional<Node> found;
        QRect last;
        int same = 0;
        waitFor([&] {
            found = tree.find(name, role);
            const QRect now = found ? found->extents : QRect();
            same = found && now == last && now.height() > 0 && ok(now) ? same + 1 : 0;
            last = now;
            if (same < 2)
                QTest::qWait(150);
            return same >= 2;
        }, testwait::kPatience);
        return found;
    };
    const std::optional<Node> box = settled("gone", "combo box", [](const QRect&) { return true; });
    ASSERT_TRUE(box) << dump(tree);
    const QJsonObject before = program.settings();

    wheel(box->extents, 5, 4); // down: the pane moves up under the pointer
    const std::optional<Node> moved = settled("gone", "combo box", [&](const QRect& r) { return r.y() < box->extents.y(); });
    ASSERT_TRUE(moved) << dump(tree);
    EXPECT_LT(moved->extents.y(), box->extents.y()) << "the pane did not scroll";
    // On down over every control that passes under the pointer until the Creativity slider
    // stands where the box was, then over the slider itself.
    const int perTurn = std::max(1, (box->extents.y() - moved->extents.y()) / 4);
    std::optional<Node> creativity = tree.find("Creativity", "slider");
    ASSERT_TRUE(creativity) << dump(tree);
    const int creativityY = creativity->extents.y();
    const int turns = std::clamp((creativityY - box->extents.y()) / perTurn, 0, 30);
    wheel(box->extents, 5, turns);
    creativity = settled("Creativity", "slider", [](const QRect&) { return true; });
    ASSERT_TRUE(creativity) << dump(tree);
    wheel(creativity->extents, 5, 3);
    wheel(creativity->extents, 4, 3);
    wheel(box->extents, 4, 14); // back up, over whatever passes under the pointer
    QTest::qWait(1500);
    screenshot(window, "settings-engine-after-wheel.png");
    EXPECT_EQ(program.settings(), before) << QJsonDocument(program.settings()).toJson().toStdString();
}

// The Overview on the best day of the week: the hero reads as one sentence, the pill and the
// streak as theirs.
TEST_F(SettingsWindowDesktop, AScreenReaderHearsTheOverview)
{
    ASSERT_TRUE(writeAWeekOfStatistics(program));
    startApp({"--open-settings", "overview"});
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = settingsWindow("Overview")).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    QStringList lines;
    ASSERT_TRUE(waitFor([&] { return countMatching(lines = heardLines(program.pid(), "heard-overview.txt"), "128 words saved today") == 1; }, testwait::kPatience))
        << lines.join('\n').toStdString();
    QTest::qWait(600);
    screenshot(window, "settings-overview-best-day.png");
    // The text column is one element, the pill's words in it.
    EXPECT_EQ(countMatching(lines, "^ *label: .*128 words saved today.*Best day yet!"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *label: .*day streak"), 1) << lines.join('\n').toStdString();
}

// Apps & Sites with one application's rule open: its icon stays out of what is heard.
TEST_F(SettingsWindowDesktop, AScreenReaderHearsAppsAndSites)
{
    ASSERT_TRUE(writeAWeekOfStatistics(program));
    startApp({"--open-settings", "apps"});
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = settingsWindow("Apps & Sites")).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    ASSERT_TRUE(focus(window));
    AtSpiTree tree(program.pid());
    std::optional<Node> row;
    ASSERT_TRUE(waitFor([&] {
        for (const Node& n : tree.nodes())
            if (n.role == QLatin1String("list item") && n.name != QLatin1String("Apps"))
                return (row = n).has_value();
        return false;
    }, testwait::kPatience)) << dump(tree);
    click(row->extents);
    QStringList lines;
    ASSERT_TRUE(waitFor([&] { return countMatching(lines = heardLines(program.pid(), "heard-apps.txt"), "Words saved here") >= 1; }, testwait::kPatience))
        << lines.join('\n').toStdString();
    screenshot(window, "settings-apps-rule.png");
    // The header says the name and the identifier; no unnamed picture beside them.
    EXPECT_EQ(countMatching(lines, "^ *(label|image|icon): *$"), 0) << lines.join('\n').toStdString();
}

// The Engine pane with the built-in model on disk: its card and the removal question, the shared
// dark sheet with a red Remove.
TEST_F(SettingsWindowDesktop, AScreenReaderHearsTheEnginePaneAndTheRemovalQuestion)
{
    QJsonObject values = program.settings();
    values["engine"] = "builtIn";
    ASSERT_TRUE(program.writeSettings(values));
    // A model file of the right size (sparse) with its marker: the card counts it as ready.
    QDir().mkpath(program.path("data/Tessaquill/Models"));
    QFile model(program.path("data/Tessaquill/Models/gemma-4-E2B-Q8_0.gguf"));
    ASSERT_TRUE(model.open(QIODevice::WriteOnly));
    ASSERT_TRUE(model.resize(4967478336LL));
    model.close();
    QFile marker(program.path("data/Tessaquill/Models/gemma-4-E2B-Q8_0.gguf.verified"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("fcf7224c47518fca8a8a85391cfb0873a94d3dee4434fb77763113bfa7264d97");
    marker.close();

    startApp({"--open-settings", "engine"});
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = settingsWindow("Engine")).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    ASSERT_TRUE(focus(window));
    AtSpiTree tree(program.pid());
    ASSERT_TRUE(waitFor([&] { return tree.find(QStringLiteral("Remove\u2026"), "push button").has_value(); }, testwait::kPatience)) << dump(tree);
    const QStringList pane = heardLines(program.pid(), "heard-engine.txt");
    EXPECT_EQ(countMatching(pane, "converted for llama\\.cpp by ggml-org"), 1) << pane.join('\n').toStdString();
    ASSERT_TRUE(tree.act(QStringLiteral("Remove\u2026"), "push button"));
    ASSERT_TRUE(waitFor([&] { return tree.find("Remove", "push button").has_value(); }, testwait::kPatience)) << dump(tree);
    QTest::qWait(500);
    screenshot(QString::fromUtf8(run("xdotool", {"getactivewindow"})).trimmed(), "settings-remove-model.png");
    const QStringList question = heardLines(program.pid(), "heard-remove-model.txt");
    EXPECT_EQ(countMatching(question, "^ *label: Remove the Tessaquill model\\?"), 1) << question.join('\n').toStdString();
    EXPECT_EQ(countMatching(question, "^ *push button: Cancel"), 1) << question.join('\n').toStdString();
    run("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitFor([&] { return !tree.find("Remove", "push button"); }, testwait::kPatience));
    EXPECT_TRUE(QFile::exists(model.fileName())); // Cancel keeps the model
}

// The language sheet: the row of the stored choice is heard as selected, the others not.
TEST_F(SettingsWindowDesktop, AScreenReaderHearsTheLanguageSheet)
{
    startApp({"--open-settings", "general"});
    QString window;
    ASSERT_TRUE(waitFor([&] { return !(window = settingsWindow("General")).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    ASSERT_TRUE(focus(window));
    AtSpiTree tree(program.pid());
    ASSERT_TRUE(waitFor([&] { return tree.act("App language", "push button"); }, testwait::kPatience)) << dump(tree);
    QStringList lines;
    ASSERT_TRUE(waitFor([&] { return countMatching(lines = heardLines(program.pid(), "heard-language.txt"), "Same as my computer") == 1; }, testwait::kPatience))
        << lines.join('\n').toStdString();
    QTest::qWait(500);
    screenshot(QString::fromUtf8(run("xdotool", {"getactivewindow"})).trimmed(), "settings-language-sheet.png");
    EXPECT_EQ(countMatching(lines, "^ *push button: Same as my computer.*\\[selected\\]"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *push button: .*\\[selected\\]"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "^ *push button: Deutsch — German$"), 1) << lines.join('\n').toStdString();
    EXPECT_EQ(countMatching(lines, "check box: Same as my computer"), 0) << lines.join('\n').toStdString();
    run("xdotool", {"key", "Escape"});
}

} // namespace tq
