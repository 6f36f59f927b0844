// Debian's Chromium with a fresh profile and no network beyond 127.0.0.1, a textarea on a local
// page. Started while the session's accessibility is on, it is asked for its web content and
// the textarea gets the ghost. Started before accessibility was on, it never joins the
// accessibility bus: the tray panel names it with the command that starts it sharing its text.

#include "RealProgram.h"

#include "platform/Accessibility.h"
#include "support/A11yBus.h"
#include "support/SessionTest.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <functional>

namespace tq {

using namespace realprogram;

namespace {

// A named control of the program's windows, as AT-SPI shows it.
struct Control {
    QString title;
    QRect frame;
};

void collect(const AccessibilityElement& e, QList<Control>& out, int depth = 0)
{
    if (!e || depth > 30)
        return;
    if (const QString title = e->attribute(ax::kTitle).toString(); !title.isEmpty())
        out.append({title, QRectF(e->attribute(ax::kPosition).toPointF(), e->attribute(ax::kSize).toSizeF()).toRect()});
    for (const QVariant& child : e->attribute(ax::kChildren).toList())
        collect(child.value<AccessibilityElement>(), out, depth + 1);
}

class Chromium : public desktoptest::SessionTest {
protected:
    void SetUp() override
    {
        SessionTest::SetUp();
        if (IsSkipped())
            return;
        if (QStandardPaths::findExecutable("chromium").isEmpty())
            GTEST_SKIP() << "chromium is not installed";
        program.serveNotesPage();
    }

    void TearDown() override
    {
        for (QProcess* p : {&chromium, &trayer}) {
            if (p->state() != QProcess::NotRunning) {
                p->kill();
                p->waitForFinished(5000);
            }
        }
    }

    // Chromium on the page, its window active; the window's id.
    QString startChromium()
    {
        chromium.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        chromium.start("chromium", {"--no-sandbox", "--no-first-run", "--disable-gpu", "--disable-background-networking",
                                    "--disable-component-update", "--disable-sync", "--user-data-dir=" + profile.path(),
                                    "--window-size=1000,700", program.server.base() + "/notes.html"});
        if (!chromium.waitForStarted(10000))
            return {};
        QString window;
        waitFor([&] { return !(window = desktoptest::windowTitled("Harbour notes - Chromium")).isEmpty(); }, 60000);
        return window;
    }

    void focusTextarea(const QString& window)
    {
        run("xdotool", {"windowactivate", "--sync", window});
        const QRect w = windowGeometry(window);
        run("xdotool", {"mousemove", "--sync", QString::number(w.x() + 200), QString::number(w.y() + 200), "click", "1"});
    }

    QList<Control> controls()
    {
        QList<Control> out;
        collect(platform().accessibility().application(program.pid()), out);
        return out;
    }

    std::optional<Control> control(const std::function<bool(const Control&)>& match)
    {
        for (const Control& c : controls())
            if (match(c))
                return c;
        return std::nullopt;
    }

