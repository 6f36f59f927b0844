#include "EngineFixture.h"

#include "platform/Chars.h"

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;
using Insert = FakeFieldSource::Insert;
using EngineKeys = EngineFixture;

const QString kBefore = QStringLiteral("Hello ");
const QString kReply = QStringLiteral("world, and more");

TEST_F(EngineKeys, TabInsertsTheNextWordWithPunctuationAndSpace)
{
    showSuggestion(kBefore, kReply);
    ASSERT_EQ(ghostText(), kReply);

    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts, (QList<Insert>{{QStringLiteral("world, "), InsertionMethod::typing}}));
    EXPECT_EQ(ghostText(), QStringLiteral("and more"));
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->consumed, 7);
    ASSERT_TRUE(engine->lastInjection());
    EXPECT_EQ(engine->lastInjection()->text, QStringLiteral("world, "));
    EXPECT_EQ(engine->lastInjection()->fieldKey, QStringLiteral("100:1"));
    EXPECT_TRUE(engine->refreshTask());

    // Recorded once for the application, and counted for the field's session.
    EXPECT_EQ(stats.day(clock.now()).accepts, 1);
    EXPECT_EQ(stats.day(clock.now()).characters, 7);
    EXPECT_EQ(rules.names().value(QStringLiteral("app:org.example.Editor")), QStringLiteral("Editor"));
    ASSERT_TRUE(engine->session());
    EXPECT_EQ(engine->session()->accepted, 1);
}

TEST_F(EngineKeys, TrailingSettingsShapeTheNextWord)
{
    prefs.setTrailingPunctuation(false);
    showSuggestion(kBefore, kReply);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last().text, QStringLiteral("world"));
    EXPECT_EQ(ghostText(), QStringLiteral(", and more"));

    engine->dismiss(Status::idle());
    prefs.setTrailingPunctuation(true);
    prefs.setTrailingSpace(false);
    showSuggestion(QStringLiteral("Hello again "), kReply);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last().text, QStringLiteral("world,"));
    EXPECT_EQ(ghostText(), QStringLiteral(" and more"));
}

TEST_F(EngineKeys, AcceptingTheLastWordUsesTheSuggestionUp)
{
    showSuggestion(kBefore, QStringLiteral("world"));
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last().text, QStringLiteral("world"));
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineKeys, KeyAboveTabInsertsTheRestExactly)
{
    showSuggestion(kBefore, kReply);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_EQ(field.inserts.last(), (Insert{QStringLiteral("and more"), InsertionMethod::typing}));
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::idle());
    EXPECT_EQ(engine->lastInjection()->text, QStringLiteral("and more"));
    EXPECT_EQ(stats.day(clock.now()).accepts, 2);
}

TEST_F(EngineKeys, InsertionMethodFollowsTheRule)
{
    prefs.setInsertion(InsertionMethod::paste);
    AppRule rule;
    rule.insertion = InsertionMethod::accessibility;
    rules.setRule(rule, AppRules::appKey(QStringLiteral("org.example.Editor")));
    showSuggestion(kBefore, kReply);
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_EQ(field.inserts.last().mode, InsertionMethod::accessibility);

    rules.setRule(AppRule{}, AppRules::appKey(QStringLiteral("org.example.Editor")));
    showSuggestion(QStringLiteral("Hello there "), kReply);
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_EQ(field.inserts.last().mode, InsertionMethod::paste);
}

TEST_F(EngineKeys, TabVetoPassesPlainTabOnly)
{
    AppRule rule;
    rule.tabAccepts = false;
    rules.setRule(rule, AppRules::appKey(QStringLiteral("org.example.Editor")));
    showSuggestion(kBefore, kReply);
    ASSERT_TRUE(engine->ghost().isShowing());

    EXPECT_FALSE(press(keycode::kTab, {}, QStringLiteral("\t")));
    EXPECT_TRUE(field.inserts.isEmpty());
    EXPECT_FALSE(engine->ghost().isShowing());

    // The key above Tab is not vetoed, and neither is a Tab shortcut with a modifier.
    engine->dismiss(Status::idle());
    showSuggestion(QStringLiteral("Hello again "), kReply);
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_EQ(field.inserts.size(), 1);

    prefs.setAcceptWordKey(KeyCombo{keycode::kTab, ModifierSet::option});
    showSuggestion(QStringLiteral("Hello once more "), kReply);
    EXPECT_TRUE(press(keycode::kTab, ModifierSet::option));
    EXPECT_EQ(field.inserts.last().text, QStringLiteral("world, "));
}

