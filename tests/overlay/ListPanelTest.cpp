#include "overlay/AlternativesPanel.h"
#include "overlay/EmojiPickerPanel.h"
#include "overlay/ListPanel.h"
#include "platform/OverlayWindow.h"
#include "platform/fakes/FakeColourScheme.h"
#include "platform/fakes/FakeOverlayScreens.h"

#include <QImage>

#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

namespace tq {
namespace {

const QRectF kVisible(0, 40, 1600, 960);

TEST(ListPanel, HeightsAndPlacementAtTheCaret)
{
    EXPECT_EQ(listpanel::height(1), 42);
    EXPECT_EQ(listpanel::height(5), 162);

    // Under the caret: top edge 6 points below the caret's bottom.
    const QRectF below = listpanel::frame(QRectF(200, 500, 2, 18), 3, 380, kVisible);
    EXPECT_EQ(below, QRectF(186, 500 - 102 - 6, 380, 102));

    // 50 points above the visible bottom with four rows: above the caret, 6 points clear.
    const QRectF above = listpanel::frame(QRectF(200, 90, 2, 18), 4, 380, kVisible);
    EXPECT_EQ(above.y(), 90 + 18 + 6);

    // 4 points from either edge of the visible frame.
    EXPECT_EQ(listpanel::frame(QRectF(10, 500, 2, 18), 1, 380, kVisible).x(), 4);
    EXPECT_EQ(listpanel::frame(QRectF(1590, 500, 2, 18), 1, 272, kVisible).x(), 1600 - 272 - 4);
    // Narrower than the panel: the right edge wins.
    EXPECT_EQ(listpanel::frame(QRectF(10, 500, 2, 18), 1, 380, QRectF(0, 0, 300, 900)).x(), 300 - 380 - 4);
}

TEST(ListPanel, MoveWrapsAround)
{
    EXPECT_EQ(listpanel::moved(2, 1, 3), 0);
    EXPECT_EQ(listpanel::moved(0, -1, 3), 2);
    EXPECT_EQ(listpanel::moved(0, 1, 1), 0);
    EXPECT_EQ(listpanel::moved(0, -1, 1), 0);
    EXPECT_EQ(listpanel::moved(4, 1, 0), 4);
}

TEST(AlternativesModel, DisplayTextLeadsWordContinuationsWithThePrefix)
{
    AlternativesModel m;
    m.setWordPrefix("hel");
    EXPECT_EQ(m.displayText("lo"), "hello");
    EXPECT_EQ(m.displayText("lo there"), "hello there");
    EXPECT_EQ(m.displayText(" world"), "world");
    EXPECT_EQ(m.displayText("— and"), "— and");
    EXPECT_EQ(m.displayText(""), "");
    EXPECT_EQ(m.displayText("\tnext "), "next");
}

class ListPanels : public ::testing::Test {
protected:
    void SetUp() override { screens.list = {ScreenArea{QRectF(0, 0, 1600, 1000), kVisible}}; }
    FakeOverlayScreens screens;
};

TEST_F(ListPanels, AlternativesShowResetsTheHighlightAndHideEmptiesTheList)
{
    AlternativesPanel panel(screens);
    const QRectF caret(200, 500, 2, 18);
    panel.show({"lo", " world", " there "}, "hel", "hel", "tab", caret);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(overlay::frame(panel.window()), QRectF(186, 500 - 102 - 6, 380, 102));
    panel.move(-1);
    EXPECT_EQ(panel.selectedItem(), " there ");
    panel.move(1);
    EXPECT_EQ(panel.selectedItem(), "lo");
    panel.move(2);
    panel.show({"lo", " world", " there "}, "hel", "hel", "tab", caret);
    EXPECT_EQ(panel.model().selected(), 0);

    QSignalSpy spy(&panel.model(), &AlternativesModel::changed);
    panel.show({"lo", " world", " there "}, "hel", "hel", "tab", caret);
    EXPECT_EQ(spy.count(), 0);

    panel.hide();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_FALSE(panel.selectedItem());
    EXPECT_EQ(panel.model().anchorBefore(), "");
    EXPECT_EQ(panel.model().wordPrefix(), "hel");

    panel.show({}, "", "", "tab", caret);
    EXPECT_FALSE(panel.isVisible());
}

// The share of light pixels of a window as it draws itself.
double lightShare(QWidget* w)
{
    const QImage image = w->grab().toImage();
    qint64 light = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            light += QColor(image.pixel(x, y)).lightnessF() > 0.5;
    return double(light) / double(image.width() * image.height());
}

// Both lists are dark on a dark desktop, light on a light one, and follow a change while shown.
TEST_F(ListPanels, ListsAreDarkOrLightAsTheDesktopIs)
{
    FakeColourScheme scheme(true);
    screens.scheme = &scheme;
    AlternativesPanel alternatives(screens);
    EmojiPickerPanel emoji(screens);
    const QRectF caret(200, 500, 2, 18);
    alternatives.show({"lo", " world"}, "hel", "hel", "tab", caret);
    emoji.show({EmojiItem{QStringLiteral("😄"), QStringLiteral("smile")}}, ":smi", caret);
    for (QWidget* w : {alternatives.window(), emoji.window()}) {
        EXPECT_LT(lightShare(w), 0.2);
        scheme.set(false);
        EXPECT_GT(lightShare(w), 0.8);
        scheme.set(true);
    }
}

TEST_F(ListPanels, EmojiHighlightStaysOnlyForTheSameWordAndGlyphs)
{
    EmojiPickerPanel panel(screens);
    const QRectF caret(200, 500, 2, 18);
    const QList<EmojiItem> rockets{{"🚀", "rocket"}, {"🛸", "flying_saucer"}, {"✨", "sparkles"}};
    panel.show(rockets, ":roc", caret);
    EXPECT_EQ(overlay::frame(panel.window()).width(), 272);
    panel.move(2);
    EXPECT_EQ(panel.selectedItem()->name, "sparkles");

    // Same word, same glyphs (names may differ): the choice stays.
    QList<EmojiItem> renamed = rockets;
    renamed[0].name = "rocket_ship";
    panel.show(renamed, ":roc", caret);
    EXPECT_EQ(panel.model().selected(), 2);

    // Same word, glyphs in another order: back to the first row.
    panel.show({rockets[1], rockets[0], rockets[2]}, ":roc", caret);
    EXPECT_EQ(panel.model().selected(), 0);

    // Another letter typed: first row.
    panel.move(1);
    panel.show(rockets, ":rock", caret);
    EXPECT_EQ(panel.model().selected(), 0);

    panel.move(1);
    panel.hide();
    EXPECT_EQ(panel.model().replacing(), "");
    EXPECT_FALSE(panel.selectedItem());
    panel.show(rockets, ":rock", caret);
    EXPECT_EQ(panel.model().selected(), 0);
}

TEST_F(ListPanels, FiveEmojiAreOneHundredSixtyTwoHighAndOpenAboveNearTheBottom)
{
    EmojiPickerPanel panel(screens);
    const QList<EmojiItem> five{{"1️⃣", "one"}, {"2️⃣", "two"}, {"3️⃣", "three"}, {"4️⃣", "four"}, {"5️⃣", "five"}};
    panel.show(five, ":n", QRectF(300, 120, 2, 18));
    const QRectF f = overlay::frame(panel.window());
    EXPECT_EQ(f.height(), 162);
    EXPECT_EQ(f.y(), 120 + 18 + 6);
}

} // namespace
} // namespace tq

#include <QAccessible>

namespace tq {
namespace {

TEST_F(ListPanels, EachRowIsOneAccessibleElementWithTheSelectedTrait)
{
    EmojiPickerPanel panel(screens);
    panel.show({{"🚀", "rocket"}, {"✨", "sparkles"}}, ":r", QRectF(200, 500, 2, 18));
    panel.move(1);
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(panel.window());
    ASSERT_TRUE(list);
    EXPECT_EQ(list->role(), QAccessible::List);
    ASSERT_EQ(list->childCount(), 2);
    EXPECT_EQ(list->child(0)->text(QAccessible::Name), "🚀 :rocket:");
    EXPECT_FALSE(list->child(0)->state().selected);
    EXPECT_TRUE(list->child(1)->state().selected);
    EXPECT_TRUE(list->child(1)->text(QAccessible::Name).startsWith("✨ :sparkles:"));
    EXPECT_EQ(list->indexOfChild(list->child(1)), 1);
}

} // namespace
} // namespace tq
