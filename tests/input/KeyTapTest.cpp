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
    tap.setKeys({KeyCombo{keycode::kTab, {}}});
    ASSERT_TRUE(tap.start());
    EXPECT_TRUE(source.press(TappedKey{keycode::kTab, 0, "\t", false}));
    EXPECT_FALSE(source.press(TappedKey{0, 1 | 8, "A", true}));
    EXPECT_FALSE(source.pointer());
    // A key the tap does not hold is only seen: it passes whatever the handler says.
    EXPECT_FALSE(source.press(TappedKey{keycode::kTab, 8, "\t", false}));
    ASSERT_EQ(seen.size(), 4);
    EXPECT_TRUE(seen[0].held);
    EXPECT_EQ(seen[1].key, (KeyPress{0, ModifierSet{ModifierSet::command, ModifierSet::shift}, "A", true}));
    EXPECT_FALSE(seen[1].held);
    EXPECT_EQ(seen[2], TapEvent::pointer());
    EXPECT_FALSE(seen[3].held);

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

TEST(KeyTap, HoldsExactlyTheKeysItIsGiven)
{
    FakeKeyTapSource source;
    KeyTap tap(source);
    const KeyCombo trigger{keycode::kSpace, {ModifierSet::control, ModifierSet::option}};
    const KeyCombo alternatives{keycode::kDown, ModifierSet::option};
    tap.setKeys({trigger, alternatives, trigger});
    EXPECT_TRUE(source.grabs.isEmpty()); // not running yet
    tap.start();
    EXPECT_EQ(source.grabs, (QList<TapGrab>{{keycode::kSpace, 6}, {keycode::kDown, 2}}));
    EXPECT_EQ(tap.grabbedKeys(), (QList<KeyCombo>{trigger, alternatives}));

    tap.setKeys({trigger, KeyCombo{keycode::kKeypadEnter, {}}});
    EXPECT_EQ(source.grabs, (QList<TapGrab>{{keycode::kSpace, 6}, {keycode::kKeypadEnter, 0}}));

    source.refused = {TapGrab{keycode::kSpace, 6}};
    EXPECT_EQ(tap.refusedKeys(), (QList<KeyCombo>{trigger}));
}

// The window system takes the keys a moment after they are set: until it has, a key shown as
// taken could still reach the application.
TEST(KeyTap, KeysAreInForceOnceTheWindowSystemHoldsThem)
{
    FakeKeyTapSource source;
    source.appliesAtOnce = false;
    KeyTap tap(source);
    int applied = 0;
    QObject::connect(&tap, &KeyTap::keysApplied, [&] { ++applied; });
    const KeyCombo tab{keycode::kTab, {}};
    tap.setKeys({tab});
    EXPECT_TRUE(tap.keysInForce()); // no tap runs: nothing to wait for
    ASSERT_TRUE(tap.start());
    EXPECT_FALSE(tap.keysInForce());
    source.applyGrabs();
    EXPECT_TRUE(tap.keysInForce());
    EXPECT_EQ(applied, 1);

    tap.setKeys({tab, KeyCombo{keycode::kEscape, {}}});
    EXPECT_FALSE(tap.keysInForce());
    tap.setKeys({tab, KeyCombo{keycode::kEscape, {}}}); // the same keys again ask for nothing
    source.applyGrabs();
    EXPECT_TRUE(tap.keysInForce());
    EXPECT_EQ(applied, 2);
}

// A shortcut another program holds is told as it happens, and its presses (that program's, not
// the field's) never reach the handler, so nothing on show is dismissed by them.
TEST(KeyTap, AShortcutAnotherProgramHoldsIsToldAndItsPressesPassBy)
{
    FakeKeyTapSource source;
    KeyTap tap(source);
    int told = 0;
    QObject::connect(&tap, &KeyTap::refusedKeysChanged, [&] { ++told; });
    QList<TapEvent> seen;
    tap.handler = [&](const TapEvent& e) {
        seen.append(e);
        return true;
    };
    const KeyCombo trigger{keycode::kSpace, {ModifierSet::control, ModifierSet::option}};
    tap.setKeys({trigger, KeyCombo{keycode::kTab, {}}});
    ASSERT_TRUE(tap.start());
    source.refuse({TapGrab{keycode::kSpace, 6}});
    EXPECT_EQ(told, 1);
    EXPECT_EQ(tap.refusedKeys(), QList<KeyCombo>{trigger});
    EXPECT_FALSE(source.press(TappedKey{keycode::kSpace, 6, " ", false}));
    EXPECT_TRUE(seen.isEmpty());
    EXPECT_TRUE(source.press(TappedKey{keycode::kTab, 0, "\t", false})); // the others as before
    EXPECT_EQ(seen.size(), 1);

    source.refuse({}); // let go by the other program
    EXPECT_EQ(told, 2);
    EXPECT_TRUE(source.press(TappedKey{keycode::kSpace, 6, " ", false}));
    EXPECT_EQ(seen.size(), 2);
}

} // namespace
} // namespace tq
