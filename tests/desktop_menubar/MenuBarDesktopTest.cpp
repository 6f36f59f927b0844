// The real program with a real tray host (trayer, XEmbed) in the session: the icon docks, a
// click opens the panel under it, pausing everywhere stops suggestions and resuming brings
// them back, the front-application pill names the zenity entry's program, Escape closes the
// panel, and its controls are read over AT-SPI. Without a tray host the hidden-icon prompt
// opens. With a StatusNotifier host the item carries today's count as its label.

#include "platform/Accessibility.h"
#include "platform/OverlayWindow.h"
#include "ui/design/Fonts.h"
#include "support/Desktop.h"
#include "support/FieldReading.h"
#include "support/Program.h"
#include "support/ScreenReader.h"
#include "support/SessionTest.h"
#include "support/Wait.h"
#include "desktop_menubar/StatusNotifierHost.h"

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tq {
namespace {

const QByteArray kReply = " world is wide";

using namespace desktoptest;
using testwait::run;
using testwait::waitFor;

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

class MenuBarDesktop : public SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        if (IsSkipped())
            return;
        ASSERT_TRUE(program.isValid());
    }

    void writeSettings(bool remindHiddenIcon, bool showCount = false)
    {
        QJsonObject values = firstRunDone(quietSettings(program.serverURL()));
        if (remindHiddenIcon)
            values.remove("remindHiddenIcon");
        if (showCount)
            values.insert("showWordCountInMenuBar", true);
        ASSERT_TRUE(program.writeSettings(values));
    }

    void TearDown() override
    {
        zenity.reset();
        if (trayer.state() != QProcess::NotRunning) {
            trayer.kill();
            trayer.waitForFinished(3000);
        }
    }

    void startTrayer()
    {
        trayer.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "28",
                                "--transparent", "false", "--tint", "0x202020", "--SetDockType", "true"});
        ASSERT_TRUE(trayer.waitForStarted(5000));
        ASSERT_TRUE(waitFor([] { return !run("xdotool", {"search", "--class", "trayer"}).trimmed().isEmpty(); }, testwait::kPatience));
    }

    void startApp() { ASSERT_TRUE(program.start()); }
    QString appLog() { return program.log(); }
    QStringList appWindows() { return program.windows(); }

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
            // 300 wide, and with a compositing manager a clear margin for its shadow all round.
            const int width = windowGeometry(w).width();
            if (width == 300 || width == 300 + 2 * 18)
                return w;
        }
        return {};
    }

    QList<Control> controls()
    {
        QList<Control> out;
        collect(platform().accessibility().application(program.pid()), out);
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

    // Clicks `at` and waits for the popup menu it opens: one more window of the program.
    bool openPopup(const QPoint& at)
    {
        const qsizetype before = appWindows().size();
        click(at);
        return waitFor([&] { return appWindows().size() > before; }, testwait::kPatience);
    }
    // Activates `window` and waits until it holds the keyboard focus.
    bool focus(const QString& window)
    {
        return desktoptest::activate(window);
    }
    // Whether the program has read the field with `chars` characters before the caret and held
    // its suggestion (paused, or no engine to ask).
    bool heldAt(int chars)
    {
        return appLog().contains(QRegularExpression(QStringLiteral("held in .*\\(before %1,").arg(chars)));
    }

    QString openZenity()
    {
        zenity.emplace(Zenity::Kind::entry, "Menu road");
        return zenity->window;
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

    Program program{kReply};
    std::optional<Zenity> zenity;
    QProcess trayer;
};

TEST_F(MenuBarDesktop, TrayPanelPauseAndResume)
{
    startTrayer();
    writeSettings(false);
    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start: tap running 1"); }, testwait::kPatience)) << appLog().toStdString();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, testwait::kPatience)) << "the icon never docked";
    const QRect iconRect = windowGeometry(icon);

    // The zenity entry becomes the front application; typing there gets a suggestion.
    const QString entry = openZenity();
    ASSERT_FALSE(entry.isEmpty());
    run("xdotool", {"type", "--delay", "60", "Hello "});
    // Escape once the program has read every typed key: one read later would bring the ghost back.
    ASSERT_TRUE(waitFor([&] { return readField(zenity->pid()).text == QStringLiteral("Hello "); }, testwait::kPatience));
    ASSERT_TRUE(waitFor([&] { return ghostShown(icon) && presentedAtTheCaret(appLog(), zenity->pid()); }, testwait::kPatience))
        << appLog().toStdString();
    run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(waitFor([&] { return !ghostShown(icon); }, testwait::kPatience));
    const QImage activeShot = screenshot("menubar-active.png").copy(iconRect);

    // A click on the icon opens the panel under it.
    click(iconRect.center());
    QString panel;
    ASSERT_TRUE(waitFor([&] { return !(panel = panelWindow()).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
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
    }, testwait::kPatience));
    QStringList titles;
    for (const Control& c : all)
        titles << c.role + ":" + c.title;
    for (const char* expected : {"Open Playground", "Settings", "Quit Tessaquill", "Show Count in Tray", "Pause Everywhere", "Ready"})
        EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const Control& c) { return c.title == expected; }))
            << expected << " in " << titles.join(", ").toStdString();
    const auto frontPill = control([](const Control& c) { return c.title.startsWith("Pause in "); });
    ASSERT_TRUE(frontPill) << titles.join(", ").toStdString();
    EXPECT_TRUE(frontPill->title.contains("enity", Qt::CaseInsensitive)) << frontPill->title.toStdString();

    // Pause Everywhere › For 15 Minutes.
    const auto everywhere = control([](const Control& c) { return c.title == "Pause Everywhere"; });
    ASSERT_TRUE(everywhere);
    ASSERT_TRUE(openPopup(everywhere->frame.center())) << program.seen();
    screenshot("menubar-durations.png");
    // The duration menu is a popup, outside the application's accessible tree: its first
    // item by keyboard.
    run("xdotool", {"key", "Down", "Return"});
    ASSERT_TRUE(waitFor([&] { return control([](const Control& c) { return c.title.startsWith("Paused until "); }).has_value(); }, testwait::kPatience));
    EXPECT_TRUE(control([](const Control& c) { return c.title == "Resume Everywhere"; }));
    EXPECT_TRUE(waitFor([&] { return screenshot("menubar-paused.png").copy(iconRect) != activeShot; }, testwait::kPatience))
        << "the glyph changes to paused";

    // Escape closes the panel; a typed field gets no suggestion while paused.
    run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, testwait::kPatience));
    ASSERT_TRUE(focus(entry));
    const qsizetype asked = program.completions();
    run("xdotool", {"type", "--delay", "60", "and more "});
    // Checked once the program has read the whole text and held it.
    EXPECT_TRUE(program.until("the paused hold", [&] { return heldAt(15); }));
    EXPECT_FALSE(ghostShown(icon));
    EXPECT_EQ(program.completions(), asked);

    // Resume Everywhere brings suggestions back.
    click(iconRect.center());
    ASSERT_TRUE(waitFor([&] { return !panelWindow().isEmpty(); }, testwait::kPatience));
    std::optional<Control> resume;
    ASSERT_TRUE(waitFor([&] { return (resume = control([](const Control& c) { return c.title == "Resume Everywhere"; })).has_value(); }, testwait::kPatience));
    click(resume->frame.center());
    ASSERT_TRUE(waitFor([&] { return control([](const Control& c) { return c.title == "Ready"; }).has_value(); }, testwait::kPatience));
    screenshot("menubar-resumed.png");
    // A second click on the icon closes the panel and does not reopen it.
    click(iconRect.center());
    ASSERT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, testwait::kPatience));
    QTest::qWait(600);
    EXPECT_TRUE(panelWindow().isEmpty());

    ASSERT_TRUE(focus(entry));
    run("xdotool", {"type", "--delay", "60", " Hello "});
    EXPECT_TRUE(waitFor([&] { return ghostShown(icon); }, testwait::kPatience)) << appLog().toStdString();
    screenshot("menubar-suggestions-back.png");
}

