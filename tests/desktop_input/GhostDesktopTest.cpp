#include "DesktopSupport.h"

#include "overlay/AlternativesPanel.h"
#include "overlay/EmojiPickerPanel.h"
#include "overlay/GhostPanel.h"
#include "overlay/ListPanel.h"
#include "platform/ColourScheme.h"
#include "platform/OverlayWindow.h"
#include "platform/Platform.h"
#include "platform/Screen.h"
#include "support/Wait.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(GhostDesktop, ShownAtTheCaretWithoutTakingTheFocus)
{
    desktop::ZenityEntry field("TQ ghost");
    ASSERT_TRUE(field.ready());
    desktop::run("xdotool", {"type", "Dear"});
    const QString focused = desktop::focusedWindow();

    SystemPlatform platform;
    GhostPanel ghost(platform.overlayScreens());
    GhostContent content;
    content.kind = GhostContent::Kind::completion(" colleagues, thank you for the lovely afternoon");
    content.caretRect = QRectF(400, 600, 2, 18); // screen space, y up
    content.fieldFrame = QRectF(380, 590, 500, 40);
    content.fontSize = 15;
    content.hint = "tab";
    ghost.show(content);
    AlternativesPanel alternatives(platform.overlayScreens());
    alternatives.show({" colleagues", " friends", " Sir"}, "Dear", "", "tab", QRectF(400, 400, 2, 18));
    desktop::settle(500);

    EXPECT_TRUE(ghost.isShowing());
    ASSERT_TRUE(ghost.layout());
    EXPECT_EQ(overlay::frame(ghost.window()), ghost.layout()->frame);
    EXPECT_EQ(ghost.layout()->lines.first().x, 400);
    EXPECT_EQ(desktop::focusedWindow(), focused);
    EXPECT_FALSE(ghost.window()->isActiveWindow());
    EXPECT_FALSE(QGuiApplication::focusWindow());

    if (const QString dir = qEnvironmentVariable("TQ_ARTIFACTS"); !dir.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/ghost-panel.png");

    desktop::run("xdotool", {"type", " all"});
    desktop::settle(200);
    EXPECT_EQ(desktop::focusedWindow(), focused);
    ghost.hide();
    alternatives.hide();
    EXPECT_FALSE(ghost.isShowing());
    EXPECT_EQ(field.finish(), "Dear all");
}

} // namespace
} // namespace tq

#include <QImage>
#include <QPixmap>

