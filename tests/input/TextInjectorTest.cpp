#include "input/TextInjector.h"
#include "platform/fakes/FakeClipboard.h"
#include "platform/fakes/FakeKeySynth.h"
#include "settings/KeyCombo.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace std::chrono_literals;

TEST(TextInjectorChunks, TwentyUnitsWithoutSplittingSurrogatePairs)
{
    EXPECT_EQ(TextInjector::chunks(QString(45, 'x')), (QStringList{QString(20, 'x'), QString(20, 'x'), QString(5, 'x')}));
    // The 20th unit is the first half of an emoji: 19 first, the emoji whole next.
    const QString emojiAt20 = QString(19, 'a') + QStringLiteral("😀") + "bc";
    EXPECT_EQ(TextInjector::chunks(emojiAt20), (QStringList{QString(19, 'a'), QStringLiteral("😀bc")}));
    // A high surrogate as the very last unit is not held back.
    const QString lone = QString(19, 'a') + QChar(0xD83D);
    EXPECT_EQ(TextInjector::chunks(lone), (QStringList{lone}));
    EXPECT_TRUE(TextInjector::chunks("").isEmpty());
    EXPECT_TRUE(TextInjector::chunks("   ").isEmpty());
}

class TextInjectorTest : public ::testing::Test {
protected:
    FakeKeySynth keys;
    FakeClipboard clipboard;
    VirtualClock clock;
    TextInjector injector{keys, clipboard, clock};
    const ClipboardSnapshot userCopy{{{"text/plain", "user text"}, {"image/png", QByteArray("\x89PNG", 4)}}};
};

TEST_F(TextInjectorTest, LeadingSpacesAreSpacePressesThenTheWordInOneChunk)
{
    injector.type("  hello");
    EXPECT_EQ(keys.log, (QStringList{"key:49/0", "key:49/0", "hello"}));
    keys.log.clear();
    injector.type("");
    EXPECT_TRUE(keys.log.isEmpty());
}

TEST_F(TextInjectorTest, NothingIsSentWithoutAnEventSource)
{
    keys.canPost = false;
    injector.type("hello");
    injector.deleteBackward(3);
    EXPECT_TRUE(keys.log.isEmpty());
}

TEST_F(TextInjectorTest, DeleteCounts)
{
    injector.deleteBackward(0);
    injector.deleteBackward(-2);
    EXPECT_TRUE(keys.presses.isEmpty());
    injector.deleteBackward(3);
    EXPECT_EQ(keys.presses, (QList<FakeKeySynth::Press>(3, {keycode::kDelete, 0})));
}

TEST_F(TextInjectorTest, PasteRestoresTheClipboardAfterTheApplicationFetched)
{
    clipboard.copy(userCopy);
    injector.paste("suggested words");
    EXPECT_EQ(keys.presses, (QList<FakeKeySynth::Press>{{9, ModifierSet::control}}));
    EXPECT_EQ(clipboard.pasteText, "suggested words");
    EXPECT_TRUE(clipboard.contents.formats.contains({"x-kde-passwordManagerHint", "secret"}));

    clipboard.fetch();
    clock.advance(299ms);
    EXPECT_TRUE(clipboard.holdsPaste());
    clock.advance(1ms);
    EXPECT_EQ(clipboard.contents, userCopy);
    EXPECT_FALSE(injector.restorePending());
}

TEST_F(TextInjectorTest, RestoreWaitsForASlowFetchAndFallsBackWithoutOne)
{
    clipboard.copy(userCopy);
    injector.paste("slow");
    clock.advance(600ms);
    EXPECT_TRUE(clipboard.holdsPaste()); // the application has not fetched yet
    clipboard.fetch();
    clock.advance(TextInjector::kAfterFetch);
    EXPECT_EQ(clipboard.contents, userCopy);

    injector.paste("never fetched");
    clock.advance(TextInjector::kRestoreFallback - 1ms);
    EXPECT_TRUE(clipboard.holdsPaste());
    clock.advance(1ms);
    EXPECT_EQ(clipboard.contents, userCopy);
}

TEST_F(TextInjectorTest, TwoQuickPastesKeepTheUsersClipboard)
{
    clipboard.copy(userCopy);
    injector.paste("first");
    clipboard.fetch();
    clock.advance(100ms);
    injector.paste("second");
    clock.advance(250ms); // 350 ms after the first paste: the restore has moved
    EXPECT_TRUE(clipboard.holdsPaste());
    EXPECT_EQ(clipboard.pasteText, "second");
    clipboard.fetch();
    clock.advance(50ms);
    EXPECT_EQ(clipboard.contents, userCopy);
    EXPECT_EQ(clipboard.restores, 1);
}

TEST_F(TextInjectorTest, ANewCopyDuringThePasteIsLeftAlone)
{
    clipboard.copy(userCopy);
    injector.paste("ours");
    const ClipboardSnapshot newer{{{"text/plain", "copied meanwhile"}}};
    clipboard.copy(newer);
    clipboard.fetch();
    clock.advance(2s);
    EXPECT_EQ(clipboard.contents, newer);
    EXPECT_EQ(clipboard.restores, 0);
}

TEST_F(TextInjectorTest, AnEmptyClipboardStaysEmpty)
{
    injector.paste("x");
    clipboard.fetch();
    clock.advance(300ms);
    EXPECT_TRUE(clipboard.contents.isEmpty());
    EXPECT_EQ(clipboard.restores, 1);
}

// While the user's clipboard is read, what is asked for waits in order, pastes in a row as one;
// a clipboard that cannot be taken is left as it is and the text typed.
TEST_F(TextInjectorTest, WhatWaitsForTheClipboardGoesInOrder)
{
    for (const bool answered : {true, false}) {
        SCOPED_TRACE(answered ? "answered" : "never answered");
        keys.log.clear();
        clipboard.copy(userCopy);
        const int restores = clipboard.restores;
        clipboard.pasteText.clear();
        clipboard.holdSaves = true;
        injector.type("a ");
        injector.paste("next ");
        injector.paste("words");
        injector.deleteBackward(1);
        EXPECT_EQ(keys.log, QStringList{"a "});
        EXPECT_TRUE(injector.restorePending());
        EXPECT_EQ(clipboard.savesHeld(), 1);
        clipboard.answerSaves(answered);
        if (answered) {
            EXPECT_EQ(keys.log, (QStringList{"a ", "key:9/4", "key:51/0"}));
            EXPECT_EQ(clipboard.pasteText, "next words");
            clipboard.fetch();
            clock.advance(TextInjector::kRestoreDelay);
            EXPECT_EQ(clipboard.restores, restores + 1);
        } else {
            EXPECT_EQ(keys.log, (QStringList{"a ", "next words", "key:51/0"}));
            EXPECT_TRUE(clipboard.pasteText.isEmpty());
            EXPECT_EQ(clipboard.restores, restores);
        }
        EXPECT_EQ(clipboard.contents, userCopy);
        EXPECT_FALSE(injector.restorePending());
    }
}

} // namespace
} // namespace tq
