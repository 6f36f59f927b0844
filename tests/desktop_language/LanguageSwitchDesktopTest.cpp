// The real program switches its language: a word accepted in a zenity entry, then "Deutsch"
// chosen from the onboarding's language button and "Reopen Now": the program ends, a new one
// opens the settings window in German, and stats.json holds the accepted word. Arabic lays the
// windows out right to left. Screenshots of each state go to the artifacts folder.

#include "support/AtSpi.h"
#include "support/Desktop.h"
#include "support/FieldReading.h"
#include "support/Program.h"
#include "support/Wait.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRect>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>

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
        ASSERT_TRUE(program.isValid());
    }
    void TearDown() override
    {
        if (relaunched > 0)
            ::kill(pid_t(relaunched), SIGKILL);
    }
    // First run (the onboarding opens) with the engine at the fake server, plus `extra`.
    void writeSettings(const QJsonObject& extra = {})
    {
        QJsonObject values = quietSettings(program.serverURL());
        values.insert("introSeen", true);
        for (auto it = extra.begin(); it != extra.end(); ++it)
            values.insert(it.key(), it.value());
        ASSERT_TRUE(program.writeSettings(values));
    }
    void startApp()
    {
        QProcessEnvironment env = program.environment();
        env.insert("LANG", "en_US.UTF-8");
        env.remove("LANGUAGE");
        ASSERT_TRUE(program.start({}, env));
    }
    QString appLog() { return program.log(); }
    // Types into a zenity entry titled `title` until the server is asked, then Tab takes a word.
    void acceptAWordIn(const QString& title)
    {
        zenity.emplace(Zenity::Kind::entry, title);
        ASSERT_TRUE(zenity->ready());
        run("xdotool", {"type", "--delay", "60", "Hello "});
        // Tab once the ghost is drawn at the caret: the program has read every typed key.
        ASSERT_TRUE(program.until("the ghost at the caret", [&] {
            return !windowTitled("Tessaquill ghost", program.pid()).isEmpty() && presentedAtTheCaret(appLog(), zenity->pid());
        }));
        run("xdotool", {"key", "Tab"});
        ASSERT_TRUE(testwait::until("the word in the field", [&] { return readField(zenity->pid()).text.startsWith("Hello world"); },
                                    [&] { return "field: \"" + readField(zenity->pid()).text.toStdString() + "\"\n" + program.seen(); }));
    }
    // The first showing control of `pid` named `name`; a failure says what the windows showed.
    Node control(qint64 pid, const QString& name, AtspiRole role = ATSPI_ROLE_INVALID, int timeoutMs = testwait::kPatience)
    {
        Node found;
        const auto ok = testwait::until("a control named \"" + name.toStdString() + "\" of process " + std::to_string(pid),
                                        [&] {
                                            Node a = application(pid);
                                            found = a ? find(a.p, name, role) : Node();
                                            return bool(found);
                                        },
                                        [&] { return describeApplication(pid) + "log:\n" + testwait::tail(appLog()); }, timeoutMs);
        if (!ok)
            ADD_FAILURE() << ok.message();
        return found;
    }
    void screenshot(const QString& name)
    {
        QTest::qWait(400);
        desktoptest::screenshot(name);
    }
    qint64 statsWords()
    {
        if (!QFile::exists(program.path("data/Tessaquill/stats.json")))
            return -1;
        qint64 words = 0;
        const QJsonObject days = program.readJson("data/Tessaquill/stats.json").value("days").toObject();
        for (const auto& day : days)
            words += day.toObject().value("words").toInteger();
        return words;
    }

    Program program{kReply};
    std::optional<Zenity> zenity;
    qint64 relaunched = 0;
};