    Program program{" world is wide"};
    QTemporaryDir profile;
    QProcess chromium;
    QProcess trayer;
};

} // namespace

TEST_F(Chromium, AskedForItsWebContentTheTextareaGetsTheGhost)
{
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    const QString window = startChromium();
    ASSERT_FALSE(window.isEmpty()) << "Chromium showed no window";
    focusTextarea(window);
    ASSERT_TRUE(waitFor([&] { return program.log().contains("asked Chromium for its web content"); }, testwait::kPatience))
        << program.log().toStdString();
    // The tree is built a moment after the request.
    ASSERT_TRUE(waitFor([&] { return readField(chromium.processId()).ok; }, testwait::kPatience))
        << "the textarea is not reachable over accessibility\n" << program.log().toStdString();

    run("xdotool", {"type", "--delay", "60", "Hello "});
    const bool ghostShown = waitFor([&] { return bool(program.ghost()); }, testwait::kPatience);
    screenshot(ghostShown ? "chromium-ghost.png" : "chromium-no-ghost.png");
    ASSERT_TRUE(ghostShown) << program.log().toStdString();
    run("xdotool", {"key", "Tab"});
    EXPECT_TRUE(waitFor([&] { return readField(chromium.processId()).text.trimmed() == QStringLiteral("Hello world"); }, testwait::kPatience))
        << readField(chromium.processId()).text.toStdString();
}

TEST_F(Chromium, StartedBeforeAccessibilityTheTrayPanelSaysHowToStartIt)
{
    const a11ybus::IsEnabledRestorer restore;
    a11ybus::writeIsEnabled(false);
    const QString window = startChromium();
    ASSERT_FALSE(window.isEmpty()) << "Chromium showed no window";
    a11ybus::writeIsEnabled(true);

    trayer.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "28",
                            "--transparent", "false", "--tint", "0x202020", "--SetDockType", "true"});
    ASSERT_TRUE(trayer.waitForStarted(5000));
    ASSERT_TRUE(waitFor([] { return !run("xdotool", {"search", "--class", "trayer"}).trimmed().isEmpty(); }, testwait::kPatience));
    ASSERT_TRUE(program.start());
    ASSERT_TRUE(program.waitUntilRunning()) << program.log().toStdString();
    QString icon;
    ASSERT_TRUE(waitFor([&] {
        for (const QString& w : program.windows())
            if (const QRect g = windowGeometry(w); g.width() > 0 && g.width() <= 64 && g.top() < 64)
                icon = w;
        return !icon.isEmpty();
    }, testwait::kPatience)) << "the icon never docked";

    focusTextarea(window);
    run("xdotool", {"type", "--delay", "60", "Hello "});
    ASSERT_TRUE(waitFor([&] { return program.log().contains("Chromium shares no text"); }, testwait::kPatience)) << program.log().toStdString();
    EXPECT_FALSE(program.asked()) << "no field, no suggestion";

    run("xdotool", {"mousemove", "--sync", QString::number(windowGeometry(icon).center().x()),
                    QString::number(windowGeometry(icon).center().y()), "click", "1"});
    std::optional<Control> card, copy;
    const bool shown = waitFor([&] {
        card = control([](const Control& c) { return c.title.startsWith("Chromium shares no text. Quit it"); });
        copy = control([](const Control& c) { return c.title == "Copy command"; });
        return card && copy;
    }, testwait::kPatience);
    QTest::qWait(300);
    screenshot("chromium-card.png");
    ASSERT_TRUE(shown) << program.log().toStdString();
    EXPECT_TRUE(card->title.contains("--force-renderer-accessibility"));
    EXPECT_TRUE(control([](const Control& c) { return c.title == "Chromium shares no text"; })) << "the status line";

    QGuiApplication::clipboard()->clear();
    run("xdotool", {"mousemove", "--sync", QString::number(copy->frame.center().x()), QString::number(copy->frame.center().y()),
                    "click", "1"});
    EXPECT_TRUE(waitFor([] { return QGuiApplication::clipboard()->text() == "/usr/bin/chromium --force-renderer-accessibility"; }, testwait::kPatience))
        << QGuiApplication::clipboard()->text().toStdString();

    // The field inspector says the same under "Right now".
    run("xdotool", {"key", "Escape"});
    QProcess second;
    second.setProcessEnvironment(program.environment());
    second.start(QStringLiteral(TQ_BINARY_DIR "/app/tessaquill"), {"--open-settings", "inspector"});
    ASSERT_TRUE(second.waitForFinished(testwait::kPatience));
    const bool said = waitFor([&] { return control([&](const Control& c) { return c.title == card->title; }).has_value(); }, testwait::kPatience);
    QTest::qWait(500);
    screenshot("chromium-inspector.png");
    EXPECT_TRUE(said) << program.log().toStdString();
}

} // namespace tq
