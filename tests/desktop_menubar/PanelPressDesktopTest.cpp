// The tray panel closes on a button press outside it also while the key tap is stopped (the
// local-only mode never starts it); a wheel turn elsewhere leaves it open.

#include "support/Desktop.h"
#include "support/Program.h"
#include "support/SessionTest.h"
#include "support/Wait.h"

#include <QProcess>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace desktoptest;
using testwait::run;
using testwait::waitFor;

class PanelPress : public SessionTest {
protected:
    void TearDown() override
    {
        if (trayer.state() != QProcess::NotRunning) {
            trayer.kill();
            trayer.waitForFinished(3000);
        }
    }
    QString windowOfWidth(std::initializer_list<int> widths, bool small = false)
    {
        for (const QString& w : program.windows()) {
            const QRect g = windowGeometry(w);
            if (small ? (g.width() > 0 && g.width() <= 64 && g.height() <= 64 && g.top() < 64)
                      : std::find(widths.begin(), widths.end(), g.width()) != widths.end())
                return w;
        }
        return {};
    }
    QString iconWindow() { return windowOfWidth({}, true); }
    QString panelWindow() { return windowOfWidth({300, 300 + 2 * 18}); }
    static void at(const QPoint& p, const char* button)
    {
        run("xdotool", {"mousemove", "--sync", QString::number(p.x()), QString::number(p.y())});
        run("xdotool", {"click", button});
    }

    Program program{" world"};
    QProcess trayer;
};

} // namespace

TEST_F(PanelPress, AnOutsidePressClosesThePanelWithoutTheKeyTapAndAWheelTurnDoesNot)
{
    trayer.start("trayer", {"--edge", "top", "--align", "right", "--widthtype", "request", "--height", "28",
                            "--transparent", "false", "--tint", "0x202020", "--SetDockType", "true"});
    ASSERT_TRUE(trayer.waitForStarted(5000));
    ASSERT_TRUE(waitFor([] { return !run("xdotool", {"search", "--class", "trayer"}).trimmed().isEmpty(); }, testwait::kPatience));
    ASSERT_TRUE(program.writeSettings(firstRunDone(quietSettings(program.serverURL()))));
    QProcessEnvironment env = program.environment();
    env.insert("TESSAQUILL_LOCAL_ONLY", "1");
    ASSERT_TRUE(program.start({}, env));
    QString icon;
    ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, testwait::kPatience)) << program.log().toStdString();
    const QRect iconRect = windowGeometry(icon);
    // The wheel turns over another program's window (the window manager turns desktops with
    // a wheel over the root window); it opens before the panel, which closes when it loses
    // the activation.
    Zenity other(Zenity::Kind::entry, "Elsewhere");
    ASSERT_TRUE(other.ready()) << other.problem;
    const QRect otherRect = windowGeometry(other.window);
    QTest::qWait(500);
    EXPECT_FALSE(program.log().contains("tap running 1")) << "the key tap must stay stopped";

    at(iconRect.center(), "1");
    QString panel;
    ASSERT_TRUE(waitFor([&] { return !(panel = panelWindow()).isEmpty(); }, testwait::kPatience)) << program.log().toStdString();
    // Open once it holds the activation it closes on losing.
    ASSERT_TRUE(waitFor([&] { return desktoptest::focusedWindow() == panel; }, testwait::kPatience))
        << describeWindow(desktoptest::focusedWindow());
    at(otherRect.center(), "4"); // a wheel turn elsewhere
    at(otherRect.center(), "5");
    QTest::qWait(800);
    screenshot("panel-after-wheel.png");
    EXPECT_FALSE(panelWindow().isEmpty()) << "a wheel turn closed the panel";

    // A press on the desktop: no window is activated, only the watcher sees it.
    const QPoint outside(8, otherRect.bottom() + 40);
    ASSERT_FALSE(otherRect.contains(outside));
    at(outside, "1");
    EXPECT_TRUE(waitFor([&] { return panelWindow().isEmpty(); }, testwait::kPatience)) << "an outside press left the panel open";
    screenshot("panel-after-press.png");
}

} // namespace tq