TEST_F(LanguageSwitch, DeutschReopensInGermanAtTheGeneralPaneWithTheStatisticsWritten)
{
    writeSettings();
    startApp();
    ASSERT_TRUE(program.waitUntilRunning()) << program.seen();

    // A word accepted in zenity: counted, its save still waiting.
    ASSERT_NO_FATAL_FAILURE(acceptAWordIn("Language switch"));
    EXPECT_LE(statsWords(), 0); // not written yet

    // The onboarding's language button opens the sheet; "Deutsch", then "Reopen Now".
    Node button = control(program.pid(), "Change the app language", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(button) << appLog().toStdString();
    ASSERT_TRUE(press(button.p));
    Node deutsch = control(program.pid(), "Deutsch", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(deutsch);
    screenshot("language-1-sheet.png");
    ASSERT_TRUE(press(deutsch.p));
    Node reopen = control(program.pid(), "Reopen Now", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(reopen);
    screenshot("language-2-confirm.png");
    ASSERT_TRUE(press(reopen.p));

    // The running program ends once the new one has started, after writing its stores.
    ASSERT_TRUE(program.process.waitForFinished(testwait::kPatience)) << program.seen();
    EXPECT_EQ(program.process.exitCode(), 0);
    EXPECT_EQ(statsWords(), 1);
    ASSERT_TRUE(testwait::until("the relaunched program", [&] { return (relaunched = relaunchedPid()) > 0; }));

    // The new one runs in German, with its settings window open at the General pane.
    EXPECT_TRUE(control(relaunched, QString::fromUtf8("Sprache der App ändern"), ATSPI_ROLE_PUSH_BUTTON));
    EXPECT_TRUE(control(relaunched, QString::fromUtf8("Wo und wie Vorschläge erscheinen"), ATSPI_ROLE_INVALID));
    EXPECT_TRUE(testwait::until("the relaunched settings window", [&] { return !windowTitled("Tessaquill", relaunched).isEmpty(); }));
    screenshot("language-3-reopened-german.png");
    EXPECT_EQ(statsWords(), 1);
    ::kill(pid_t(relaunched), SIGTERM);
    EXPECT_TRUE(testwait::until("the relaunched program's end", [&] { return !QFile::exists(QStringLiteral("/proc/%1").arg(relaunched)); }));
    relaunched = 0;
}

TEST_F(LanguageSwitch, InspectorShowsTheFieldAndCopiesDiagnosticsWithoutItsText)
{
    writeSettings({{"onboardingDone", true}, {"introSeen", true}, {"remindHiddenIcon", false}});
    startApp();
    ASSERT_TRUE(program.waitUntilRunning()) << program.seen();
    ASSERT_NO_FATAL_FAILURE(acceptAWordIn("Private letter"));

    // A second launch opens the inspector of the running program, showing that field.
    QProcess second;
    second.setProcessEnvironment(program.process.processEnvironment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "inspector"});
    ASSERT_TRUE(second.waitForFinished(testwait::kPatience));
    Node copy = control(program.pid(), "Copy Diagnostics", ATSPI_ROLE_PUSH_BUTTON);
    ASSERT_TRUE(copy) << appLog().toStdString();
    screenshot("language-5-inspector.png");
    // The text before the caret, its last characters and the caret mark.
    EXPECT_TRUE(control(program.pid(), QString::fromUtf8("Hello world \u258F"), ATSPI_ROLE_LABEL));

    // "Copy Diagnostics": the report on the clipboard, none of the field's text or window title.
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(press(copy.p));
    QString report;
    ASSERT_TRUE(waitFor([&] {
        report = QGuiApplication::clipboard()->text();
        return report.startsWith("Tessaquill diagnostics");
    }, testwait::kPatience)) << report.toStdString();
    EXPECT_TRUE(report.contains("\nKeyboard listening: true")) << report.toStdString();
    EXPECT_TRUE(report.contains("\nCharacters before caret: 12")) << report.toStdString();
    for (const char* secret : {"Hello", "world", "Private letter"})
        EXPECT_FALSE(report.contains(QString::fromLatin1(secret))) << secret;
    EXPECT_TRUE(control(program.pid(), "Copied", ATSPI_ROLE_PUSH_BUTTON));
    screenshot("language-6-inspector-copied.png");
}

TEST_F(LanguageSwitch, ArabicLaysTheWindowsOutRightToLeft)
{
    writeSettings({{"AppleLanguages", QJsonArray{"ar"}}});
    startApp();
    Node button = control(program.pid(), QString::fromUtf8("تغيير لغة التطبيق"), ATSPI_ROLE_PUSH_BUTTON);
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
    Node tree = application(program.pid());
    ASSERT_TRUE(tree);
    for (int i = 0; i < atspi_accessible_get_child_count(tree.p, nullptr); ++i) {
        Node top(atspi_accessible_get_child_at_index(tree.p, i, nullptr));
        if (top && showing(top.p) && extents(top.p).contains(buttonRect.center()))
            windowRect = extents(top.p);
    }
    ASSERT_TRUE(windowRect.isValid());
    screenshot("language-4-arabic.png");
    EXPECT_GT(buttonRect.center().x(), windowRect.center().x())
        << buttonRect.center().x() << " in " << windowRect.left() << ".." << windowRect.right();

    // The settings window too: its sidebar row for the insights pane sits in the right half.
    QProcess second;
    second.setProcessEnvironment(program.process.processEnvironment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "insights"});
    ASSERT_TRUE(second.waitForFinished(testwait::kPatience));
    Node subtitle = control(program.pid(), QString::fromUtf8("الكلمات الموفَّرة ومدى سرعة وصول الاقتراحات"), ATSPI_ROLE_INVALID);
    ASSERT_TRUE(subtitle);
    Node overview = control(program.pid(), QString::fromUtf8("نظرة عامة"));
    ASSERT_TRUE(overview);
    screenshot("language-7-arabic-insights.png");
    EXPECT_GT(extents(overview.p).center().x(), extents(subtitle.p).center().x());

    // The keys pane: switches at the left end, on at the left; the Escape picker's list in ink.
    QProcess third;
    third.setProcessEnvironment(program.process.processEnvironment());
    third.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "keys"});
    ASSERT_TRUE(third.waitForFinished(testwait::kPatience));
    Node space = control(program.pid(), QString::fromUtf8("تضمين المسافة التي بعد الكلمة"), ATSPI_ROLE_INVALID);
    ASSERT_TRUE(space);
    Node escape = control(program.pid(), QString::fromUtf8("إخفاء الاقتراح"), ATSPI_ROLE_COMBO_BOX); // named by its choice
    ASSERT_TRUE(escape);
    screenshot("language-8-arabic-keys.png");
    EXPECT_TRUE(press(escape.p));
    screenshot("language-9-arabic-escape-list.png");
    run("xdotool", {"key", "Escape"});
}

} // namespace
} // namespace tq
