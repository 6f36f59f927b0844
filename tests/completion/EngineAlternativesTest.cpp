#include "EngineFixture.h"

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;
using Insert = FakeFieldSource::Insert;

const QString kBefore = QStringLiteral("Hello ");
const QString kReply = QStringLiteral("world, and more");

class EngineAlternatives : public EngineFixture {
protected:
    bool askAlternatives() { return press(keycode::kDown, ModifierSet::option); }
    QStringList rows() { return engine->choices().model().items(); }
};

TEST_F(EngineAlternatives, ListsTheShownSuggestionFirstAndHidesTheGhost)
{
    showSuggestion(kBefore, kReply);
    provider.alternativesReply = {QStringLiteral("there"), QStringLiteral("friend"), QStringLiteral("team"),
                                  QStringLiteral("everyone"), QStringLiteral("again"), QStringLiteral("you")};
    EXPECT_TRUE(askAlternatives());
    EXPECT_EQ(status(), Status::thinking());
    EXPECT_EQ(provider.alternativeRequests, QList<int>{6});
    settle();

    EXPECT_EQ(rows().size(), 7);
    EXPECT_EQ(rows().first(), kReply);
    EXPECT_TRUE(engine->choices().isVisible());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::showing());
    EXPECT_EQ(engine->choices().model().anchorBefore(), kBefore);
    EXPECT_EQ(engine->choices().model().hint(), QStringLiteral("tab"));
    EXPECT_EQ(announced.last(), QStringLiteral("7 suggestions. world, and more selected"));
}

TEST_F(EngineAlternatives, DuplicatesByFirstWordAreFolded)
{
    showSuggestion(kBefore, kReply);
    provider.alternativesReply = {QStringLiteral("World peace"), QStringLiteral("there"),
                                  QStringLiteral("there and back again"), QStringLiteral("friend")};
    askAlternatives();
    settle();
    EXPECT_EQ(rows(), (QStringList{kReply, QStringLiteral("there and back again"), QStringLiteral("friend")}));
}

TEST_F(EngineAlternatives, OnlyTheSuggestionWhenTheEngineGivesNone)
{
    showSuggestion(kBefore, kReply);
    askAlternatives();
    settle();
    EXPECT_EQ(rows(), QStringList{kReply});

    // Without a suggestion nothing opens and the status goes back.
    engine->dismiss(Status::idle());
    setText(QStringLiteral("Hello there"));
    provider.reply(QString());
    settle();
    askAlternatives();
    settle();
    EXPECT_FALSE(engine->choices().isVisible());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineAlternatives, FailureListsWhatThereIs)
{
    showSuggestion(kBefore, kReply);
    provider.alternativesError = QStringLiteral("Model went away");
    askAlternatives();
    settle();
    EXPECT_EQ(rows(), QStringList{kReply});
    EXPECT_EQ(status(), Status::showing());
}

TEST_F(EngineAlternatives, TypingMeanwhileDropsTheAnswer)
{
    showSuggestion(kBefore, kReply);
    provider.holdAlternatives = true;
    askAlternatives();
    setText(kBefore + QStringLiteral("w"));
    provider.alternativesPromise.finish(QStringList{QStringLiteral("there")});
    settle();
    EXPECT_FALSE(engine->choices().isVisible());
}

TEST_F(EngineAlternatives, AnswerForAnotherFieldIsDropped)
{
    showSuggestion(kBefore, kReply);
    provider.holdAlternatives = true;
    askAlternatives();
    setField(snap(kBefore, {}, QStringLiteral("100:2"))); // the same text in another field
    provider.alternativesPromise.finish(QStringList{QStringLiteral("there")});
    settle();
    EXPECT_FALSE(engine->choices().isVisible());
}

TEST_F(EngineAlternatives, DismissalCancelsTheRequest)
{
    showSuggestion(kBefore, kReply);
    provider.holdAlternatives = true;
    askAlternatives();
    engine->pointerDown();
    EXPECT_TRUE(provider.alternativesPromise.isCancelled());
    settle();
    EXPECT_FALSE(engine->choices().isVisible());
    EXPECT_EQ(status(), Status::idle());
}

