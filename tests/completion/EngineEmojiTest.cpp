#include "EngineFixture.h"

#include "completion/EmojiIndex.h"

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;
using Insert = FakeFieldSource::Insert;
using EngineEmoji = EngineFixture;

const QString kRocket = QString::fromUcs4(U"\U0001F680");
const QString kLaunch = QStringLiteral("Launch :rocket");

TEST_F(EngineEmoji, ColonWordOpensThePickerInsteadOfASuggestion)
{
    setText(kLaunch);
    EXPECT_TRUE(engine->picker().isVisible());
    const auto& items = engine->picker().model().items();
    ASSERT_FALSE(items.isEmpty());
    EXPECT_LE(items.size(), 7);
    EXPECT_EQ(items.first().emoji, kRocket);
    EXPECT_EQ(engine->picker().model().replacing(), QStringLiteral(":rocket"));
    EXPECT_TRUE(provider.calls.isEmpty());
    EXPECT_EQ(status(), Status::showing());
    EXPECT_EQ(announced, QStringList{QString::number(items.size()) + QStringLiteral(" emoji. rocket selected")});

    // Another letter updates the list and highlights the first row again, without a
    // second announcement.
    setText(QStringLiteral("Love :hear"));
    ASSERT_TRUE(engine->picker().isVisible());
    ASSERT_GE(engine->picker().model().items().size(), 2);
    press(keycode::kDown);
    EXPECT_EQ(engine->picker().model().selected(), 1);
    announced.clear();
    setText(QStringLiteral("Love :heart"));
    EXPECT_TRUE(engine->picker().isVisible());
    EXPECT_EQ(engine->picker().model().replacing(), QStringLiteral(":heart"));
    EXPECT_EQ(engine->picker().model().selected(), 0);
    EXPECT_TRUE(announced.isEmpty());
}

TEST_F(EngineEmoji, TabDeletesTheColonWordAndTypesTheEmoji)
{
    setText(kLaunch);
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.edits, (QStringList{QStringLiteral("delete:7"), QStringLiteral("insert:") + kRocket}));
    EXPECT_FALSE(engine->picker().isVisible());
    ASSERT_TRUE(engine->lastInjection());
    EXPECT_EQ(engine->lastInjection()->text, kRocket);
    EXPECT_EQ(stats.day(clock.now()).accepts, 0);
    EXPECT_TRUE(engine->refreshTask());
}

TEST_F(EngineEmoji, ReturnInsertsAfterAColonWord)
{
    prefs.setInsertion(InsertionMethod::accessibility);
    setText(kLaunch);
    EXPECT_TRUE(press(keycode::kReturn));
    EXPECT_EQ(field.inserts, (QList<Insert>{{kRocket, InsertionMethod::typing}}));
}

TEST_F(EngineEmoji, ArrowsMoveAndAnnounce)
{
    setText(QStringLiteral("Love :heart"));
    const auto items = engine->picker().model().items();
    ASSERT_GE(items.size(), 2);
    announced.clear();
    EXPECT_TRUE(press(keycode::kDown));
    EXPECT_EQ(engine->picker().selectedItem(), items[1]);
    EXPECT_EQ(announced, QStringList{QString(items[1].name).replace(QLatin1Char('_'), QLatin1Char(' '))});
    EXPECT_TRUE(press(keycode::kUp));
    EXPECT_TRUE(press(keycode::kUp)); // wraps to the last row
    EXPECT_EQ(engine->picker().selectedItem(), items.last());
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.inserts.last().text, items.last().emoji);
}

TEST_F(EngineEmoji, EscapeClosesUntilTheTextChanges)
{
    setText(kLaunch);
    EXPECT_TRUE(press(keycode::kEscape));
    EXPECT_FALSE(engine->picker().isVisible());
    EXPECT_EQ(status(), Status::idle());
    setField(*field.current, false);
    EXPECT_FALSE(engine->picker().isVisible());
    EXPECT_TRUE(provider.calls.isEmpty()); // the same text stays held
    setText(QStringLiteral("Launch :rocke"));
    EXPECT_TRUE(engine->picker().isVisible());
}

