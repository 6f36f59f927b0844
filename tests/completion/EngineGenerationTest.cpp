#include "EngineFixture.h"

#include <QSignalSpy>

#include <limits>

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;
using EngineGeneration = EngineFixture;

const QString kTimedOut = QStringLiteral("The model took too long to answer");

TEST_F(EngineGeneration, ReplyBecomesTheShownSuggestion)
{
    setText(QStringLiteral("Hello "));
    ASSERT_EQ(provider.calls.size(), 1);
    EXPECT_EQ(status(), Status::thinking());
    advance(42);
    provider.reply(QStringLiteral("world, and more"));
    settle();
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->text, QStringLiteral("world, and more"));
    EXPECT_EQ(engine->suggestion()->anchorTail, QStringLiteral("Hello "));
    EXPECT_EQ(engine->suggestion()->consumed, 0);
    EXPECT_EQ(engine->lastOutput(), QStringLiteral("world, and more"));
    EXPECT_EQ(engine->lastSuggestion(), QStringLiteral("world, and more"));
    EXPECT_EQ(engine->lastLatency(), 42);
    EXPECT_EQ(stats.latencies(), QList<qint64>{42});
    EXPECT_EQ(stats.day(clock.now()).shown, 1);
    EXPECT_EQ(status(), Status::showing());
    EXPECT_EQ(ghostText(), QStringLiteral("world, and more"));
    EXPECT_EQ(announced, QStringList{QStringLiteral("Suggestion: world, and more")});
    EXPECT_EQ(prefs.keyHintsShown(), 1);
}

TEST_F(EngineGeneration, LastPromptFollowsThePromptStyle)
{
    setText(QStringLiteral("Hello there"));
    const CompletionRequest r = provider.last().request;
    EXPECT_EQ(engine->lastPrompt(), r.instructions + QStringLiteral("\n\n") + r.prompt);
    provider.promptStyle = PromptStyle::raw;
    setText(QStringLiteral("Hello there, you"));
    EXPECT_EQ(engine->lastPrompt(), provider.last().request.rawPrompt);
}

TEST_F(EngineGeneration, RequestCarriesSettingsRuleAndBattery)
{
    AppRule longer;
    longer.length = CompletionLength::long_;
    rules.setRule(longer, AppRules::appKey(QStringLiteral("org.example.Editor")));
    powerSource.battery = true;
    power.refresh();
    prefs.setBatteryModel(QStringLiteral("small-model"));
    prefs.setCustomInstructions(QStringLiteral("  I write short emails. \n"));
    setText(QStringLiteral("Hello there"));
    const CompletionRequest r = provider.last().request;
    EXPECT_EQ(r.maxTokens, 26); // long, one step shorter on battery
    EXPECT_EQ(r.model, QStringLiteral("small-model"));
    EXPECT_TRUE(r.healLast);
    EXPECT_TRUE(r.prompt.contains(QStringLiteral("I write short emails.")));
}

