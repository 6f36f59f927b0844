#include "DesktopSupport.h"

#include "field/ContextCollector.h"
#include "input/KeyTap.h"
#include "input/TextInjector.h"
#include "platform/KeyNames.h"
#include "platform/KeySynth.h"
#include "platform/Platform.h"
#include "platform/XInputKeyTap.h"
#include "platform/fakes/FakeDefaults.h"
#include "settings/Preferences.h"
#include "support/SilentClipboard.h"
#include "support/Wait.h"

#include <QTest>


#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace tq {
namespace {

class KeyTapDesktop : public ::testing::Test {
protected:
    // One tap for the whole suite, as in the program; stopped and joined when the suite ends.
    static void SetUpTestSuite()
    {
        platform_ = std::make_unique<SystemPlatform>();
        // The platform's tap: it knows the keys the platform's synth sends as ours.
        source_ = &static_cast<XInputKeyTap&>(platform_->keyTapSource());
        tap_ = std::make_unique<KeyTap>(*source_);
        tap_->setKeys({KeyCombo{keycode::kTab, {}}, KeyCombo{keycode::kRight, {}}});
        injector_ = std::make_unique<TextInjector>(platform_->keySynth(), platform_->clipboard(), platform_->clock());
    }
    static void TearDownTestSuite()
    {
        injector_.reset();
        tap_.reset();
        source_ = nullptr;
        platform_.reset();
    }
    static XInputKeyTap& source() { return *source_; }
    static KeyTap& tap() { return *tap_; }
    static Platform& platform() { return *platform_; }
    static inline std::unique_ptr<SystemPlatform> platform_;
    static inline XInputKeyTap* source_ = nullptr;
    static inline std::unique_ptr<KeyTap> tap_;
    static inline std::unique_ptr<TextInjector> injector_;

    void SetUp() override
    {
        seen.clear();
        tap().handler = [this](const TapEvent& e) {
            seen.append(e);
            if (insertOnTab && e.isKey() && e.key.keyCode == keycode::kTab) {
                injector_->type(insertOnTab);
            }
            if (onTab && e.isKey() && e.key.keyCode == keycode::kTab)
                onTab();
            if (e.isKey() && e.key.keyCode == keycode::kTab)
                std::this_thread::sleep_for(handlerStall); // a busy or stuck main thread
            return e.isKey() && e.key.keyCode == keycode::kTab && swallowTab;
        };
        ASSERT_TRUE(tap().start());
        EXPECT_TRUE(tap().start()); // again: harmless
        ASSERT_TRUE(QTest::qWaitFor([] { return tap().keysInForce(); }, testwait::kPatience));
        desktop::settle(200);
    }
    void TearDown() override
    {
        tap().handler = nullptr;
        source().setDecisionDelay(std::chrono::milliseconds(0));
    }

    int count(std::uint16_t code) const
    {
        return int(std::count_if(seen.begin(), seen.end(), [&](const TapEvent& e) { return e.isKey() && e.key.keyCode == code; }));
    }
    QString typedCharacters() const
    {
        QString s;
        for (const TapEvent& e : seen)
            if (e.isKey())
                s += e.key.characters;
        return s;
    }

    // Waits until the tap has reported `n` presses of `code` (its handler has returned).
    bool seenKeys(std::uint16_t code, int n)
    {
        return QTest::qWaitFor([&] { return count(code) >= n; }, testwait::kPatience);
    }

    QList<TapEvent> seen;
    bool swallowTab = true;
    std::chrono::milliseconds handlerStall{0};
    const char* insertOnTab = nullptr;
    std::function<void()> onTab;
};

TEST_F(KeyTapDesktop, SwallowedTabNeverReachesTheField)
{
    desktop::ZenityEntry field("TQ tab swallowed");
    ASSERT_TRUE(field.ready());
    swallowTab = true;
    desktop::run("xdotool", {"type", "a"});
    desktop::run("xdotool", {"key", "Tab"});
    desktop::run("xdotool", {"type", "b"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 1));
    EXPECT_EQ(count(keycode::kTab), 1);
    EXPECT_EQ(desktop::focusedWindow(), field.window());
    EXPECT_EQ(field.finish(), "ab");
}

TEST_F(KeyTapDesktop, TextInsertedWhileTheKeyIsHeldArrivesAfterIt)
{
    desktop::ZenityEntry field("TQ accept");
    ASSERT_TRUE(field.ready());
    swallowTab = true;
    insertOnTab = " next\tword"; // the tab inside is ours: it passes its own grab
    desktop::run("xdotool", {"type", "a"});
    desktop::run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 1));
    insertOnTab = nullptr;
    desktop::run("xdotool", {"key", "shift+Tab"}); // back from where our tab moved the focus
    ASSERT_TRUE(seenKeys(keycode::kTab, 2));
    EXPECT_EQ(count(keycode::kTab), 2); // the user's Tab and Shift+Tab, never ours
    EXPECT_EQ(field.finish(), "a next");
}

