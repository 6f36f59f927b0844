#include "input/KeyTap.h"
#include "platform/fakes/FakeKeyTapSource.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(KeyTap, TranslatesKeysAndPointerAndAsksTheHandler)
{
    FakeKeyTapSource source;
    KeyTap tap(source);
    QList<TapEvent> seen;
    tap.handler = [&](const TapEvent& e) {
        seen.append(e);
        return e.isKey() && e.key.keyCode == keycode::kTab;
    };
    ASSERT_TRUE(tap.start());
    EXPECT_TRUE(source.press(TappedKey{keycode::kTab, 0, "\t", false}));
    EXPECT_FALSE(source.press(TappedKey{0, 1 | 8, "A", true}));
    EXPECT_FALSE(source.pointer());
    ASSERT_EQ(seen.size(), 3);
    EXPECT_EQ(seen[1].key, (KeyPress{0, ModifierSet{ModifierSet::command, ModifierSet::shift}, "A", true}));
    EXPECT_EQ(seen[2], TapEvent::pointer());

    // Characters are cut to 8 UTF-16 units.
    EXPECT_EQ(KeyTap::toTapEvent(TappedKey{1, 0, "abcdefghij", false}).key.characters, "abcdefgh");
}

TEST(KeyTap, NoHandlerPassesEverything)
{
    FakeKeyTapSource source;
    KeyTap tap(source);
    tap.start();
    EXPECT_FALSE(source.press(TappedKey{keycode::kTab, 0, "\t", false}));
}

TEST(KeyTap, StartTwiceKeepsOneTapAndRetriesAfterRefusal)
{
    FakeKeyTapSource source;
    source.permitted = false;
    KeyTap tap(source);
    EXPECT_FALSE(tap.start());
    EXPECT_FALSE(tap.isRunning());
    source.permitted = true;
    EXPECT_TRUE(tap.start());
    EXPECT_TRUE(tap.start());
    EXPECT_EQ(source.startCalls, 2);
}

TEST(KeyTap, GrabsShortcutsAlwaysAndNavigationOnlyWhileShown)
{
    FakeKeyTapSource source;
    KeyTap tap(source);
    const KeyCombo trigger{keycode::kSpace, {ModifierSet::control, ModifierSet::option}};
    const KeyCombo alternatives{keycode::kDown, ModifierSet::option};
    const KeyCombo acceptWord{keycode::kTab, {}};
    const KeyCombo acceptAll{keycode::kAboveTab, {}};
    tap.setShortcuts({trigger, alternatives, std::nullopt}, {acceptWord, acceptAll, acceptWord});
    tap.start();
    EXPECT_EQ(source.grabs, (QList<TapGrab>{{keycode::kSpace, 6}, {keycode::kDown, 2}}));

    tap.setShowing(true);
    const QList<KeyCombo> shown = tap.grabbedKeys();
    EXPECT_EQ(shown.size(), 10);
    for (const KeyCombo& k : {acceptWord, acceptAll, KeyCombo{keycode::kEscape, {}}, KeyCombo{keycode::kReturn, {}},
                              KeyCombo{keycode::kUp, {}}, KeyCombo{keycode::kLeft, {}}})
        EXPECT_TRUE(shown.contains(k)) << k.keyCode;
    EXPECT_EQ(source.grabs.size(), 10);

    tap.setShowing(false);
    EXPECT_EQ(source.grabs.size(), 2);

    source.refused = {TapGrab{keycode::kDown, 2}};
    EXPECT_EQ(tap.refusedKeys(), (QList<KeyCombo>{alternatives}));
}

} // namespace
} // namespace tq
