#include "EngineFixture.h"

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;
using EngineScheduling = EngineFixture;

TEST_F(EngineScheduling, NoPauseAsksAtOnce)
{
    for (double delay : {0.0, 0.5}) {
        prefs.setDelayMilliseconds(delay);
        provider.calls.clear();
        setText(delay == 0 ? QStringLiteral("Hello there") : QStringLiteral("Hello there!"));
        EXPECT_EQ(provider.calls.size(), 1) << delay;
        EXPECT_EQ(status(), Status::thinking());
    }
}

TEST_F(EngineScheduling, PauseIsTruncatedToWholeMilliseconds)
{
    prefs.setDelayMilliseconds(350.9);
    setText(QStringLiteral("Hello there"));
    EXPECT_EQ(status(), Status::waiting());
    advance(349);
    EXPECT_TRUE(provider.calls.isEmpty());
    advance(1);
    EXPECT_EQ(provider.calls.size(), 1);
}

TEST_F(EngineScheduling, UnusablePauseSettingWaitsNothing)
{
    prefs.setDelayMilliseconds(std::numeric_limits<double>::quiet_NaN());
    setText(QStringLiteral("Hello there"));
    EXPECT_EQ(provider.calls.size(), 1);
}

// A key every 100 ms for a second with a 300 ms pause: one request, 300 ms after the last key.
TEST_F(EngineScheduling, TypingWithoutPauseSendsOneRequestAfterTheLastKey)
{
    prefs.setDelayMilliseconds(300);
    QString text = QStringLiteral("Hello");
    setText(text);
    for (int i = 0; i < 10; ++i) {
        advance(100);
        text += QLatin1Char('a' + i);
        setText(text);
        EXPECT_EQ(status(), Status::waiting());
    }
    EXPECT_TRUE(provider.calls.isEmpty());
    advance(299);
    EXPECT_TRUE(provider.calls.isEmpty());
    advance(1);
    ASSERT_EQ(provider.calls.size(), 1);
    EXPECT_TRUE(provider.last().request.prompt.contains(text));
    advance(5000);
    EXPECT_EQ(provider.calls.size(), 1);
}

TEST_F(EngineScheduling, TriggerAsksAtOnceAndOnlyOnce)
{
    prefs.setDelayMilliseconds(300);
    setText(QStringLiteral("Hi"));
    ASSERT_EQ(status(), Status::blocked(QStringLiteral("Waiting for a few characters")));
    engine->triggerNow();
    EXPECT_EQ(provider.calls.size(), 1); // no pause
    EXPECT_FALSE(engine->forceNext());
    setText(QStringLiteral("Hi "));
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("Waiting for a few characters")));
}

TEST_F(EngineScheduling, TriggerStillHoldsOnASelection)
{
    FieldSnapshot s = snap(QStringLiteral("Hello there"));
    s.selectionLength = 5;
    setField(s);
    engine->triggerNow();
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("Text is selected")));
    EXPECT_TRUE(provider.calls.isEmpty());
}

TEST_F(EngineScheduling, TriggerSkipsTheHoldsAfterASelection)
{
    prefs.setOnDemandOnly(true);
    FieldSnapshot s = snap(QStringLiteral("ab\n"), QStringLiteral("word"));
    s.fieldFrame = QRectF(0, 0, 50, 10);
    setField(s);
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("The caret is inside existing text")));
    engine->triggerNow();
    EXPECT_EQ(provider.calls.size(), 1);
}

// A forced trigger lasts until a request is made: an evaluation that holds keeps it for the
// next one; only a field that went away drops it.
TEST_F(EngineScheduling, ForcedTriggerSurvivesUntilARequestIsMade)
{
    prefs.setDelayMilliseconds(300);
    FieldSnapshot s = snap(QStringLiteral("Hello there"));
    s.selectionLength = 2;
    setField(s);
    engine->triggerNow(); // held by the selection
    EXPECT_TRUE(engine->forceNext());

    s.selectionLength = 0;
    s.before = QStringLiteral("ab");
    setField(s); // few characters, yet forced: asked at once
    EXPECT_EQ(provider.calls.size(), 1);
    EXPECT_FALSE(engine->forceNext());

    engine->triggerNow();
    field.current.reset();
    engine->refresh(false); // no field at all
    EXPECT_FALSE(engine->forceNext());
}

// Nothing can answer (no model yet, no on-device model): the reason is the status and no
// request or wait is started; once an engine can answer, typing asks again.
TEST_F(EngineScheduling, NoRequestWhileNoEngineCanAnswer)
{
    silentReason = QStringLiteral("Download the model to start");
    setText(QStringLiteral("Hello there"));
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("Download the model to start")));
    engine->triggerNow();
    advance(5000);
    EXPECT_TRUE(provider.calls.isEmpty());

    silentReason.reset();
    setText(QStringLiteral("Hello there!"));
    EXPECT_EQ(provider.calls.size(), 1);
}

TEST_F(EngineScheduling, OnDemandHoldsWithTheShortcutAndSkipsWarming)
{
    prefs.setOnDemandOnly(true);
    setText(QStringLiteral("Hello there"));
    EXPECT_EQ(status(), Status::blocked(QStringLiteral("Press Ctrl+Alt+Space for a suggestion")));
    EXPECT_TRUE(provider.prefills.isEmpty());
    engine->triggerNow();
    EXPECT_EQ(provider.calls.size(), 1);
}

