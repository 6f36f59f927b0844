#include "EngineFixture.h"

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;
// With a pause, an evaluation that passes every gate reads "Waiting for a pause".
class EngineRefresh : public EngineFixture {
protected:
    void SetUp() override { prefs.setDelayMilliseconds(300); }
};

Status held(const char* text) { return Status::blocked(QString::fromUtf8(text)); }

TEST_F(EngineRefresh, UnchangedFieldReturnsFalseAndKeepsTheRecheckRunning)
{
    EXPECT_TRUE(setText(QStringLiteral("Hello there")));
    engine->restartRefresh(15);
    const TaskHandle task = engine->refreshTask();
    EXPECT_FALSE(engine->refresh(true));
    EXPECT_FALSE(task->isCancelled());
    EXPECT_TRUE(engine->refresh(false)); // forced read evaluates again
}

TEST_F(EngineRefresh, NoFieldClearsAndLogsTheReasonOnce)
{
    LogCapture log;
    prefs.setDelayMilliseconds(0);
    showSuggestion(QStringLiteral("Hello "), QStringLiteral("world"));
    ASSERT_TRUE(engine->ghost().isShowing());
    field.current.reset();
    field.why = QStringLiteral("the focused element is not editable");
    EXPECT_TRUE(engine->refresh(true));
    EXPECT_TRUE(engine->refresh(true));
    EXPECT_FALSE(engine->snapshot());
    EXPECT_FALSE(engine->session());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::idle());
    EXPECT_EQ(log.count(QStringLiteral("no field in the focused element is not editable")), 1);
}