TEST_F(EngineAlternatives, ArrowsWrapAndAnnounceTheShortcutMovesQuietly)
{
    showSuggestion(kBefore, kReply);
    provider.alternativesReply = {QStringLiteral(" there "), QStringLiteral("friend")};
    askAlternatives();
    settle();
    announced.clear();
    EXPECT_TRUE(press(keycode::kUp));
    EXPECT_EQ(engine->choices().selectedItem(), QStringLiteral("friend"));
    EXPECT_TRUE(press(keycode::kDown));
    EXPECT_TRUE(press(keycode::kDown));
    EXPECT_EQ(announced, (QStringList{QStringLiteral("friend"), kReply, QStringLiteral("there")}));
    EXPECT_TRUE(askAlternatives());
    EXPECT_EQ(engine->choices().selectedItem(), QStringLiteral("friend"));
    EXPECT_EQ(announced.size(), 3);
}

TEST_F(EngineAlternatives, InsertionKeysInsertTheHighlightedRow)
{
    AppRule rule;
    rule.tabAccepts = false; // the veto does not apply to the list
    rules.setRule(rule, AppRules::appKey(QStringLiteral("org.example.Editor")));
    showSuggestion(kBefore, kReply);
    provider.alternativesReply = {QStringLiteral("there")};
    askAlternatives();
    settle();
    press(keycode::kDown);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts, (QList<Insert>{{QStringLiteral("there"), InsertionMethod::typing}}));
    EXPECT_FALSE(engine->choices().isVisible());
    EXPECT_FALSE(engine->suggestion());
    EXPECT_EQ(status(), Status::idle());
    EXPECT_EQ(stats.day(clock.now()).accepts, 1);
    EXPECT_FALSE(engine->lastInjection());

    for (const std::uint16_t key : {keycode::kReturn, keycode::kKeypadEnter, keycode::kAboveTab}) {
        showSuggestion(QStringLiteral("Hello again "), kReply);
        askAlternatives();
        settle();
        EXPECT_TRUE(press(key));
        EXPECT_EQ(field.inserts.last().text, kReply);
        engine->dismiss(Status::idle());
        setText(QStringLiteral("Hi"));
    }
}

TEST_F(EngineAlternatives, EscapeClosesAndHolds)
{
    showSuggestion(kBefore, kReply);
    askAlternatives();
    settle();
    EXPECT_TRUE(press(keycode::kEscape));
    EXPECT_FALSE(engine->choices().isVisible());
    EXPECT_EQ(status(), Status::idle());
    ASSERT_TRUE(engine->suppressed());
    EXPECT_EQ(engine->suppressed()->before, kBefore);
}

TEST_F(EngineAlternatives, OtherKeysCloseTheListAndActAsUsual)
{
    showSuggestion(kBefore, kReply);
    askAlternatives();
    settle();
    EXPECT_FALSE(typeKey(QStringLiteral("w")));
    EXPECT_FALSE(engine->choices().isVisible());
    EXPECT_TRUE(engine->keyInFlight());
}

TEST_F(EngineAlternatives, ListStaysWhileTheTextIsTheSame)
{
    showSuggestion(kBefore, kReply);
    askAlternatives();
    settle();
    setField(*field.current, false);
    EXPECT_TRUE(engine->choices().isVisible());
    setText(kBefore + QStringLiteral("x"));
    EXPECT_FALSE(engine->choices().isVisible());
}

TEST_F(EngineAlternatives, HeldFieldsGetNothingButTheKeyIsSwallowed)
{
    FieldSnapshot secure = snap(kBefore);
    secure.isSecure = true;
    setField(secure);
    EXPECT_TRUE(askAlternatives());
    EXPECT_TRUE(provider.alternativeRequests.isEmpty());

    setField(snap(kBefore));
    prefs.setIsEnabled(false);
    EXPECT_TRUE(askAlternatives());
    EXPECT_TRUE(provider.alternativeRequests.isEmpty());

    // Lesser holds do not stop alternatives.
    prefs.setIsEnabled(true);
    setField(snap(QStringLiteral("Hi")));
    EXPECT_TRUE(askAlternatives());
    EXPECT_EQ(provider.alternativeRequests.size(), 1);
}

TEST_F(EngineAlternatives, WithoutCaretTheListOpensAtTheField)
{
    FieldSnapshot s = snap(kBefore);
    s.caretRect.reset();
    setField(s);
    provider.reply(kReply);
    settle();
    provider.alternativesReply = {QStringLiteral("there")};
    askAlternatives();
    settle();
    EXPECT_TRUE(engine->choices().isVisible());

    s.fieldFrame.reset();
    setField(s);
    const int asked = provider.alternativeRequests.size();
    askAlternatives();
    EXPECT_EQ(provider.alternativeRequests.size(), asked);
}

} // namespace
} // namespace tq::testing
