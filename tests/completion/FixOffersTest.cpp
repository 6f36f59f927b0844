#include "EngineFixture.h"

#include "completion/FixOffers.h"

namespace tq::testing {
namespace {

const QString kTyped = QStringLiteral("I saw teh ");

// The fixes over fake hooks, a fake field and a spell checker that knows "teh".
class Fixes : public ::testing::Test {
public:
    Fixes()
        : prefs(defaults)
        , typo(spell, TypoChecker::Corrections{{QStringLiteral("teh"), QStringLiteral("the")}})
    {
        FixOffers::Hooks h;
        h.show = [this](const GhostContent& c) { shown.append(c.kind.text); };
        h.hideGhost = [] {};
        h.fontSize = [](const FieldSnapshot&) { return 13.0; };
        h.acceptWordHint = [] { return std::optional<QString>(QStringLiteral("tab")); };
        h.lastInjection = [this]() -> const std::optional<Injection>& { return injection; };
        h.field = [this]() -> const std::optional<FieldSnapshot>& { return field.current; };
        h.source = [this]() -> FieldSource* { return &field; };
        h.insert = [this](const QString& text, const QString&) { field.insert(text, InsertionMethod::typing); };
        fixes = std::make_unique<FixOffers>(clock, prefs, typo, h);
        field.current = editorField(kTyped);
    }

    VirtualClock clock;
    FakeDefaults defaults;
    Preferences prefs;
    FakeSpellChecker spell;
    TypoChecker typo;
    FakeFieldSource field;
    std::optional<Injection> injection;
    QStringList shown;
    std::unique_ptr<FixOffers> fixes;
};

// What the engine typed itself is never corrected: within 0.4 s anywhere, later only while the
// field's text still ends with it.
TEST_F(Fixes, EchoOfTheEnginesOwnInsertion)
{
    struct Row {
        const char* name;
        int msAgo;
        QString fieldKey;
        QString before;
        bool echo;
    };
    const QList<Row> rows{
        {"just now, any field", 100, QStringLiteral("2:1"), QStringLiteral("other"), true},
        {"later, ends with it", 400, QStringLiteral("100:1"), QStringLiteral("I saw teh"), true},
        {"later, another field", 400, QStringLiteral("2:1"), QStringLiteral("I saw teh"), false},
        {"later, typed on", 400, QStringLiteral("100:1"), kTyped, false},
    };
    for (const Row& row : rows) {
        injection = Injection{QStringLiteral("100:1"), QStringLiteral("teh"), clock.monotonic()};
        clock.advance(std::chrono::milliseconds(row.msAgo));
        FieldSnapshot s = editorField(row.before, QString(), row.fieldKey);
        EXPECT_EQ(fixes->isEcho(s), row.echo) << row.name;
    }
    injection.reset();
    EXPECT_FALSE(fixes->isEcho(editorField(kTyped)));
}

TEST_F(Fixes, OfferedShownAgainAndApplied)
{
    const LogCapture log;
    ASSERT_TRUE(fixes->offer(*field.current));
    // Where it is drawn, never the words: desktop tests know by it that every key was read.
    EXPECT_EQ(log.count(QStringLiteral("fix: present: caret 300,500 h20")), 1);
    EXPECT_FALSE(log.contains(QStringLiteral("teh")));
    ASSERT_TRUE(fixes->pending());
    EXPECT_EQ(fixes->pending()->word, QStringLiteral("teh"));
    EXPECT_TRUE(fixes->reshow(*field.current));
    EXPECT_FALSE(fixes->reshow(editorField(kTyped + QStringLiteral("x"))));
    EXPECT_EQ(shown.size(), 2);

    EXPECT_TRUE(fixes->accept(*fixes->pending()));
    EXPECT_FALSE(fixes->pending());
    EXPECT_EQ(field.edits, (QStringList{QStringLiteral("delete:4"), QStringLiteral("insert:the ")}));
}

// An offer the text moved away from is dropped by the accept key itself, without an edit.
TEST_F(Fixes, StaleOfferIsDroppedUnapplied)
{
    ASSERT_TRUE(fixes->offer(*field.current));
    const SpellingFix fix = *fixes->pending();
    field.current->before += QStringLiteral("x");
    EXPECT_FALSE(fixes->accept(fix));
    EXPECT_FALSE(fixes->pending());
    EXPECT_TRUE(field.edits.isEmpty());

    prefs.setSuggestFixes(false);
    EXPECT_FALSE(fixes->offer(editorField(kTyped)));
}

} // namespace
} // namespace tq::testing