TEST_F(EngineKeys, TypedCharactersFollowOrHideTheGhost)
{
    showSuggestion(kBefore, kReply);
    const int requests = provider.calls.size();

    EXPECT_FALSE(typeKey(QStringLiteral("w")));
    EXPECT_EQ(ghostText(), QStringLiteral("orld, and more"));
    EXPECT_TRUE(engine->keyInFlight());
    // The field reports the key: still the same suggestion, no new request.
    advance(15);
    EXPECT_EQ(ghostText(), QStringLiteral("orld, and more"));
    EXPECT_EQ(engine->suggestion()->consumed, 1);
    EXPECT_EQ(provider.calls.size(), requests);

    EXPECT_FALSE(typeKey(QStringLiteral("x")));
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(engine->suggestion()->consumed, 1);
}

TEST_F(EngineKeys, ShortcutsWithModifiersHideTheGhostAndPass)
{
    showSuggestion(kBefore, kReply);
    EXPECT_FALSE(press(keycode::kA, ModifierSet::command, QStringLiteral("a")));
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_FALSE(engine->keyInFlight());
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->consumed, 0);
}

// The application has not reported the typed "w" yet when Tab comes: the accepted piece
// must not contain the "w" a second time.
TEST_F(EngineKeys, AcceptBeforeTheFieldReportsATypedKeyInsertsNothingTwice)
{
    showSuggestion(kBefore, kReply);
    EXPECT_FALSE(press(keycode::kA, {}, QStringLiteral("w"))); // the field still reads "Hello "
    EXPECT_EQ(engine->suggestion()->consumed, 1);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last().text, QStringLiteral("orld, "));
    EXPECT_EQ(ghostText(), QStringLiteral("and more"));

    engine->dismiss(Status::idle());
    showSuggestion(QStringLiteral("Hello again "), kReply);
    EXPECT_FALSE(press(keycode::kA, {}, QStringLiteral("w")));
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_EQ(field.inserts.last().text, QStringLiteral("orld, and more"));
}

TEST_F(EngineKeys, EscapeDismissesUntilTheTextChanges)
{
    showSuggestion(kBefore, kReply);
    EXPECT_TRUE(press(keycode::kEscape));
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_FALSE(engine->suggestion());
    EXPECT_EQ(status(), Status::idle());
    ASSERT_TRUE(engine->suppressed());
    EXPECT_EQ(engine->suppressed()->before, kBefore);

    const int requests = provider.calls.size();
    setField(*field.current, false);
    EXPECT_EQ(provider.calls.size(), requests);
    setText(kBefore + QStringLiteral("w"));
    EXPECT_EQ(provider.calls.size(), requests + 1);
}

TEST_F(EngineKeys, EscapeDismissesForTheField)
{
    prefs.setEscapeBehavior(EscapeBehavior::dismissForField);
    showSuggestion(kBefore, kReply);
    EXPECT_TRUE(press(keycode::kEscape));
    ASSERT_TRUE(engine->suppressed());
    EXPECT_FALSE(engine->suppressed()->before);

    const int requests = provider.calls.size();
    setText(kBefore + QStringLiteral("wor"));
    EXPECT_EQ(provider.calls.size(), requests);
    EXPECT_EQ(status(), Status::idle());
    setField(snap(QStringLiteral("Another field"), {}, QStringLiteral("100:2")));
    EXPECT_EQ(provider.calls.size(), requests + 1);
}

TEST_F(EngineKeys, EscapePassesThroughOrWhenNothingIsShown)
{
    setText(QStringLiteral("Hello there"));
    provider.reply(QString()); // nothing to show
    settle();
    EXPECT_FALSE(press(keycode::kEscape));
    EXPECT_FALSE(engine->suppressed());

    prefs.setEscapeBehavior(EscapeBehavior::passThrough);
    showSuggestion(kBefore, kReply);
    EXPECT_FALSE(press(keycode::kEscape));
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->suppressed());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineKeys, AcceptWithoutSourceOnlyLogs)
{
    showSuggestion(kBefore, kReply);
    LogCapture log;
    engine->setSource(nullptr);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_TRUE(log.contains(QStringLiteral("accept next skipped: suggestion true, source false, snapshot true")));
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_TRUE(log.contains(QStringLiteral("accept all skipped")));
    EXPECT_TRUE(field.inserts.isEmpty());
    EXPECT_EQ(ghostText(), kReply);
}