TEST_F(KeyTapDesktop, TabThatIsNotSwallowedReachesTheField)
{
    desktop::ZenityEntry field("TQ tab passed");
    ASSERT_TRUE(field.ready());
    swallowTab = false;
    desktop::run("xdotool", {"type", "a"});
    desktop::run("xdotool", {"key", "Tab"}); // focus leaves the entry
    desktop::run("xdotool", {"type", "b"});  // so this never lands in it
    desktop::run("xdotool", {"key", "shift+Tab"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 2));
    EXPECT_EQ(count(keycode::kTab), 2); // plain Tab held and passed; Shift+Tab only seen
    EXPECT_EQ(field.finish(), "a");
}

TEST_F(KeyTapDesktop, AHandlerThatStartedInTimeIsAwaited)
{
    // A loaded machine: the handler starts on Tab at once, inserts its text and answers 400 ms
    // later. The Tab is swallowed and the text arrives once; had the tap passed the Tab on,
    // the focus would have left the entry and taken the text with it.
    desktop::ZenityEntry field("TQ slow handler");
    ASSERT_TRUE(field.ready());
    swallowTab = true;
    insertOnTab = " next";
    handlerStall = std::chrono::milliseconds(400);
    desktop::run("xdotool", {"type", "a"});
    desktop::run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 1));
    handlerStall = std::chrono::milliseconds(0);
    insertOnTab = nullptr;
    desktop::run("xdotool", {"type", "b"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return typedCharacters().endsWith("b"); }, testwait::kPatience));
    EXPECT_EQ(count(keycode::kTab), 1);
    EXPECT_EQ(desktop::focusedWindow(), field.window());
    EXPECT_EQ(field.finish(), "a nextb");
}

TEST_F(KeyTapDesktop, AStuckHandlerPassesTheKeyOn)
{
    // Past the limit the keyboard is not kept any longer: Tab goes to the application.
    desktop::ZenityEntry field("TQ stuck handler");
    ASSERT_TRUE(field.ready());
    swallowTab = true;
    handlerStall = XInputKeyTap::kAnswerLimit + std::chrono::milliseconds(300);
    desktop::run("xdotool", {"type", "a"});
    desktop::run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 1));
    handlerStall = std::chrono::milliseconds(0);
    desktop::run("xdotool", {"type", "b"});
    desktop::run("xdotool", {"key", "shift+Tab"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 2));
    EXPECT_EQ(field.finish(), "a");
}

TEST_F(KeyTapDesktop, AKeyAnsweredLateIsPassedOnAndNeverActedOn)
{
    // The program stalls while a suggestion is on show: the tap reads Tab 300 ms after the
    // press. Tab goes to the field (moving the focus on) before the letters typed after it,
    // and the handler is never asked, so nothing is accepted behind those letters.
    desktop::ZenityEntry field("TQ late answer");
    ASSERT_TRUE(field.ready());
    swallowTab = true;
    insertOnTab = " next";
    source().setDecisionDelay(std::chrono::milliseconds(300));
    desktop::run("xdotool", {"type", "a"});
    desktop::run("xdotool", {"key", "Tab"});
    desktop::run("xdotool", {"type", "bc"});
    ASSERT_TRUE(QTest::qWaitFor([&] { return typedCharacters().endsWith("bc"); }, testwait::kPatience));
    desktop::settle(600); // past the late answer
    EXPECT_EQ(count(keycode::kTab), 0); // the handler was never asked
    EXPECT_TRUE(typedCharacters().endsWith("bc")) << typedCharacters().toStdString();
    source().setDecisionDelay(std::chrono::milliseconds(0));
    insertOnTab = nullptr;
    desktop::run("xdotool", {"key", "shift+Tab"});
    desktop::settle(200);
    EXPECT_EQ(field.finish(), "a");
}

