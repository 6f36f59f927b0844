#include "EngineFixture.h"

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;
using Insert = FakeFieldSource::Insert;
using EngineFixes = EngineFixture;

const QString kTyped = QStringLiteral("I saw teh ");

TEST_F(EngineFixes, FinishedMisspelledWordOffersTheFix)
{
    setText(kTyped);
    ASSERT_TRUE(engine->pendingFix());
    EXPECT_EQ(*engine->pendingFix(),
              (CompletionEngine::PendingFix{QStringLiteral("100:1"), kTyped, QStringLiteral("teh"), QStringLiteral("the")}));
    EXPECT_TRUE(provider.calls.isEmpty()); // no suggestion while a fix is on offer
    EXPECT_EQ(status(), Status::showing());

    const auto shown = shownGhost();
    ASSERT_TRUE(shown);
    EXPECT_TRUE(shown->kind.isFix());
    EXPECT_EQ(shown->kind.word, QStringLiteral("teh"));
    EXPECT_EQ(shown->kind.text, QStringLiteral("the"));
    EXPECT_EQ(shown->caretRect, QRectF(300, 500, 1, 20));
    EXPECT_FALSE(shown->lineStartX);
    EXPECT_FALSE(shown->allowWrap);
    EXPECT_FALSE(shown->anchored);
    EXPECT_FALSE(shown->tinted);
    EXPECT_EQ(shown->fontSize, 14);
}

// Until the dictionaries are open every word passes as known: the word finished meanwhile gets
// its fix once they are.
TEST_F(EngineFixes, AWordFinishedBeforeTheDictionariesOpenedGetsItsFixOnceTheyAre)
{
    FakeSpellChecker& spelling = platform.spellChecker();
    spelling.closed = true;
    spelling.known = {QStringLiteral("i"), QStringLiteral("saw")};
    spelling.corrections.insert(QStringLiteral("teh"), QStringLiteral("the"));
    TypoChecker judge(spelling);
    engine = makeEngine(judge);
    setText(kTyped);
    EXPECT_FALSE(engine->pendingFix());
    ASSERT_TRUE(spelling.opened); // asked for with the field
    spelling.tellOpened();
    settle();
    ASSERT_TRUE(engine->pendingFix());
    EXPECT_EQ(ghostText(), QStringLiteral("the"));
    engine.reset();
}

TEST_F(EngineFixes, TabDeletesTheWordAndTypesTheCorrection)
{
    setText(kTyped);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.edits, (QStringList{QStringLiteral("delete:4"), QStringLiteral("insert:the ")}));
    EXPECT_EQ(field.inserts.last().mode, InsertionMethod::typing);
    EXPECT_FALSE(engine->pendingFix());
    EXPECT_FALSE(engine->ghost().isShowing());
    ASSERT_TRUE(engine->lastInjection());
    EXPECT_EQ(engine->lastInjection()->text, QStringLiteral("the "));
    EXPECT_EQ(stats.day(clock.now()).accepts, 0); // fixes are not counted
}

TEST_F(EngineFixes, KeyAboveTabAcceptsToo)
{
    setText(kTyped);
    EXPECT_TRUE(press(keycode::kAboveTab));
    EXPECT_EQ(field.edits, (QStringList{QStringLiteral("delete:4"), QStringLiteral("insert:the ")}));
}

TEST_F(EngineFixes, AccessibilityInsertionTypesTheCorrection)
{
    prefs.setInsertion(InsertionMethod::accessibility);
    setText(kTyped);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last(), (Insert{QStringLiteral("the "), InsertionMethod::typing}));

    prefs.setInsertion(InsertionMethod::paste);
    setText(QStringLiteral("We met teh "));
    advance(500); // past the echo window of the first fix
    setField(*field.current, false);
    ASSERT_TRUE(engine->pendingFix());
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last(), (Insert{QStringLiteral("the "), InsertionMethod::paste}));
}

// On a loaded desktop the space that ended the word can be read after the field showed it:
// the fix it hid comes back once the re-checks find the text unchanged, and Tab still takes it.
// A key that did change the text lets it go.
TEST_F(EngineFixes, AKeyReadAfterTheFieldShowedItKeepsTheFix)
{
    setText(kTyped);
    ASSERT_TRUE(engine->ghost().isShowing());
    EXPECT_FALSE(engine->handleKey(KeyPress{keycode::kSpace, {}, QStringLiteral(" "), false}));
    EXPECT_FALSE(engine->ghost().isShowing());
    advance(15 + 25 + 60);
    ASSERT_TRUE(engine->ghost().isShowing());
    EXPECT_TRUE(shownGhost()->kind.isFix());
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.edits, (QStringList{QStringLiteral("delete:4"), QStringLiteral("insert:the ")}));

    setText(QStringLiteral("We met teh "));
    advance(500); // past the echo window of the first fix
    setField(*field.current, false);
    ASSERT_TRUE(engine->ghost().isShowing());
    engine->handleKey(KeyPress{keycode::kA, {}, QStringLiteral("a"), false});
    field.current->before += QStringLiteral("a");
    advance(15 + 25 + 60);
    EXPECT_FALSE(engine->pendingFix());
    EXPECT_FALSE(shownGhost() && shownGhost()->kind.isFix());
}