TEST_F(EngineKeys, TriggerAsksAtOnceAndLiftsHolds)
{
    prefs.setOnDemandOnly(true);
    setText(QStringLiteral("Hello there"));
    EXPECT_TRUE(provider.calls.isEmpty());
    EXPECT_TRUE(status().is(Status::Kind::blocked));

    EXPECT_TRUE(press(keycode::kSpace, {ModifierSet::control, ModifierSet::option}, QStringLiteral(" ")));
    EXPECT_EQ(provider.calls.size(), 1);
    EXPECT_FALSE(engine->forceNext());
    EXPECT_EQ(status(), Status::thinking());
}

TEST_F(EngineKeys, TriggerClearsTheEscapeHold)
{
    showSuggestion(kBefore, kReply);
    press(keycode::kEscape);
    const int requests = provider.calls.size();
    engine->triggerNow();
    EXPECT_FALSE(engine->suppressed());
    EXPECT_EQ(provider.calls.size(), requests + 1);
}

TEST_F(EngineKeys, ToggleAppPausesForFifteenMinutesAndResumes)
{
    prefs.setToggleAppKey(KeyCombo{keycode::kF5, {}});
    setText(QStringLiteral("Hello there"));
    const QString key = AppRules::appKey(QStringLiteral("org.example.Editor"));

    EXPECT_TRUE(press(keycode::kF5));
    const auto until = rules.pausedUntil(key, clock.now());
    ASSERT_TRUE(until);
    EXPECT_EQ(clock.now().secsTo(*until), 900);
    EXPECT_EQ(rules.names().value(key), QStringLiteral("Editor"));
    EXPECT_TRUE(status().is(Status::Kind::blocked));

    EXPECT_TRUE(press(keycode::kF5));
    EXPECT_FALSE(rules.pausedUntil(key, clock.now()));
    EXPECT_FALSE(status().is(Status::Kind::blocked));

    FieldSnapshot practice = snap(QStringLiteral("Practice text"), {}, QStringLiteral("local"));
    practice.isLocal = true;
    setField(practice);
    EXPECT_TRUE(press(keycode::kF5));
    EXPECT_TRUE(rules.pauses().isEmpty());
}

TEST_F(EngineKeys, ToggleGlobalSwitchesTheProgramAndStoresIt)
{
    prefs.setToggleGlobalKey(KeyCombo{keycode::kF6, ModifierSet::control});
    setText(QStringLiteral("Hello there"));
    EXPECT_TRUE(press(keycode::kF6, ModifierSet::control));
    EXPECT_FALSE(prefs.isEnabled());
    EXPECT_EQ(Preferences(defaults).isEnabled(), false); // a new run reads it back
    EXPECT_EQ(status(), Status::blocked(tq::text("%app is turned off")));

    EXPECT_TRUE(press(keycode::kF6, ModifierSet::control));
    EXPECT_TRUE(prefs.isEnabled());
    EXPECT_FALSE(status().is(Status::Kind::blocked));
}

TEST_F(EngineKeys, PlainKeysScheduleTheFollowUpRead)
{
    setText(QStringLiteral("Hello there"));
    const int reads = field.reads;
    EXPECT_FALSE(press(keycode::kLeft));
    EXPECT_FALSE(engine->keyInFlight());
    advance(15);
    EXPECT_GT(field.reads, reads);
}

TEST_F(EngineKeys, PointerDismissesWhatIsShown)
{
    setText(QStringLiteral("Hello there"));
    const Status before = status();
    engine->pointerDown();
    EXPECT_EQ(status(), before);

    showSuggestion(kBefore, kReply);
    engine->pointerDown();
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineKeys, PracticeFieldAcceptanceIsNotRecorded)
{
    FieldSnapshot practice = snap(kBefore, {}, QStringLiteral("local"));
    practice.isLocal = true;
    field.current = practice;
    engine->refresh(false);
    provider.reply(kReply);
    settle();
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_EQ(field.inserts.size(), 1);
    EXPECT_EQ(stats.day(clock.now()).accepts, 0);
    EXPECT_TRUE(rules.names().isEmpty());
}

