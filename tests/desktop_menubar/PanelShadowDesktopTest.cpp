// The real program's tray panel on an XEmbed tray (trayer). With a compositing manager the
// panel draws its shadow in a clear margin, and presses there reach the window beneath; and a
// screen reader hears the switch's label and the warning card's message once each.

#include "support/Desktop.h"
#include "support/Program.h"
#include "support/RivalLock.h"
#include "support/ScreenReader.h"
#include "support/Wait.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest/QTest>

#include <gtest/gtest.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/shape.h>

namespace tq {
namespace {

using namespace desktoptest;
using testwait::run;
using testwait::waitFor;

class PanelShadow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs the desktop session";
        ASSERT_TRUE(program.isValid());
    }
    void TearDown() override
    {
        for (QProcess* p : {&trayer, &compositor, &rival}) {
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
    }
    QString iconWindow()
    {
        for (const QString& w : program.windows()) {
            const QRect g = windowGeometry(w);
            if (g.width() > 0 && g.width() <= 64 && g.height() <= 64 && g.top() < 64)
                return w;
        }
        return {};
    }
    QString panelWindow(int width)
    {
        for (const QString& w : program.windows()) {
            if (windowGeometry(w).width() == width)
                return w;
        }
        return {};
    }
    void openPanel(int width)
    {
        QString icon;
        ASSERT_TRUE(waitFor([&] { return !(icon = iconWindow()).isEmpty(); }, 15000)) << program.log().toStdString();
        const QPoint at = windowGeometry(icon).center();
        run("xdotool", {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y())});
        run("xdotool", {"click", "1"});
        ASSERT_TRUE(waitFor([&] { return !(panel = panelWindow(width)).isEmpty(); }, 5000)) << program.log().toStdString();
    }
    // Whether presses at `p` (in the window's own coordinates) reach `window`: inside its input
    // shape, the area the X server lets presses into.
    static bool takesPresses(const QString& window, const QPoint& p)
    {
        Display* display = XOpenDisplay(nullptr);
        if (!display)
            return false;
        int count = 0, ordering = 0;
        XRectangle* rects = XShapeGetRectangles(display, Window(window.toULong()), ShapeInput, &count, &ordering);
        bool inside = false;
        for (int i = 0; i < count; ++i)
            inside = inside || QRect(rects[i].x, rects[i].y, rects[i].width, rects[i].height).contains(p);
        if (rects)
            XFree(rects);
        XCloseDisplay(display);
        return inside;
    }

    Program program{QByteArray(" world")};
    QProcess trayer, compositor, rival;
    QString panel;
};

TEST_F(PanelShadow, PressesInTheShadowReachTheWindowBeneath)
{
    if (QStandardPaths::findExecutable("xcompmgr").isEmpty())
        GTEST_SKIP() << "xcompmgr is not installed";
    compositor.start("xcompmgr", {});
    ASSERT_TRUE(compositor.waitForStarted(5000));
    startTrayer();
    ASSERT_TRUE(program.writeSettings(firstRunDone(quietSettings(program.serverURL()))));
    ASSERT_TRUE(program.start());
    // With the compositing manager the panel has the shadow's margin all round.
    openPanel(300 + 2 * 18);
    const QRect frame = windowGeometry(panel);
    ASSERT_EQ(frame.width(), 300 + 2 * 18);
    // The card takes presses; 9 points out, in the shadow, and in the clear corner they go by.
    const int middle = frame.height() / 2;
    EXPECT_TRUE(waitFor([&] { return takesPresses(panel, QPoint(18 + 40, middle)); }, 3000));
    EXPECT_TRUE(takesPresses(panel, QPoint(18 + 2, 18 + 20)));
    EXPECT_FALSE(takesPresses(panel, QPoint(9, middle)));
    EXPECT_FALSE(takesPresses(panel, QPoint(frame.width() / 2, frame.height() - 9)));
    EXPECT_FALSE(takesPresses(panel, QPoint(18 + 1, 18 + 1))) << "the rounded corner";
    screenshot("menubar-panel-shadow-composited.png");
    run("xdotool", {"key", "Escape"});
}

TEST_F(PanelShadow, SwitchLabelAndCardMessageAreHeardOnce)
{
    atspi_init();
    // A stand-in competing application raises the warning card.
    const RivalLock lock(RivalLock::Mode::exclusive);
    const QString exe = program.path("tabtype");
    ASSERT_TRUE(QFile::copy(QStringLiteral("/bin/sleep"), exe));
    rival.start(exe, {"600"});
    ASSERT_TRUE(rival.waitForStarted());
    startTrayer();
    ASSERT_TRUE(program.writeSettings(firstRunDone(quietSettings(program.serverURL()))));
    ASSERT_TRUE(program.start());
    openPanel(300);
    QStringList lines;
    ASSERT_TRUE(waitFor([&] {
        lines = heard(application(program.pid()).p);
        return mentions(lines, "Quit tabtype") > 0 && mentions(lines, "Show Count in Tray") > 0;
    }, 8000)) << lines.join('\n').toStdString();
    lines = heard(application(program.pid()).p, "menubar-panel-rival-heard.txt");
    const std::string all = lines.join('\n').toStdString();
    EXPECT_EQ(mentions(lines, "Show Count in Tray"), 1) << "the switch, not its label again\n" << all;
    // The status line and the card's message; the card's frame says nothing of its own.
    EXPECT_EQ(mentions(lines, "Paused while tabtype is open"), 2) << all;
    EXPECT_EQ(mentions(lines, "<unnamed>"), 0) << all;
    run("xdotool", {"key", "Escape"});
}

} // namespace
} // namespace tq