TEST_F(KeyTapDesktop, AClipboardOwnerThatNeverAnswersHoldsNothingUp)
{
    // Clipboard context on and paste insertion: on Tab the copy is asked for and the
    // suggestion pasted, as the engine does. The owner never hands the clipboard over, so
    // nothing waits for it: the key tap's decision stays quick, Tab is taken once, the
    // suggestion is typed instead and the owner keeps its clipboard.
    FakeDefaults defaults;
    Preferences prefs(defaults);
    prefs.setContextClipboard(true);
    ContextCollector collector(prefs, platform());
    Clipboard& clipboard = platform().clipboard();
    const quint64 before = clipboard.changeCount();
    desktoptest::SilentClipboard owner;
    ASSERT_TRUE(owner.owns());
    ASSERT_TRUE(QTest::qWaitFor([&] { return clipboard.changeCount() != before; }, testwait::kPatience));

    desktop::ZenityEntry field("TQ silent clipboard");
    ASSERT_TRUE(field.ready());
    std::atomic<int> decisions{0};
    std::atomic<std::int64_t> longest{0}; // ms; the observer runs on the tap's thread
    source().setDecisionObserver([&](std::chrono::nanoseconds took, bool) {
        longest = std::max<std::int64_t>(longest, std::chrono::duration_cast<std::chrono::milliseconds>(took).count());
        ++decisions;
    });
    swallowTab = true;
    onTab = [&] {
        EXPECT_FALSE(collector.recentClipboard());
        injector_->paste(QStringLiteral(" world"));
    };
    desktop::run("xdotool", {"type", "Hello"});
    desktop::run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 1));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !injector_->restorePending(); }, testwait::kPatience));
    desktop::run("xdotool", {"key", "Tab"}); // the copy known not to come: typed at once
    ASSERT_TRUE(seenKeys(keycode::kTab, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !injector_->restorePending(); }, testwait::kPatience));
    onTab = nullptr;
    source().setDecisionObserver(nullptr);

    EXPECT_EQ(decisions, 2);
    EXPECT_LT(longest, 100) << "the longest decision took " << longest << " ms";
    EXPECT_EQ(count(keycode::kTab), 2);
    EXPECT_EQ(desktop::focusedWindow(), field.window());
    EXPECT_TRUE(owner.owns());
    EXPECT_EQ(field.finish(), "Hello world world");
}

TEST_F(KeyTapDesktop, OurOwnKeysPassWhileOtherXTestTypingIsSeen)
{
    desktop::ZenityEntry field("TQ own keys");
    ASSERT_TRUE(field.ready());
    TextInjector injector(platform().keySynth(), platform().clipboard(), platform().clock());
    injector.type("xyé");
    injector.deleteBackward(1);
    platform().keySynth().pressKey(keycode::kRight, 0); // a grabbed key of ours goes straight through
    desktop::settle(300);
    EXPECT_TRUE(seen.isEmpty()) << typedCharacters().toStdString();

    desktop::run("xdotool", {"type", "z"});
    desktop::run("xdotool", {"key", "Right"});
    ASSERT_TRUE(seenKeys(keycode::kRight, 1));
    EXPECT_EQ(typedCharacters(), "z");
    EXPECT_EQ(count(keycode::kRight), 1);
    EXPECT_EQ(field.finish(), "xyz");
}

TEST_F(KeyTapDesktop, CapsLockDoesNotChangeAMatch)
{
    desktop::ZenityEntry field("TQ caps lock");
    ASSERT_TRUE(field.ready());
    swallowTab = true;
    desktop::run("xdotool", {"key", "Caps_Lock"});
    desktop::run("xdotool", {"type", "a"});
    desktop::run("xdotool", {"key", "Tab"});
    desktop::run("xdotool", {"type", "b"});
    desktop::run("xdotool", {"key", "Caps_Lock"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 1));
    EXPECT_EQ(count(keycode::kTab), 1);
    EXPECT_EQ(field.finish(), "AB");
}

TEST_F(KeyTapDesktop, AKeyAnotherProgramHoldsIsReportedNotFatal)
{
    // Another client holds F8 before us.
    desktop::OtherGrab other(*x11KeyCodeFromMac(keycode::kF8));
    ASSERT_TRUE(other.held());

    tap().setKeys({KeyCombo{keycode::kTab, {}}, KeyCombo{keycode::kRight, {}}, KeyCombo{keycode::kF8, {}}});
    EXPECT_TRUE(QTest::qWaitFor([] { return !tap().refusedKeys().isEmpty(); }, testwait::kPatience));
    EXPECT_EQ(tap().refusedKeys(), (QList<KeyCombo>{KeyCombo{keycode::kF8, {}}}));
    EXPECT_TRUE(tap().isRunning());
    EXPECT_TRUE(QTest::qWaitFor([] { return tap().keysInForce(); }, testwait::kPatience)); // nothing waits for F8

    // The other keys still work.
    desktop::run("xdotool", {"key", "Tab"});
    ASSERT_TRUE(seenKeys(keycode::kTab, 1));
    EXPECT_EQ(count(keycode::kTab), 1);
    tap().setKeys({KeyCombo{keycode::kTab, {}}, KeyCombo{keycode::kRight, {}}});
}

TEST_F(KeyTapDesktop, PointerPressesAreSeen)
{
    desktop::run("xdotool", {"mousemove", "5", "5", "click", "1"});
    desktop::run("xdotool", {"click", "4"});
    QTest::qWaitFor([&] { return std::count(seen.begin(), seen.end(), TapEvent::pointer()) >= 2; }, testwait::kPatience);
    EXPECT_GE(std::count(seen.begin(), seen.end(), TapEvent::pointer()), 2);
}

} // namespace
} // namespace tq