// With a compositing manager the panel's corners blend instead of being cut out.
// What a screen reader hears in the panel on an XEmbed tray (no labels): the switch as a check
// box with its value, the count line once, the switch's note, and no unnamed decoration.
TEST_F(MenuBarDesktop, PanelAsAScreenReaderHearsIt)
{
    atspi_init();
    startTrayer();
    writeSettings(false);
    startApp();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    click(windowGeometry(icon).center());
    ASSERT_TRUE(waitFor([&] { return !panelWindow().isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    QStringList lines;
    ASSERT_TRUE(waitFor([&] {
        const Node app = application(program.pid());
        lines = heard(app.p);
        return mentions(lines, "Open Playground") > 0;
    }, testwait::kPatience));
    lines = heard(application(program.pid()).p, "menubar-panel-a11y.txt");
    const std::string all = lines.join('\n').toStdString();
    EXPECT_EQ(mentions(lines, "check box: Show Count in Tray — Off [not checked]"), 1) << all;
    EXPECT_EQ(mentions(lines, "words saved today"), 1) << "the count and its unit are one element\n" << all;
    EXPECT_EQ(mentions(lines, "0 words saved today"), 1) << all;
    EXPECT_EQ(mentions(lines, "This tray can't show text beside icons"), 1) << all;
    EXPECT_EQ(mentions(lines, "<unnamed>"), 0) << "the status dot and the mark are decoration\n" << all;
    run("xdotool", {"key", "Escape"});
}

TEST_F(MenuBarDesktop, PanelWithACompositingManager)
{
    if (QStandardPaths::findExecutable("xcompmgr").isEmpty())
        GTEST_SKIP() << "xcompmgr is not installed";
    QProcess compositor;
    compositor.start("xcompmgr", {});
    ASSERT_TRUE(compositor.waitForStarted(5000));
    ASSERT_TRUE(waitFor([] { return overlay::compositing(); }, testwait::kPatience));
    startTrayer();
    writeSettings(false);
    startApp();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    click(windowGeometry(icon).center());
    ASSERT_TRUE(waitFor([&] { return !panelWindow().isEmpty(); }, testwait::kPatience));
    QTest::qWait(400); // past the fade
    screenshot("menubar-panel-composited.png");
    run("xdotool", {"key", "Escape"});
    EXPECT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, testwait::kPatience));
    compositor.kill();
    compositor.waitForFinished(3000);
}

TEST_F(MenuBarDesktop, WithoutATrayTheHiddenIconPromptOpens)
{
    writeSettings(true);
    startApp();
    QString prompt;
    ASSERT_TRUE(waitFor([&] {
        prompt = QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--name", "^Your tray icon is hidden$"})).trimmed();
        return !prompt.isEmpty();
    }, testwait::kPatience)) << appLog().toStdString();
    QTest::qWait(500);
    screenshot("menubar-hidden-icon-prompt.png");
    const auto remind = control([](const Control& c) { return c.title == "Don't remind me again"; });
    ASSERT_TRUE(remind);
    // No desktop here: the panel's tray applet helps.
    EXPECT_TRUE(control([](const Control& c) { return c.title.startsWith("There's no room for it, or your panel has no system tray."); }));
    EXPECT_TRUE(control([](const Control& c) { return c.title == "Not Now"; }));

    // A tray that starts later takes the icon in and the prompt closes.
    startTrayer();
    EXPECT_TRUE(waitFor([&] { return !iconWindow().isEmpty(); }, testwait::kPatience));
    EXPECT_TRUE(waitFor([&] {
        return QString::fromUtf8(run("xdotool", {"search", "--onlyvisible", "--name", "^Your tray icon is hidden$"})).trimmed().isEmpty();
    }, testwait::kPatience));
    screenshot("menubar-tray-started-later.png");
}

TEST_F(MenuBarDesktop, StatusNotifierItemShowsTodaysCountBesideTheIcon)
{
    StatusNotifierHost host;
    ASSERT_TRUE(host.start()) << "another StatusNotifier watcher runs on the session bus";
    writeSettings(false, true);
    startApp();
    ASSERT_TRUE(program.waitUntilRunning()) << appLog().toStdString();
    ASSERT_TRUE(waitFor([&] { return !host.items().isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    EXPECT_EQ(host.iconSides(), (QList<int>{16, 22, 24, 32, 48, 64}));
    EXPECT_EQ(host.itemProperty("Status").toString(), QStringLiteral("Active"));
    EXPECT_EQ(host.itemProperty("XAyatanaLabel").toString(), QString()) << "nothing accepted yet";
    EXPECT_TRUE(iconWindow().isEmpty()) << "no second icon through Qt";

    // One accepted word: "1" beside the icon.
    const QString entry = openZenity();
    ASSERT_FALSE(entry.isEmpty());
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return readField(zenity->pid()).text == QStringLiteral("Hello "); }, testwait::kPatience));
    ASSERT_TRUE(waitFor([&] { return presentedAtTheCaret(appLog(), zenity->pid()); }, testwait::kPatience)) << appLog().toStdString();
    run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(waitFor([&] { return readField(zenity->pid()).text.startsWith(QStringLiteral("Hello world")); }, testwait::kPatience));
    EXPECT_TRUE(waitFor([&] { return host.itemProperty("XAyatanaLabel").toString() == QStringLiteral("1"); }, testwait::kPatience))
        << host.itemProperty("XAyatanaLabel").toString().toStdString();
    EXPECT_EQ(host.itemProperty("XAyatanaLabelGuide").toString(), QStringLiteral("8"));
    EXPECT_TRUE(waitFor([&] { return host.labelSignals.contains(QStringLiteral("1")); }, testwait::kPatience));
    run("xdotool", {"key", "Escape"});

    // The host's click opens the panel at the position it gives; its switch turns the label off.
    ASSERT_TRUE(host.activate(1500, 30));
    QString panel;
    ASSERT_TRUE(waitFor([&] { return !(panel = panelWindow()).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    EXPECT_LE(std::abs(windowGeometry(panel).top() - 30), 40) << "at the host's position";
    std::optional<Control> countSwitch;
    ASSERT_TRUE(waitFor([&] {
        return (countSwitch = control([](const Control& c) {
                    return c.title == "Show Count in Tray" && c.role != "AXStaticText";
                })).has_value();
    }, testwait::kPatience));
    QTest::qWait(300);
    screenshot("menubar-statusnotifier-panel.png");
    click(countSwitch->frame.center());
    EXPECT_TRUE(waitFor([&] { return host.itemProperty("XAyatanaLabel").toString().isEmpty(); }, testwait::kPatience));
    EXPECT_TRUE(waitFor([&] { return host.labelSignals.endsWith(QString()); }, testwait::kPatience)) << host.labelSignals.join(",").toStdString();
    // Written a moment after the change.
    EXPECT_TRUE(waitFor([&] { return !program.settings().value("showWordCountInMenuBar").toBool(true); }, testwait::kPatience));
}

// The panel in one language of each script: its own words, nothing cut off its width.
// A first run with the built-in engine, no model yet and no on-device model: typing asks
// nothing, and the tray panel and the overview say to download the model, in German.
TEST_F(MenuBarDesktop, FirstRunWithoutAModelSaysToDownloadIt)
{
    const QString sentence = QStringLiteral("Lade das Modell herunter, um zu beginnen");
    startTrayer();
    QJsonObject values = firstRunDone(quietSettings(program.serverURL()));
    values.insert("engine", "builtIn");
    values.insert("AppleLanguages", QJsonArray{QStringLiteral("de")});
    ASSERT_TRUE(program.writeSettings(values));
    startApp();
    ASSERT_TRUE(waitFor([&] { return appLog().contains("system-wide start: tap running 1"); }, testwait::kPatience)) << appLog().toStdString();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, testwait::kPatience)) << "the icon never docked";

    ASSERT_FALSE(openZenity().isEmpty());
    run("xdotool", {"type", "--delay", "60", "Hallo zusammen, heute "});
    ASSERT_TRUE(waitFor([&] { return readField(zenity->pid()).text == QStringLiteral("Hallo zusammen, heute "); }, testwait::kPatience));
    // Checked once the program has read the whole text and held it.
    EXPECT_TRUE(program.until("the hold without a model", [&] { return heldAt(22); }));
    EXPECT_FALSE(program.asked());
    EXPECT_FALSE(appLog().contains("the request failed")) << appLog().toStdString();
    EXPECT_FALSE(ghostShown(icon));

    click(windowGeometry(icon).center());
    QString panel;
    ASSERT_TRUE(waitFor([&] { return !(panel = panelWindow()).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    const auto inside = [&](const QRect& window) {
        return [&, window](const Control& c) { return c.title == sentence && window.contains(c.frame.center()); };
    };
    const QRect panelRect = windowGeometry(panel);
    EXPECT_TRUE(waitFor([&] { return control(inside(panelRect)).has_value(); }, testwait::kPatience));
    screenshot("firstrun-panel-de.png");
    // Shown whole, not cut short of its end: the line is as wide as the sentence in its font
    // (its accessible name is the whole sentence however much of it shows).
    const auto line = control(inside(panelRect));
    ASSERT_TRUE(line);
    const int needed = QFontMetrics(fonts::font(fonts::Role::caption)).horizontalAdvance(sentence);
    EXPECT_GE(line->frame.width() + 1, needed) << "the panel's line is cut: " << line->frame.width() << " px of " << needed;
    EXPECT_TRUE(panelRect.contains(line->frame)) << "the line runs out of the panel";
    run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, testwait::kPatience));

    // The overview, asked for through the running program.
    QProcess again;
    again.setProcessEnvironment(program.environment());
    again.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "overview"});
    ASSERT_TRUE(again.waitForFinished(testwait::kPatience));
    QString settings;
    ASSERT_TRUE(waitFor([&] {
        for (const QString& w : appWindows())
            if (windowGeometry(w).width() > 500)
                settings = w;
        return !settings.isEmpty();
    }, testwait::kPatience)) << appLog().toStdString();
    EXPECT_TRUE(waitFor([&] { return control(inside(windowGeometry(settings))).has_value(); }, testwait::kPatience)) << [&] {
        QStringList titles;
        for (const Control& c : controls())
            titles << c.title;
        return titles.join(", ").toStdString();
    }();
    screenshot("firstrun-overview-de.png");
}

// A damaged model in place of the download (an absurd tensor count, the download's size and its
// marker): once the field's session has tried to load it, the tray panel, the overview and the
// engine pane say it couldn't be loaded, and the engine pane offers to fetch it again.
TEST_F(MenuBarDesktop, ADamagedModelSaysItCouldNotBeLoaded)
{
    QFile tiny(QStringLiteral(TQ_BINARY_DIR "/models/tiny.gguf"));
    if (!tiny.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "the tiny model is not built";
    QByteArray damaged = tiny.readAll();
    const quint64 absurd = quint64(1) << 60;
    damaged.replace(8, int(sizeof absurd), QByteArray(reinterpret_cast<const char*>(&absurd), sizeof absurd));
    const QString models = program.path("data/Tessaquill/Models");
    QDir().mkpath(models);
    QFile model(models + "/gemma-4-E2B-Q8_0.gguf");
    ASSERT_TRUE(model.open(QIODevice::WriteOnly) && model.write(damaged) > 0 && model.resize(4967478336LL));
    model.close();
    QFile marker(model.fileName() + ".verified");
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.write("fcf7224c47518fca8a8a85391cfb0873a94d3dee4434fb77763113bfa7264d97");
    marker.close();

    const QString sentence = QStringLiteral("The model file couldn't be loaded");
    startTrayer();
    QJsonObject values = firstRunDone(quietSettings(program.serverURL()));
    values.insert("engine", "builtIn");
    ASSERT_TRUE(program.writeSettings(values));
    startApp();
    ASSERT_TRUE(program.waitUntilRunning()) << program.seen();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, testwait::kPatience)) << "the icon never docked";

    ASSERT_FALSE(openZenity().isEmpty());
    run("xdotool", {"type", "--delay", "60", "Hello there, today "});
    EXPECT_TRUE(program.until("the hold on the damaged model", [&] {
        return appLog().contains(QStringLiteral(": ") + sentence + QStringLiteral(" (before"));
    }));
    EXPECT_FALSE(ghostShown(icon));

    click(windowGeometry(icon).center());
    QString panel;
    ASSERT_TRUE(program.until("the tray panel", [&] { return !(panel = panelWindow()).isEmpty(); }));
    const auto inside = [&](const QString& title, const QRect& window) {
        return [&, title, window](const Control& c) { return c.title == title && window.contains(c.frame.center()); };
    };
    EXPECT_TRUE(program.until("the sentence in the tray panel",
                              [&] { return control(inside(sentence, windowGeometry(panel))).has_value(); }));
    screenshot("damaged-model-panel.png");
    run("xdotool", {"key", "Escape"});
    ASSERT_TRUE(program.until("the panel closed", [&] { return panelWindow().isEmpty(); }));

    for (const char* pane : {"overview", "engine"}) {
        QProcess again;
        again.setProcessEnvironment(program.environment());
        again.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", pane});
        ASSERT_TRUE(again.waitForFinished(testwait::kPatience));
        QString settings;
        ASSERT_TRUE(program.until("the settings window", [&] {
            for (const QString& w : appWindows())
                if (windowGeometry(w).width() > 500)
                    settings = w;
            return !settings.isEmpty();
        }));
        EXPECT_TRUE(program.until(std::string("the sentence in the pane ") + pane,
                                  [&] { return control(inside(sentence, windowGeometry(settings))).has_value(); }));
        screenshot(QStringLiteral("damaged-model-%1.png").arg(QLatin1String(pane)));
    }
    EXPECT_TRUE(program.until("the way to fetch it again", [&] {
        return control([](const Control& c) { return c.title == QStringLiteral("Try Again"); }).has_value();
    }));
}

class PanelInScripts : public MenuBarDesktop, public ::testing::WithParamInterface<const char*> {};

TEST_P(PanelInScripts, OpensInTheLanguage)
{
    startTrayer();
    QJsonObject values = firstRunDone(quietSettings(program.serverURL()));
    values.insert("AppleLanguages", QJsonArray{QString::fromLatin1(GetParam())});
    ASSERT_TRUE(program.writeSettings(values));
    startApp();
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    click(windowGeometry(icon).center());
    QString panel;
    ASSERT_TRUE(waitFor([&] { return !(panel = panelWindow()).isEmpty(); }, testwait::kPatience)) << appLog().toStdString();
    QTest::qWait(400);
    screenshot(QStringLiteral("menubar-panel-%1.png").arg(QLatin1String(GetParam())));
    // No English row title is left.
    EXPECT_FALSE(control([](const Control& c) { return c.title == "Open Playground" || c.title == "Pause Everywhere"; }));
    run("xdotool", {"key", "Escape"});
}

INSTANTIATE_TEST_SUITE_P(Scripts, PanelInScripts, ::testing::Values("ar", "ja", "hi", "th", "ru"));

} // namespace
} // namespace tq