TEST_F(EngineRefresh, NewFieldOpensASessionAndWarmsTheHubOncePerMinute)
{
    setField(snap(QStringLiteral("Hello there"), {}, QStringLiteral("1:1")));
    ASSERT_TRUE(engine->session());
    EXPECT_EQ(engine->session()->fieldKey, QStringLiteral("1:1"));
    EXPECT_EQ(engine->session()->accepted, 0);
    EXPECT_EQ(warmUps, 1);

    advance(30'000);
    setField(snap(QStringLiteral("Other text"), {}, QStringLiteral("2:1")));
    EXPECT_EQ(engine->session()->fieldKey, QStringLiteral("2:1"));
    EXPECT_EQ(warmUps, 1);

    advance(31'000);
    setField(snap(QStringLiteral("Hello there"), {}, QStringLiteral("1:1")));
    EXPECT_EQ(warmUps, 2);
}

TEST_F(EngineRefresh, ContextIsPreparedOncePerFieldAndNeverForAHeldOne)
{
    setText(QStringLiteral("Hello there"));
    setText(QStringLiteral("Hello there, you"));
    EXPECT_EQ(prepared, QStringList{QStringLiteral("100:1")});

    FieldSnapshot secure = snap(QStringLiteral("hunter2"), {}, QStringLiteral("9:9"));
    secure.isSecure = true;
    setField(secure);
    EXPECT_EQ(prepared.size(), 1);
}

// Leaving a field writes its text to the writing memory once, and only where allowed.
class EngineMemoryRecord : public EngineFixture {
protected:
    const QString text = QStringLiteral("Thanks for the quick reply, I will send the notes tomorrow.");

    void leaveAfterAccepting(FieldSnapshot s)
    {
        const qsizetype calls = provider.calls.size();
        setField(s);
        if (provider.calls.size() > calls) { // accepts a word where a suggestion is asked for
            provider.reply(QStringLiteral("Best wishes to you"));
            settle();
            EXPECT_TRUE(press(keycode::kTab));
        }
        setField(snap(QStringLiteral("Somewhere else"), {}, QStringLiteral("other:1")));
    }
};

TEST_F(EngineMemoryRecord, RecordsOnceAfterAnAcceptance)
{
    prefs.setMemoryEnabled(true);
    leaveAfterAccepting(snap(text));
    ASSERT_EQ(memory.entries().size(), 1);
    EXPECT_EQ(memory.entries().first().appKey, QStringLiteral("app:org.example.Editor"));
    setField(snap(QStringLiteral("Yet another field"), {}, QStringLiteral("third:1")));
    EXPECT_EQ(memory.entries().size(), 1);
}

TEST_F(EngineMemoryRecord, NothingWithoutAcceptanceUnlessRecordingAll)
{
    prefs.setMemoryEnabled(true);
    setField(snap(text));
    setField(snap(QStringLiteral("Somewhere else"), {}, QStringLiteral("other:1")));
    EXPECT_TRUE(memory.entries().isEmpty());

    prefs.setMemoryRecordAll(true);
    setField(snap(text));
    setField(snap(QStringLiteral("Somewhere else"), {}, QStringLiteral("other:1")));
    EXPECT_EQ(memory.entries().size(), 1);
}

TEST_F(EngineMemoryRecord, NeverFromSecurePracticeOrForbiddenFields)
{
    prefs.setMemoryEnabled(true);
    prefs.setMemoryRecordAll(true);
    FieldSnapshot secure = snap(text, {}, QStringLiteral("s:1"));
    secure.isSecure = true;
    leaveAfterAccepting(secure);

    FieldSnapshot practice = snap(text, {}, QStringLiteral("playground:1"));
    practice.isLocal = true;
    leaveAfterAccepting(practice);

    AppRule noRecord;
    noRecord.recordWriting = false;
    rules.setRule(noRecord, AppRules::appKey(QStringLiteral("org.example.Editor")));
    leaveAfterAccepting(snap(text, {}, QStringLiteral("r:1")));
    EXPECT_TRUE(memory.entries().isEmpty());

    prefs.setMemoryEnabled(false);
    rules.setRule(AppRule{}, AppRules::appKey(QStringLiteral("org.example.Editor")));
    leaveAfterAccepting(snap(text, {}, QStringLiteral("m:1")));
    EXPECT_TRUE(memory.entries().isEmpty());
}

// The gates, in their order: each case also meets every later hold.
TEST_F(EngineRefresh, GatesHoldInOrder)
{
    FieldSnapshot s = snap(QStringLiteral("ab\n"), QStringLiteral("word"));
    s.selectionLength = 3;
    s.fieldFrame = QRectF(0, 0, 100, 10);
    s.isSecure = true;
    prefs.setIsEnabled(false);
    prefs.setOnDemandOnly(true);
    std::optional<QString> outside = QStringLiteral("Paused while Rival is open");
    engine->holdReason = [&] { return outside; };
    AppRule off;
    off.mode = RuleMode::off;
    rules.setRule(off, AppRules::appKey(s.bundleID));

    setField(s, false);
    EXPECT_EQ(status(), held("Tessaquill is turned off"));
    prefs.setIsEnabled(true);
    setField(s, false);
    EXPECT_EQ(status(), held("Secure input is on, so Tessaquill stays out"));
    s.isSecure = false;
    setField(s, false);
    EXPECT_EQ(status(), held("Paused while Rival is open"));
    outside.reset();
    setField(s, false);
    EXPECT_EQ(status(), held("Off in org.example.Editor"));
    EXPECT_TRUE(engine->decision());
    EXPECT_FALSE(engine->decision()->enabled);
    rules.setRule(AppRule{}, AppRules::appKey(s.bundleID));
    setField(s, false);
    EXPECT_EQ(status(), held("Text is selected"));
    s.selectionLength = 0;
    setField(s, false);
    EXPECT_EQ(status(), held("The caret is inside existing text"));
    s.after.clear();
    setField(s, false);
    EXPECT_EQ(status(), held("This field is too small"));
    s.fieldFrame.reset();
    setField(s, false);
    EXPECT_EQ(status(), held("Waiting for a few characters"));
    s.before = QStringLiteral("abc\n");
    setField(s, false);
    EXPECT_EQ(status(), held("Start of a new line"));
    s.before = QStringLiteral("abc.\n");
    setField(s, false);
    EXPECT_EQ(status(), held("Press Ctrl+Alt+Space for a suggestion"));
    prefs.setTriggerKey(std::nullopt);
    setField(s, false);
    EXPECT_EQ(status(), held("Set a Suggest Now shortcut in Keys to ask for suggestions"));
    prefs.setOnDemandOnly(false);
    setField(s, false);
    EXPECT_EQ(status(), Status::waiting());
}

TEST_F(EngineRefresh, PracticeFieldIgnoresRulesAndOutsideHolds)
{
    engine->holdReason = [] { return std::optional<QString>(QStringLiteral("Paused while Rival is open")); };
    FieldSnapshot s = snap(QStringLiteral("Hello there"));
    s.isLocal = true;
    setField(s);
    EXPECT_EQ(status(), Status::waiting());
    EXPECT_FALSE(engine->decision());
}

TEST_F(EngineRefresh, RuleReasonIsShownAsGiven)
{
    rules.pause(AppRules::appKey(QStringLiteral("org.example.Editor")), 900, clock.now());
    setText(QStringLiteral("Hello there"));
    ASSERT_TRUE(engine->decision());
    ASSERT_TRUE(engine->decision()->reason);
    EXPECT_EQ(status(), Status::blocked(*engine->decision()->reason));
}

TEST_F(EngineRefresh, SmallFieldAndCaretInsideTextSettings)
{
    FieldSnapshot s = snap(QStringLiteral("Hello there"));
    s.fieldFrame = QRectF(0, 0, 139, 40);
    setField(s);
    EXPECT_EQ(status(), held("This field is too small"));
    s.fieldFrame = QRectF(0, 0, 300, 14);
    setField(s);
    EXPECT_EQ(status(), held("This field is too small"));
    prefs.setIgnoreSmallFields(true);
    setField(s, false);
    EXPECT_EQ(status(), Status::waiting());

    s.after = QStringLiteral("   \nmore below");
    setField(s);
    EXPECT_EQ(status(), Status::waiting());
    s.after = QStringLiteral(" word");
    setField(s);
    EXPECT_EQ(status(), held("The caret is inside existing text"));
    prefs.setCompleteInsideText(true);
    setField(s, false);
    EXPECT_EQ(status(), Status::waiting());
}

TEST_F(EngineRefresh, FewCharactersAndNewLines)
{
    setText(QStringLiteral(" ab\n"));
    EXPECT_EQ(status(), held("Waiting for a few characters"));
    setText(QStringLiteral("abc"));
    EXPECT_EQ(status(), Status::waiting());
    setText(QStringLiteral("Done.\n"));
    EXPECT_EQ(status(), Status::waiting());
    setText(QStringLiteral("Dear Sam\n"));
    EXPECT_EQ(status(), held("Start of a new line"));
}

TEST_F(EngineRefresh, OnDemandOnBatteryOnly)
{
    prefs.setBatteryOnDemand(true);
    powerSource.battery = true;
    power.refresh();
    setText(QStringLiteral("Hello there"));
    EXPECT_EQ(status(), held("Press Ctrl+Alt+Space for a suggestion"));
    powerSource.battery = false;
    power.refresh();
    setField(*field.current, false);
    EXPECT_EQ(status(), Status::waiting());
}

// An application whose caret lags behind its text at the end of a line.
TEST_F(EngineRefresh, LaggingCaretHoldIsDeferredAndShownOnlyWhenItStays)
{
    prefs.setDelayMilliseconds(300);
    setText(QStringLiteral("Hello ther"));
    ASSERT_EQ(status(), Status::waiting());

    // The text grew but the caret still sits before the last character.
    setText(QStringLiteral("Hello the"), QStringLiteral("re"));
    EXPECT_EQ(status(), Status::waiting());
    // Typing on within 0.12 s: the caret caught up, the hold never shows.
    advance(50);
    setText(QStringLiteral("Hello there,"));
    advance(200);
    EXPECT_NE(status(), held("The caret is inside existing text"));

    // A caret that really sits inside the text: the hold shows 0.12 s later.
    setText(QStringLiteral("Hello there, y"), QStringLiteral("ou"));
    EXPECT_NE(status(), held("The caret is inside existing text"));
    advance(119);
    EXPECT_NE(status(), held("The caret is inside existing text"));
    advance(1);
    EXPECT_EQ(status(), held("The caret is inside existing text"));
}

TEST_F(EngineRefresh, CaretInsideTextWithoutGrowthHoldsAtOnce)
{
    setText(QStringLiteral("Hello there"));
    setText(QStringLiteral("Hello the"), QStringLiteral("re")); // moved left: no growth
    EXPECT_EQ(status(), held("The caret is inside existing text"));
    setText(QStringLiteral("Hello"), QStringLiteral(" there friend")); // more than two left
    EXPECT_EQ(status(), held("The caret is inside existing text"));
}

} // namespace
} // namespace tq::testing