TEST_F(EngineGeneration, WritingExamplesAreCachedPerField)
{
    prefs.setMemoryEnabled(true);
    memory.record(QStringLiteral("Thanks for the quick reply, I will send the notes tomorrow."),
                  QStringLiteral("app:org.example.Editor"), clock.now());
    setText(QStringLiteral("Thanks for the notes"));
    EXPECT_TRUE(provider.last().request.prompt.contains(QStringLiteral("send the notes tomorrow")));
    memory.forget(std::nullopt);
    setText(QStringLiteral("Thanks for the notes, I"));
    EXPECT_TRUE(provider.last().request.prompt.contains(QStringLiteral("send the notes tomorrow")));
    advance(91'000);
    setText(QStringLiteral("Thanks for the notes, I will"));
    EXPECT_FALSE(provider.last().request.prompt.contains(QStringLiteral("send the notes tomorrow")));
}

// After 8 s the call is cancelled and the user reads the time-out, whatever the provider
// reports afterwards; the status never stays on "Thinking".
TEST_F(EngineGeneration, WatchdogShowsTheTimeOut)
{
    setText(QStringLiteral("Hello there"));
    advance(7999);
    EXPECT_EQ(status(), Status::thinking());
    EXPECT_FALSE(provider.last().cancelled);
    advance(1);
    EXPECT_TRUE(provider.last().cancelled);
    EXPECT_EQ(status(), Status::failed(kTimedOut));
    EXPECT_FALSE(engine->suggestion());
    // A late answer of the provider changes nothing.
    provider.reply(QStringLiteral("too late"));
    settle();
    EXPECT_EQ(status(), Status::failed(kTimedOut));
    EXPECT_TRUE(engine->lastOutput().isEmpty());
}

TEST_F(EngineGeneration, ProviderErrorIsShownAsGiven)
{
    setText(QStringLiteral("Hello there"));
    provider.fail(QStringLiteral("Ollama isn't running"));
    settle();
    EXPECT_EQ(status(), Status::failed(QStringLiteral("Ollama isn't running")));
    advance(10'000); // the watchdog was cancelled with the end of the call
    EXPECT_EQ(status(), Status::failed(QStringLiteral("Ollama isn't running")));
}

TEST_F(EngineGeneration, AServerEchoingTheTypedTextNeverReachesTheLog)
{
    LogCapture log;
    setText(QStringLiteral("Hello there my friend"));
    const QString echo = QStringLiteral(R"(The server answered 500: {"error": "echo: Hello there my friend"})");
    provider.fail(echo);
    settle();
    EXPECT_EQ(status(), Status::failed(echo)); // the status still shows what the server said
    EXPECT_TRUE(log.contains(QStringLiteral("held in")));
    for (const QString& line : LogCapture::lines())
        EXPECT_FALSE(line.contains(QStringLiteral("my friend")) || line.contains(QStringLiteral("500")))
            << line.toStdString();
}

TEST_F(EngineGeneration, ProviderCancellingOnItsOwnEndsTheThinking)
{
    setText(QStringLiteral("Hello there"));
    ASSERT_EQ(status(), Status::thinking());
    provider.last().promise.finish(Cancelled{});
    settle();
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineGeneration, StaleReplyIsDropped)
{
    setText(QStringLiteral("Hello there"));
    auto first = provider.calls.first();
    setField(snap(QStringLiteral("Another field"), {}, QStringLiteral("2:2")));
    EXPECT_TRUE(first->cancelled); // cancelling the wait cancelled the call under way
    ASSERT_EQ(provider.calls.size(), 2);
    provider.reply(QStringLiteral("answer for the second field"));
    settle();
    const QString output = engine->lastOutput();

    // An answer for the first request that still arrives (a provider that ignores
    // cancellation) touches nothing.
    Promise<QString> late;
    first->promise = late;
    late.finish(QStringLiteral("old answer"));
    settle();
    EXPECT_EQ(engine->lastOutput(), output);
    EXPECT_EQ(engine->suggestion()->fieldKey, QStringLiteral("2:2"));
}

TEST_F(EngineGeneration, ReplyForAFieldThatLostFocusIsNotShown)
{
    setText(QStringLiteral("Hello there"));
    auto call = provider.calls.first();
    field.current.reset();
    engine->refresh(true);
    call->promise.finish(QStringLiteral(" friend"));
    settle();
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineGeneration, TypingWhileTheModelWorkedSetsTheProgress)
{
    prefs.setDelayMilliseconds(300);
    setText(QStringLiteral("Hello "));
    advance(300);
    ASSERT_EQ(provider.calls.size(), 1);
    // The user typed "wo" but the field change has not been evaluated yet.
    field.current->before = QStringLiteral("Hello wo");
    engine->handleKey(KeyPress{keycode::kA, {}, QStringLiteral("o"), false});
    provider.reply(QStringLiteral("world, and more"));
    settle();
    advance(15);
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->consumed, 2);
    EXPECT_EQ(ghostText(), QStringLiteral("rld, and more"));
}

// While an evaluation is deferred (a caret that may lag), the stored text moves on without a
// new request: the reply starts where the typing has got to.
TEST_F(EngineGeneration, ReplyStartsWhereTheTypingGotTo)
{
    setText(QStringLiteral("Hello "));
    auto call = provider.calls.first();
    setText(QStringLiteral("Hello wor"), QStringLiteral("ld"));
    ASSERT_EQ(status(), Status::thinking()); // the caret hold waits for the caret to catch up
    call->promise.finish(QStringLiteral("world, and more"));
    settle();
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->consumed, 3);
}

