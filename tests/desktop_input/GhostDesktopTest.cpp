#include "DesktopSupport.h"

#include "overlay/AlternativesPanel.h"
#include "overlay/GhostPanel.h"
#include "platform/OverlayWindow.h"

#include <QGuiApplication>
#include <QScreen>
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

    GhostPanel ghost;
    GhostContent content;
    content.kind = GhostContent::Kind::completion(" colleagues, thank you for the lovely afternoon");
    content.caretRect = QRectF(400, 600, 2, 18); // screen space, y up
    content.fieldFrame = QRectF(380, 590, 500, 40);
    content.fontSize = 15;
    content.hint = "tab";
    ghost.show(content);
    AlternativesPanel alternatives;
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