TEST_F(EngineScheduling, WarmsANewFieldThatWaitsButNotOneAlreadyAsking)
{
    setText(QStringLiteral("ab"));
    EXPECT_EQ(provider.prefills.size(), 1);
    setField(snap(QStringLiteral("Hello there"), {}, QStringLiteral("2:2")));
    EXPECT_EQ(status(), Status::thinking());
    EXPECT_EQ(provider.prefills.size(), 1);

    FieldSnapshot selected = snap(QStringLiteral("Hello there"), {}, QStringLiteral("3:3"));
    selected.selectionLength = 1;
    setField(selected);
    EXPECT_EQ(provider.prefills.size(), 1);
}

// Within a field: warmed again when the text before the caret changes by more than typing
// (a paste, the caret moved), never for typed or deleted keys nor while a request is on its way.
TEST_F(EngineScheduling, WarmsAgainWhenTheTextBeforeTheCaretChangesByMoreThanTyping)
{
    prefs.setDelayMilliseconds(300);
    setText(QStringLiteral("Dear team\n")); // held at the new line
    ASSERT_EQ(provider.prefills.size(), 1);
    setText(QStringLiteral("Dear team\n\n"));
    setText(QStringLiteral("Dear team\n"));
    EXPECT_EQ(provider.prefills.size(), 1);

    setText(QStringLiteral("Dear team\n\nThe list:\nmilk\n")); // pasted
    ASSERT_EQ(provider.prefills.size(), 2);
    EXPECT_TRUE(provider.prefills.last().rawPrompt.contains(QStringLiteral("milk")));
    setText(QStringLiteral("Dear team\n"), QStringLiteral("\nThe list:\nmilk\n")); // the caret went up
    ASSERT_EQ(provider.prefills.size(), 3);
    EXPECT_FALSE(provider.prefills.last().rawPrompt.contains(QStringLiteral("milk")));

    setText(QStringLiteral("Dear team, the plan works"), QString()); // asks after the pause instead
    EXPECT_EQ(status(), Status::waiting());
    EXPECT_EQ(provider.prefills.size(), 3);
}

TEST_F(EngineScheduling, RecheckReadsAtTheGivenDelaysAndStopsAtTheFirstChange)
{
    setText(QStringLiteral("Hello there"));
    const int reads = field.reads;
    engine->restartRefresh(0);
    EXPECT_EQ(field.reads, reads + 1);
    advance(24);
    EXPECT_EQ(field.reads, reads + 1);
    advance(1);
    EXPECT_EQ(field.reads, reads + 2);
    field.current->before += QStringLiteral(" my");
    advance(60);
    EXPECT_EQ(field.reads, reads + 3);
    advance(1000);
    EXPECT_EQ(field.reads, reads + 3);
}

TEST_F(EngineScheduling, NewRecheckCancelsTheRunningOne)
{
    setText(QStringLiteral("Hello there"));
    const int reads = field.reads;
    engine->restartRefresh(15);
    advance(10);
    engine->restartRefresh(15);
    advance(10);
    EXPECT_EQ(field.reads, reads);
    advance(5);
    EXPECT_EQ(field.reads, reads + 1);
    engine->cancelRefreshTask();
    advance(500);
    EXPECT_EQ(field.reads, reads + 1);
}

// A suggestion that arrives while a typed key is still being applied is drawn only once the
// re-checks found no change.
TEST_F(EngineScheduling, SuggestionDuringAKeyInFlightWaitsForTheRechecks)
{
    setText(QStringLiteral("Hello "));
    ASSERT_EQ(provider.calls.size(), 1);
    EXPECT_FALSE(typeKey(QString(), keycode::kLeft)); // no characters: not in flight
    EXPECT_FALSE(engine->keyInFlight());
    engine->handleKey(KeyPress{keycode::kA, {}, QStringLiteral("w"), false});
    EXPECT_TRUE(engine->keyInFlight());
    provider.reply(QStringLiteral("world, and more"));
    settle();
    ASSERT_TRUE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    advance(15 + 25 + 60);
    EXPECT_FALSE(engine->keyInFlight());
    EXPECT_TRUE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::showing());
}

// A busy application shows typed keys late: a suggestion made before them starts past them when
// they match it, and otherwise waits for the field rather than be accepted over them.
TEST_F(EngineScheduling, SuggestionMadeBeforeTheFieldShowedTheTypedKeys)
{
    setText(QStringLiteral("Hello"));
    EXPECT_FALSE(press(keycode::kSpace, {}, QStringLiteral(" "))); // not in the field yet
    provider.reply(QStringLiteral(" world is wide"));
    settle();
    advance(15 + 25 + 60);
    EXPECT_EQ(ghostText(), QStringLiteral("world is wide"));
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last().text, QStringLiteral("world "));

    setText(QStringLiteral("Hell"));
    EXPECT_FALSE(press(keycode::kA, {}, QStringLiteral("o")));
    provider.reply(QStringLiteral("y there"));
    settle();
    advance(15 + 25 + 60);
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_FALSE(press(keycode::kTab));
    // A key that never reaches the text (a read-only field) holds it back only a while.
    advance(1000);
    EXPECT_EQ(ghostText(), QStringLiteral("y there"));
}

TEST_F(EngineScheduling, KeyInFlightSuggestionFollowsTheChangedField)
{
    setText(QStringLiteral("Hello "));
    engine->handleKey(KeyPress{keycode::kA, {}, QStringLiteral("w"), false});
    provider.reply(QStringLiteral("world, and more"));
    settle();
    field.current->before += QStringLiteral("w");
    advance(15);
    EXPECT_FALSE(engine->keyInFlight());
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->consumed, 1);
    EXPECT_EQ(ghostText(), QStringLiteral("orld, and more"));
}

} // namespace
} // namespace tq::testing