TEST_F(EngineGeneration, ReplyAlreadyTypedShowsNothing)
{
    setText(QStringLiteral("Hello "));
    auto call = provider.calls.first();
    setText(QStringLiteral("Hello world"), QStringLiteral("!!"));
    ASSERT_EQ(status(), Status::thinking()); // the caret hold waits for the caret to catch up
    call->promise.finish(QStringLiteral("world"));
    settle();
    EXPECT_FALSE(engine->suggestion());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineGeneration, EmptyCleanedReplyIsIdleNotAFailure)
{
    setText(QStringLiteral("Hello there"));
    provider.reply(QStringLiteral("   "));
    settle();
    EXPECT_EQ(status(), Status::idle());
    EXPECT_FALSE(engine->suggestion());
}

TEST_F(EngineGeneration, KeyHintCountGrowsPerNewSuggestionOnly)
{
    prefs.setShowKeyHint(false);
    showSuggestion(QStringLiteral("Hello "), QStringLiteral("world and more"));
    EXPECT_EQ(prefs.keyHintsShown(), 0);
    prefs.setShowKeyHint(true);
    setText(QStringLiteral("Good "));
    provider.partial(QStringLiteral("morning to "));
    settle();
    provider.partial(QStringLiteral("morning to you "));
    settle();
    EXPECT_EQ(prefs.keyHintsShown(), 1);

    // Once the hint no longer shows, the count stays, unwritten, wherever it stood.
    for (int stood : {GhostPresenter::kKeyHintLimit, std::numeric_limits<int>::max()}) {
        prefs.setKeyHintsShown(stood);
        const int writes = defaults.writeCount();
        showSuggestion(QStringLiteral("Dear "), QStringLiteral("friend of mine"));
        EXPECT_EQ(prefs.keyHintsShown(), stood);
        EXPECT_EQ(defaults.writeCount(), writes) << stood;
    }
}

TEST_F(EngineGeneration, PracticeFieldSuggestionsAreNotCountedAsShown)
{
    FieldSnapshot s = snap(QStringLiteral("Hello "));
    s.isLocal = true;
    setField(s);
    provider.reply(QStringLiteral("world"));
    settle();
    EXPECT_TRUE(engine->suggestion());
    EXPECT_EQ(stats.day(clock.now()).shown, 0);
}