// One engine per case: a state on show, the settings, and one key pressed.
struct KeyRig : EngineFixture {
    void TestBody() override {}
    using EngineFixture::engine;
    using EngineFixture::field;
    using EngineFixture::prefs;
    using EngineFixture::press;
    using EngineFixture::provider;
    using EngineFixture::setText;
    using EngineFixture::settle;
    using EngineFixture::showSuggestion;
};

TEST(EngineActingKeys, TheKeysHeldAreTheKeysSwallowedAndAKeyOnlySeenIsNeverActedOn)
{
    using Setup = std::function<void(KeyRig&)>;
    const std::pair<const char*, Setup> states[] = {
        {"nothing", [](KeyRig& r) { r.setText(QStringLiteral("Hello there")); }},
        {"suggestion", [](KeyRig& r) { r.showSuggestion(kBefore, kReply); }},
        {"fix", [](KeyRig& r) { r.setText(QStringLiteral("I saw teh ")); }},
        {"picker", [](KeyRig& r) { r.setText(QStringLiteral("I am happy :smi")); }},
        {"emoticon picker", [](KeyRig& r) { r.setText(QStringLiteral("Great :)")); }},
        {"alternatives", [](KeyRig& r) {
             r.showSuggestion(kBefore, kReply);
             r.provider.alternativesReply = {QStringLiteral("there")};
             r.press(keycode::kDown, ModifierSet::option);
             r.settle();
         }},
    };
    const std::pair<const char*, Setup> settings[] = {
        {"defaults", [](KeyRig&) {}},
        {"accept word on Right", [](KeyRig& r) { r.prefs.setAcceptWordKey(KeyCombo{keycode::kRight, {}}); }},
        {"Escape passes", [](KeyRig& r) { r.prefs.setEscapeBehavior(EscapeBehavior::passThrough); }},
    };
    const KeyPress keys[] = {
        {keycode::kTab, {}, QStringLiteral("\t"), false},        {keycode::kTab, ModifierSet::shift, {}, false},
        {keycode::kAboveTab, {}, QStringLiteral("`"), false},   {keycode::kReturn, {}, QStringLiteral("\r"), false},
        {keycode::kKeypadEnter, {}, QStringLiteral("\r"), false}, {keycode::kEscape, {}, {}, false},
        {keycode::kUp, {}, {}, false},                          {keycode::kDown, {}, {}, false},
        {keycode::kRight, {}, {}, false},                       {keycode::kDown, ModifierSet::option, {}, false},
        {keycode::kA, {}, QStringLiteral("w"), false},          {keycode::kSpace, {}, QStringLiteral(" "), false},
    };
    for (const auto& [setting, configure] : settings) {
        for (const auto& [state, show] : states) {
            for (const KeyPress& key : keys) {
                const std::string what = std::string(setting) + ", " + state + ", key " + std::to_string(key.keyCode)
                    + " mods " + std::to_string(key.modifiers.rawValue);
                KeyRig held;
                configure(held);
                show(held);
                const bool inTable = held.engine->actingKeys().contains(KeyCombo{key.keyCode, key.modifiers});
                EXPECT_EQ(held.engine->handleKey(key, true), inTable) << what;

                KeyRig seen;
                configure(seen);
                show(seen);
                const QStringList edits = seen.field.edits;
                EXPECT_FALSE(seen.engine->handleKey(key, false)) << what;
                seen.settle();
                EXPECT_EQ(seen.field.edits, edits) << what;
            }
        }
    }
}

TEST_F(EngineKeys, KeypadEnterAndTheCustomAcceptKeyAreHeldWhereTheyAct)
{
    const KeyCombo enter{keycode::kKeypadEnter, {}};
    const KeyCombo tab{keycode::kTab, {}};
    prefs.setAcceptWordKey(KeyCombo{keycode::kRight, {}});
    setText(QStringLiteral("I am happy :smi"));
    ASSERT_TRUE(engine->picker().isVisible());
    EXPECT_TRUE(engine->actingKeys().contains(tab));

    showSuggestion(kBefore, kReply);
    EXPECT_FALSE(engine->actingKeys().contains(enter));
    EXPECT_FALSE(engine->actingKeys().contains(tab));
    provider.alternativesReply = {QStringLiteral("there")};
    press(keycode::kDown, ModifierSet::option);
    settle();
    ASSERT_TRUE(engine->choices().isVisible());
    EXPECT_TRUE(engine->actingKeys().contains(enter));
}

} // namespace
} // namespace tq::testing