namespace tq {
namespace {

// Pixels of the screen area the panel covers that differ from the empty desktop.
int drawnPixels(QWidget* window)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    const QRect r = window->geometry();
    const QRgb background = shot.pixel(0, 0);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (shot.rect().contains(x, y) && shot.pixel(x, y) != background)
                ++n;
    return n;
}

TEST(GhostDesktop, DrawsTheWrappedBoxThePillAndAFix)
{
    SystemPlatform platform;
    GhostPanel ghost(platform.overlayScreens());
    GhostContent content;
    content.kind = GhostContent::Kind::completion(
        " and we will meet again next week to go over the remaining points of the plan together, with everyone");
    content.caretRect = QRectF(700, 700, 2, 18);
    content.fieldFrame = QRectF(300, 500, 600, 230);
    content.lineStartX = 306;
    content.allowWrap = true;
    content.fontSize = 15;
    content.hint = "tab";
    ghost.show(content);
    ASSERT_TRUE(ghost.layout()->container);
    // Measured once drawn: a loaded desktop paints late.
    QTest::qWaitFor([&] { return drawnPixels(ghost.window()) > 500; }, testwait::kPatience);
    EXPECT_GT(drawnPixels(ghost.window()), 500);
    const QString dir = qEnvironmentVariable("TQ_ARTIFACTS");
    if (!dir.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/ghost-box.png");

    content.anchored = true;
    ghost.show(content);
    EXPECT_TRUE(ghost.layout()->anchored);
    QTest::qWaitFor([&] { return drawnPixels(ghost.window()) > 500; }, testwait::kPatience);
    EXPECT_GT(drawnPixels(ghost.window()), 500);
    if (!dir.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/ghost-pill.png");

    content.anchored = false;
    content.kind = GhostContent::Kind::fix("teh", "the");
    ghost.show(content);
    EXPECT_EQ(ghost.layout()->lines.first().text, "→ the");
    QTest::qWaitFor([&] { return drawnPixels(ghost.window()) > 50; }, testwait::kPatience);
    EXPECT_GT(drawnPixels(ghost.window()), 50);
    if (!dir.isEmpty())
        QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/ghost-fix.png");
}

// The share of dark pixels of the screen where a window shows.
double darkShare(const QRect& r)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage();
    qint64 dark = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            dark += QColor(shot.pixel(x, y)).lightnessF() < 0.35;
    return shot.isNull() ? 0 : double(dark) / double(shot.width() * shot.height());
}

// The panel a list window shows, in screen pixels (without the room for its shadow).
QRect shownPanel(QWidget* window)
{
    auto* view = qobject_cast<ListPanelView*>(window);
    return view ? view->panelRect().toAlignedRect().translated(window->geometry().topLeft()) : window->geometry();
}

// xcompmgr for the scope, once it owns the compositing selection.
class Compositor {
public:
    Compositor()
    {
        process_.start("xcompmgr", {});
        if (process_.waitForStarted(5000))
            QTest::qWaitFor([] { return overlay::compositing(); }, testwait::kPatience);
    }
    ~Compositor()
    {
        process_.terminate();
        process_.waitForFinished(3000);
    }
    bool running() const { return process_.state() == QProcess::Running && overlay::compositing(); }

private:
    QProcess process_;
};

void writeKdeglobals(const QString& folder, const char* windowBackground)
{
    QFile f(folder + QStringLiteral("/kdeglobals"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("[Colors:Window]\nBackgroundNormal=") + windowBackground + "\n");
}

// With a compositing manager and a dark desktop (KDE's colours here), the wrapped box and
// both lists are dark; they turn light with the desktop.
TEST(GhostDesktop, ADarkDesktopGetsADarkBoxAndDarkLists)
{
    QTemporaryDir config;
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    writeKdeglobals(config.path(), "35,38,41");
    const Compositor compositor;
    ASSERT_TRUE(compositor.running());
    {
        SystemPlatform platform;
        ASSERT_TRUE(platform.overlayScreens().prefersDark());
        GhostPanel ghost(platform.overlayScreens());
        GhostContent content;
        content.kind = GhostContent::Kind::completion(
            " and we will meet again next week to go over the remaining points of the plan together, with everyone");
        content.caretRect = QRectF(700, 700, 2, 18);
        content.fieldFrame = QRectF(300, 500, 600, 230);
        content.lineStartX = 306;
        content.allowWrap = true;
        content.fontSize = 15;
        ghost.show(content);
        AlternativesPanel alternatives(platform.overlayScreens());
        alternatives.show({" colleagues", " friends", " Sir"}, "Dear", "", "tab", QRectF(1000, 400, 2, 18));
        EmojiPickerPanel emoji(platform.overlayScreens());
        emoji.show({EmojiItem{QStringLiteral("🚀"), QStringLiteral("rocket")}}, ":rock", QRectF(1000, 800, 2, 18));
        ASSERT_TRUE(ghost.layout()->container);
        const QRect box = screen::toQt(*ghost.layout()->container).toAlignedRect().adjusted(3, 3, -3, -3);
        // Measured once all three are drawn.
        QTest::qWaitFor([&] {
            return darkShare(box) > 0.7 && darkShare(shownPanel(alternatives.window())) > 0.75
                && darkShare(shownPanel(emoji.window())) > 0.75;
        }, testwait::kPatience);
        const QString dir = qEnvironmentVariable("TQ_ARTIFACTS");
        if (!dir.isEmpty())
            QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/dark-desktop.png");
        EXPECT_GT(darkShare(box), 0.7);
        EXPECT_GT(darkShare(shownPanel(alternatives.window())), 0.75);
        EXPECT_GT(darkShare(shownPanel(emoji.window())), 0.75);

        writeKdeglobals(config.path(), "239,240,241");
        QTest::qWaitFor([&] {
            return !platform.overlayScreens().prefersDark() && darkShare(shownPanel(alternatives.window())) < 0.3
                && darkShare(shownPanel(emoji.window())) < 0.3 && darkShare(box) < 0.5;
        }, testwait::kPatience);
        if (!dir.isEmpty())
            QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/light-desktop.png");
        EXPECT_LT(darkShare(shownPanel(alternatives.window())), 0.3);
        EXPECT_LT(darkShare(shownPanel(emoji.window())), 0.3);
        EXPECT_LT(darkShare(box), 0.5);

        // A fix over a dark field: its label is drawn light.
        QWidget field;
        field.setWindowFlags(Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint | Qt::WindowDoesNotAcceptFocus);
        field.setAttribute(Qt::WA_ShowWithoutActivating);
        field.setStyleSheet(QStringLiteral("background: #101010;"));
        field.setGeometry(screen::toQt(QRectF(250, 300, 500, 150)).toAlignedRect());
        field.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
        GhostContent fix;
        fix.kind = GhostContent::Kind::fix("teh", "the");
        fix.caretRect = QRectF(300, 360, 2, 18);
        fix.fieldFrame = QRectF(260, 320, 480, 100);
        fix.fontSize = 15;
        ghost.show(fix);
        // The panel's window may still stand where the last lists were: what counts is the drawn fix.
        double share = 1;
        const bool light = QTest::qWaitFor([&] {
            share = darkShare(ghost.window()->geometry());
            return ghost.isDrawn() && ghost.window()->isVisible() && share < 0.97;
        }, testwait::kPatience);
        if (!dir.isEmpty())
            QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/fix-on-dark-field.png");
        EXPECT_TRUE(light) << "the label shows light on the dark field: dark share " << share;
    }
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

// With a compositing manager a list keeps its place, its corners are smooth (blended, not cut
// out pixel by pixel) and a soft shadow lies under it.
TEST(GhostDesktop, ListsHaveSmoothCornersAndAShadowWithACompositor)
{
    const Compositor compositor;
    ASSERT_TRUE(compositor.running());
    {
        SystemPlatform platform;
        AlternativesPanel alternatives(platform.overlayScreens());
        const QRectF caret(600, 600, 2, 18);
        alternatives.show({" colleagues", " friends", " Sir"}, "Dear", "", "tab", caret);
        const QRect panel = shownPanel(alternatives.window());
        // Measured once the list and its shadow are on screen.
        QTest::qWaitFor([&] {
            const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
            const double desk = QColor(shot.pixel(panel.center().x(), panel.top() - 60)).lightnessF();
            return QColor(shot.pixel(panel.center().x(), panel.center().y())).lightnessF() - desk > 0.3
                && QColor(shot.pixel(panel.center().x(), panel.bottom() + 4)).lightnessF() < desk - 0.03;
        }, testwait::kPatience);
        const QRectF expected = listpanel::frame(caret, 3, panel.width(),
                                                 listpanel::visibleFrameFor(platform.overlayScreens(), caret));
        EXPECT_EQ(panel, screen::toQt(expected).toAlignedRect());
        EXPECT_TRUE(alternatives.window()->mask().isEmpty());
        // Compositing managers are told the shadow is drawn, so that they add none around the margin.
        const QString extents = desktop::run("xprop", {"-id", QString::number(alternatives.window()->winId()), "_GTK_FRAME_EXTENTS"});
        EXPECT_TRUE(extents.contains(QStringLiteral("= 14, 14, 14, 14"))) << extents.toStdString();
        if (const QString dir = qEnvironmentVariable("TQ_ARTIFACTS"); !dir.isEmpty())
            QGuiApplication::primaryScreen()->grabWindow(0).save(dir + "/list-corners-xcompmgr.png");

        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        const double desk = QColor(shot.pixel(panel.center().x(), panel.top() - 60)).lightnessF();
        const double inside = QColor(shot.pixel(panel.center().x(), panel.center().y())).lightnessF();
        ASSERT_GT(inside - desk, 0.3) << "a light list over the desktop";
        // Blended corner pixels lie between the desktop and the panel; a cut-out shape has none.
        int blendedPixels = 0;
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                const double l = QColor(shot.pixel(panel.left() + x, panel.top() + y)).lightnessF();
                blendedPixels += l > desk + 0.12 && l < inside - 0.12;
            }
        EXPECT_GE(blendedPixels, 3);
        EXPECT_NEAR(QColor(shot.pixel(panel.left(), panel.top())).lightnessF(), desk, 0.1) << "the corner is round";
        const double below = QColor(shot.pixel(panel.center().x(), panel.bottom() + 4)).lightnessF();
        EXPECT_LT(below, desk - 0.03) << "a shadow under the list";
    }
}

} // namespace
} // namespace tq