TEST_F(EngineFixes, NoOfferForOtherEndings)
{
    for (const QString& text : {QStringLiteral("I saw teh  "), QStringLiteral("I saw Teh "), QStringLiteral("I saw teh"),
                                QStringLiteral("I saw the ")}) {
        setText(text);
        EXPECT_FALSE(engine->pendingFix()) << text.toStdString();
    }
    prefs.setSuggestFixes(false);
    setText(kTyped);
    EXPECT_FALSE(engine->pendingFix());
}

TEST_F(EngineFixes, SecureFieldGetsNoOffer)
{
    FieldSnapshot s = snap(kTyped);
    s.isSecure = true;
    setField(s);
    EXPECT_FALSE(engine->pendingFix());
    EXPECT_FALSE(engine->ghost().isShowing());
}

TEST_F(EngineFixes, OwnInsertionIsNotCorrected)
{
    // The program itself just typed the text: within 0.4 s nothing is offered anywhere.
    showSuggestion(QStringLiteral("I saw "), QStringLiteral("teh"));
    EXPECT_TRUE(press(keycode::kAboveTab));
    setText(kTyped);
    EXPECT_FALSE(engine->pendingFix());
    EXPECT_FALSE(engine->ghost().isShowing());
}

TEST_F(EngineFixes, HintShowsEvenWithKeyHintsOff)
{
    prefs.setShowKeyHint(false);
    setText(kTyped);
    ASSERT_TRUE(shownGhost());
    EXPECT_EQ(shownGhost()->hint, QStringLiteral("tab"));

    prefs.setAcceptWordKey(std::nullopt);
    setText(QStringLiteral("We met teh "));
    ASSERT_TRUE(shownGhost());
    EXPECT_FALSE(shownGhost()->hint);
}

TEST_F(EngineFixes, WithoutCaretTheFixIsKeptButTabPasses)
{
    FieldSnapshot s = snap(kTyped);
    s.caretRect.reset();
    setField(s);
    EXPECT_TRUE(engine->pendingFix());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_FALSE(press(keycode::kTab, {}, QStringLiteral("\t")));
    EXPECT_TRUE(field.edits.isEmpty());
}

TEST_F(EngineFixes, ChangedTextIsNotFixed)
{
    setText(kTyped);
    field.current->before += QStringLiteral("x");
    engine->refresh(true); // reads the change: the offer goes
    EXPECT_FALSE(engine->pendingFix());
    EXPECT_FALSE(press(keycode::kTab, {}, QStringLiteral("\t")));
    EXPECT_TRUE(field.edits.isEmpty());
}

TEST_F(EngineFixes, OtherKeysHideTheFixAndPass)
{
    setText(kTyped);
    EXPECT_FALSE(typeKey(QStringLiteral("a")));
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_TRUE(field.edits.isEmpty());
}

TEST_F(EngineFixes, EscapeDismissesTheFix)
{
    setText(kTyped);
    EXPECT_TRUE(press(keycode::kEscape));
    EXPECT_FALSE(engine->pendingFix());
    EXPECT_FALSE(engine->ghost().isShowing());
    setField(*field.current, false);
    EXPECT_FALSE(engine->pendingFix()); // held until the text changes
}

// An alternative that goes on with the word being typed joins it only when the joined word is
// known (judged lower-cased); otherwise it is spaced.
TEST_F(EngineFixes, KnownWordsJoinAlternatives)
{
    showSuggestion(QStringLiteral("Hello T"), QStringLiteral("here we are"));
    provider.alternativesReply = {QStringLiteral("eh same"), QStringLiteral("he end")};
    EXPECT_TRUE(press(keycode::kDown, ModifierSet::option));
    settle();
    EXPECT_EQ(engine->choices().model().items(),
              (QStringList{QStringLiteral("here we are"), QStringLiteral(" eh same"), QStringLiteral("he end")}));
}

} // namespace
} // namespace tq::testing
