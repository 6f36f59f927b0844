#include "EngineFixture.h"

namespace tq::testing {
namespace {

using Status = CompletionEngine::Status;

// A suggestion "quick brown fox" on show after "The"; the pause is 300 ms.
class EngineFollowing : public EngineFixture {
protected:
    void SetUp() override
    {
        prefs.setDelayMilliseconds(300);
        setText(QStringLiteral("The"));
        advance(300);
        ASSERT_EQ(provider.calls.size(), 1);
        provider.reply(QStringLiteral(" quick brown fox"));
        settle();
        ASSERT_EQ(ghostText(), QStringLiteral(" quick brown fox"));
        calls = provider.calls.size();
    }
    int calls = 0;
};

TEST_F(EngineFollowing, MatchingTypingShrinksTheGhostWithoutARequest)
{
    setText(QStringLiteral("The q"));
    EXPECT_EQ(engine->suggestion()->consumed, 2);
    EXPECT_EQ(ghostText(), QStringLiteral("uick brown fox"));
    EXPECT_EQ(status(), Status::showing());
    advance(5000);
    EXPECT_EQ(provider.calls.size(), calls);

    // A different character drops it: one new request after the pause.
    setText(QStringLiteral("The qx"));
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::waiting());
    advance(300);
    EXPECT_EQ(provider.calls.size(), calls + 1);
    advance(5000);
    EXPECT_EQ(provider.calls.size(), calls + 1);
}

TEST_F(EngineFollowing, TypedThroughTheKeyHandler)
{
    typeKey(QStringLiteral(" "), keycode::kSpace);
    typeKey(QStringLiteral("q"));
    advance(15);
    EXPECT_EQ(ghostText(), QStringLiteral("uick brown fox"));
    advance(1000);
    EXPECT_EQ(provider.calls.size(), calls);
    typeKey(QStringLiteral("x"));
    EXPECT_FALSE(engine->ghost().isShowing()); // hidden at once by the key
    advance(15);
    advance(300);
    EXPECT_EQ(provider.calls.size(), calls + 1);
}

TEST_F(EngineFollowing, NoBreakSpaceCountsAsASpace)
{
    setText(QStringLiteral("The") + QChar(0x00A0) + QStringLiteral("qu"));
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->consumed, 3);
}

TEST_F(EngineFollowing, TypingItAllEndsItAndAsksForMore)
{
    setText(QStringLiteral("The quick brown fox"));
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
    EXPECT_EQ(status(), Status::waiting());
    advance(300);
    EXPECT_EQ(provider.calls.size(), calls + 1);
}

TEST_F(EngineFollowing, DeletingGoesBackUntilTheAnchorIsLeft)
{
    setText(QStringLiteral("The qu"));
    EXPECT_EQ(engine->suggestion()->consumed, 3);
    setText(QStringLiteral("The q"));
    EXPECT_EQ(engine->suggestion()->consumed, 2);
    EXPECT_EQ(ghostText(), QStringLiteral("uick brown fox"));
    setText(QStringLiteral("The"));
    EXPECT_EQ(engine->suggestion()->consumed, 0);
    setText(QStringLiteral("Th"));
    EXPECT_FALSE(engine->suggestion());
}

TEST_F(EngineFollowing, NotCarriedIntoAnotherField)
{
    FieldSnapshot other = snap(QStringLiteral("The q"), {}, QStringLiteral("200:2"));
    setField(other);
    EXPECT_FALSE(engine->suggestion());
    EXPECT_FALSE(engine->ghost().isShowing());
}

TEST_F(EngineFollowing, EmptyAnchorNeedsTheWholeText)
{
    setField(snap(QString(), {}, QStringLiteral("300:3")));
    engine->triggerNow();
    ASSERT_EQ(provider.calls.size(), calls + 1);
    provider.reply(QStringLiteral("Dear team"));
    settle();
    ASSERT_TRUE(engine->suggestion());
    EXPECT_TRUE(engine->suggestion()->anchorTail.isEmpty());
    setText(QStringLiteral("Dea"));
    ASSERT_TRUE(engine->suggestion());
    EXPECT_EQ(engine->suggestion()->consumed, 3);
    setText(QStringLiteral("xDea"));
    EXPECT_FALSE(engine->suggestion());
}

} // namespace
} // namespace tq::testing
