#include "EngineFixture.h"

#include "completion/EmojiOffers.h"

namespace tq::testing {
namespace {

// The offers over fake hooks and a fake field; what they ask of the engine goes to `calls`.
class Offers : public ::testing::Test {
public:
    Offers()
        : prefs(defaults)
    {
        EmojiOffers::Hooks h;
        h.clearSuggestion = [this] { calls.append(QStringLiteral("clear")); };
        h.status = [this](const EngineStatus& s) { calls.append(QStringLiteral("status:") + s.label()); };
        h.announce = [this](const QString& text) { calls.append(QStringLiteral("say:") + text); };
        h.holdCurrentText = [this] { calls.append(QStringLiteral("hold")); };
        h.source = [this]() -> FieldSource* { return &field; };
        h.insert = [this](const QString& emoji) { calls.append(QStringLiteral("insert:") + emoji); };
        offers = std::make_unique<EmojiOffers>(prefs, platform.overlayScreens(), h);
    }
    bool offerFor(const QString& before)
    {
        field.current = editorField(before);
        const bool shown = offers->offer(*field.current, false);
        calls.clear();
        return shown;
    }

    FakePlatform platform;
    FakeDefaults defaults;
    Preferences prefs;
    FakeFieldSource field;
    QStringList calls;
    std::unique_ptr<EmojiOffers> offers;
};

TEST_F(Offers, KeysWhileOpen)
{
    struct Row {
        const char* name;
        QString before;
        KeyPress press;
        std::optional<bool> answer;
        int deleted; // characters deleted before the insertion, -1: nothing inserted
    };
    const QList<Row> rows{
        {"Tab", QStringLiteral("go :rocket"), {keycode::kTab, {}, {}, false}, true, 7},
        {"Return after a word", QStringLiteral("go :rocket"), {keycode::kReturn, {}, {}, false}, true, 7},
        {"Return after an emoticon keeps its meaning", QStringLiteral("nice :-)"), {keycode::kReturn, {}, {}, false},
         std::nullopt, -1},
        {"Escape", QStringLiteral("go :rocket"), {keycode::kEscape, {}, {}, false}, true, -1},
        {"Down", QStringLiteral("go :heart"), {keycode::kDown, {}, {}, false}, true, -1},
        {"with a modifier", QStringLiteral("go :rocket"), {keycode::kTab, ModifierSet::shift, {}, false}, std::nullopt, -1},
        {"a letter", QStringLiteral("go :rocket"), {keycode::kA, {}, QStringLiteral("a"), false}, std::nullopt, -1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        field.deletes.clear();
        ASSERT_TRUE(offerFor(row.before));
        EXPECT_EQ(offers->handleKey(row.press), row.answer);
        EXPECT_EQ(field.deletes, row.deleted < 0 ? QList<int>{} : QList<int>{row.deleted});
        EXPECT_EQ(calls.size() == 1 && calls.first().startsWith(QStringLiteral("insert:")), row.deleted >= 0);
        offers->close();
    }
}

// A list older than the text inserts nothing: keys typed since may not have been read yet.
TEST_F(Offers, InsertsOnlyWhereTheTextStillEndsWithWhatItReplaces)
{
    ASSERT_TRUE(offerFor(QStringLiteral("go :rocket")));
    field.current->before += QStringLiteral("s");
    EXPECT_EQ(offers->handleKey({keycode::kTab, {}, {}, false}), true);
    EXPECT_TRUE(field.deletes.isEmpty());
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_FALSE(offers->isOpen());
}

TEST_F(Offers, NoOfferWhenHeldSecureOrOff)
{
    FieldSnapshot s = editorField(QStringLiteral("go :rocket"));
    EXPECT_FALSE(offers->offer(s, true));
    s.isSecure = true;
    EXPECT_FALSE(offers->offer(s, false));
    s.isSecure = false;
    prefs.setEmojiEnabled(false);
    EXPECT_FALSE(offers->offer(s, false));
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_FALSE(offers->isOpen());
}

} // namespace
} // namespace tq::testing