TEST_F(EngineEmoji, OtherKeysPassAndLeaveThePicker)
{
    setText(kLaunch);
    EXPECT_FALSE(typeKey(QStringLiteral("x")));
    EXPECT_FALSE(press(keycode::kTab, ModifierSet::shift));
    EXPECT_TRUE(engine->picker().isVisible());
    EXPECT_TRUE(field.edits.isEmpty());
}

TEST_F(EngineEmoji, EmoticonOffersWithoutAnnouncementAndKeepsReturn)
{
    setText(QStringLiteral("Thanks :-)"));
    ASSERT_TRUE(engine->picker().isVisible());
    EXPECT_EQ(engine->picker().model().replacing(), QStringLiteral(":-)"));
    EXPECT_TRUE(announced.isEmpty());

    EXPECT_FALSE(press(keycode::kReturn, {}, QStringLiteral("\r")));
    EXPECT_TRUE(field.edits.isEmpty());
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_EQ(field.deletes, QList<int>{3});
    EXPECT_EQ(field.inserts.size(), 1);
}

TEST_F(EngineEmoji, NothingOfferedWhenOffOrSecureOrWithoutCaret)
{
    prefs.setEmoticons(false);
    setText(QStringLiteral("Thanks :-)"));
    EXPECT_FALSE(engine->picker().isVisible());

    prefs.setEmojiEnabled(false);
    setText(kLaunch);
    EXPECT_FALSE(engine->picker().isVisible());

    prefs.setEmojiEnabled(true);
    FieldSnapshot secure = snap(kLaunch);
    secure.isSecure = true;
    setField(secure);
    EXPECT_FALSE(engine->picker().isVisible());

    FieldSnapshot noCaret = snap(kLaunch);
    noCaret.caretRect.reset();
    setField(noCaret);
    EXPECT_FALSE(engine->picker().isVisible());
}

TEST_F(EngineEmoji, QueryRules)
{
    const auto q = &tq::emojiQuery;
    EXPECT_EQ(q(QStringLiteral(":rocket")), QStringLiteral("rocket"));
    EXPECT_EQ(q(QStringLiteral("go (:rocket")), QStringLiteral("rocket"));
    EXPECT_EQ(q(QStringLiteral("go [:100")), QStringLiteral("100"));
    EXPECT_EQ(q(QStringLiteral("go {:rocket")), QStringLiteral("rocket"));
    EXPECT_FALSE(q(QStringLiteral("at 10:rocket")));
    EXPECT_FALSE(q(QStringLiteral("end.:rocket")));
    EXPECT_FALSE(q(QStringLiteral("go :+1")));
    EXPECT_FALSE(q(QStringLiteral("go :-")));
    EXPECT_FALSE(q(QStringLiteral("go :caf\u00e9")));
    EXPECT_TRUE(q(QStringLiteral("go :") + QString(32, u'a')));
    EXPECT_FALSE(q(QStringLiteral("go :") + QString(33, u'a')));
}

// The list was made for ":rock"; an "e" typed since has not been read when Tab comes.
TEST_F(EngineEmoji, StaleListDeletesNothing)
{
    setText(QStringLiteral("Launch :rock"));
    ASSERT_TRUE(engine->picker().isVisible());
    field.current->before += QStringLiteral("x"); // typed, not read yet
    EXPECT_TRUE(press(keycode::kTab));
    EXPECT_TRUE(field.edits.isEmpty());
    EXPECT_FALSE(engine->picker().isVisible());
}

TEST_F(EngineEmoji, PickerClearsTheSuggestion)
{
    showSuggestion(QStringLiteral("Launch "), QStringLiteral("the rocket"));
    ASSERT_TRUE(engine->suggestion());
    setText(QStringLiteral("Launch :rocket"));
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_TRUE(engine->picker().isVisible());
}

TEST_F(EngineEmoji, PointerClosesThePicker)
{
    setText(kLaunch);
    engine->pointerDown();
    EXPECT_FALSE(engine->picker().isVisible());
    EXPECT_EQ(status(), Status::idle());
}

} // namespace
} // namespace tq::testing