// A raw engine after a typed space, answering as the built-in one does: the prompt ends before
// the space and every text begins with one. Partial words, the final reply and the alternatives
// all show; a reply glued to the prompt's last word would not fit after the space.
TEST_F(EngineGeneration, ARawEngineAnswersAfterATypedSpace)
{
    provider.promptStyle = PromptStyle::raw;
    field.applyEdits = true;
    setText(QStringLiteral("We met at the "));
    ASSERT_EQ(provider.calls.size(), 1);
    EXPECT_TRUE(provider.last().request.spaceTyped);
    EXPECT_TRUE(provider.last().request.rawPrompt.endsWith(QStringLiteral("at the")));
    provider.partial(QStringLiteral(" corner of"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("corner"));
    provider.reply(QStringLiteral(" corner of the park"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("corner of the park"));
    EXPECT_TRUE(press(keycode::kTab));
    ASSERT_FALSE(field.inserts.isEmpty());
    EXPECT_EQ(field.current->before, QStringLiteral("We met at the corner "));

    provider.alternativesReply = {QStringLiteral(" station"), QStringLiteral(" old mill")};
    ASSERT_TRUE(press(keycode::kDown, ModifierSet::option));
    settle();
    EXPECT_EQ(engine->choices().model().items(),
              (QStringList{QStringLiteral("of the park"), QStringLiteral("station"), QStringLiteral("old mill")}));

    setText(QStringLiteral("See you at the "));
    provider.reply(QStringLiteral("park"));
    settle();
    EXPECT_FALSE(engine->suggestion());
}

// Streaming: complete words show as they arrive; the final reply settles what stays.
class EngineStreaming : public EngineFixture {
protected:
    void SetUp() override
    {
        setText(QStringLiteral("I think "));
        ASSERT_EQ(provider.calls.size(), 1);
    }
};

TEST_F(EngineStreaming, PartialShowsOnlyCompleteWords)
{
    provider.partial(QStringLiteral("we sho"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("we"));
    advance(10);
    provider.partial(QStringLiteral("weshould")); // no whitespace: nothing stable
    provider.partial(QStringLiteral("we should go"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("we should"));
    EXPECT_EQ(engine->lastLatency(), 0); // the time to the first shown words
    EXPECT_EQ(stats.day(clock.now()).shown, 1);
}

TEST_F(EngineStreaming, FinalReplyReplacesAGrowingOrShrinkingPrefix)
{
    provider.partial(QStringLiteral("we should go now "));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("we should go now"));
    provider.reply(QStringLiteral("we should go now and then"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("we should go now and then"));
    EXPECT_EQ(stats.latencies().size(), 1);
}

TEST_F(EngineStreaming, FinalShorterPrefixReplacesDivergentKeeps)
{
    provider.partial(QStringLiteral("we should go now "));
    settle();
    provider.reply(QStringLiteral("we should"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("we should"));

    setText(QStringLiteral("I think so "));
    provider.partial(QStringLiteral("we should go "));
    settle();
    provider.reply(QStringLiteral("they said no"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("we should go"));
}

TEST_F(EngineStreaming, EmptyFinalReplyClearsTheStreamedText)
{
    provider.partial(QStringLiteral("we should go "));
    settle();
    ASSERT_TRUE(engine->ghost().isShowing());
    provider.reply(QString());
    settle();
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_FALSE(engine->suggestion());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineStreaming, CJKTextIsStableOnceItHasTwoCharacters)
{
    provider.partial(QStringLiteral("我"));
    settle();
    EXPECT_FALSE(engine->ghost().isShowing());
    provider.partial(QStringLiteral("我们"));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("我们"));
}

TEST_F(EngineStreaming, CutMultiByteCharacterIsDropped)
{
    provider.partial(QStringLiteral("we should ") + QChar(0xFFFD));
    settle();
    EXPECT_EQ(ghostText(), QStringLiteral("we should"));
}

TEST_F(EngineStreaming, StalePartialIsIgnored)
{
    auto call = provider.calls.first();
    setText(QStringLiteral("I think so"));
    call->partial(QStringLiteral("we should go "));
    settle();
    EXPECT_FALSE(engine->suggestion());
}

} // namespace
} // namespace tq::testing

namespace tq::testing {
namespace {

// The anchor is the last 120 user-visible characters, whatever the script.
TEST_F(EngineGeneration, AnchorTailCountsUserVisibleCharacters)
{
    const QString accented = QString(150, u'a') + QStringLiteral("cafe\u0301 ");
    const QString emoji = QStringLiteral("\U0001F44D\U0001F3FD") + QString(119, u'b') + QStringLiteral(" ");
    const QString plain = QStringLiteral("\u00E9") + QString(130, u'c');
    for (const QString& before : {accented, emoji, plain}) {
        setText(before);
        provider.reply(QStringLiteral("and more"));
        settle();
        ASSERT_TRUE(engine->suggestion());
        EXPECT_EQ(engine->suggestion()->anchorTail, chars::last(before, 120).toString());
        EXPECT_EQ(chars::count(engine->suggestion()->anchorTail), 120);
    }
}

} // namespace
} // namespace tq::testing
