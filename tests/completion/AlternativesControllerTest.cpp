#include "EngineFixture.h"

#include "completion/AlternativesController.h"

namespace tq::testing {
namespace {

const QString kBefore = QStringLiteral("Hello ");

// The list over fake hooks: the field is `field`, every request goes to `provider`, and what
// the controller asks of the engine is written to `calls`.
class Alternatives : public ::testing::Test {
public:
    Alternatives()
        : prefs(defaults)
    {
        AlternativesController::Hooks h;
        h.field = [this]() -> const std::optional<FieldSnapshot>& { return field; };
        h.isHeld = [this](const FieldSnapshot&) { return held; };
        h.ask = [this](const FieldSnapshot&) { return AlternativesController::Asked{{}, 10, &provider}; };
        h.shownRest = [](const QString&) -> std::optional<QString> { return std::nullopt; };
        h.asking = [this] { calls.append(QStringLiteral("asking")); };
        h.status = [this](const EngineStatus& s) { calls.append(QStringLiteral("status:") + s.label()); };
        h.hasSuggestion = [] { return false; };
        h.hideGhost = [] {};
        h.announce = [this](const QString& text) { calls.append(QStringLiteral("say:") + text); };
        h.isKnownWord = [](const QString&) { return true; };
        h.acceptWordHint = [] { return std::optional<QString>(); };
        h.holdCurrentText = [this] { calls.append(QStringLiteral("hold")); };
        h.canInsert = [] { return true; };
        h.insert = [this](const QString& text, const FieldSnapshot&) { calls.append(QStringLiteral("insert:") + text); };
        list = std::make_unique<AlternativesController>(platform.clock(), prefs, platform.overlayScreens(), &context, h);
        field = editorField(kBefore);
    }
    void open()
    {
        provider.alternativesReply = {QStringLiteral("there"), QStringLiteral("friend")};
        list->ask();
        settle();
        calls.clear();
    }
    static void settle() { settleEvents(); }

    FakePlatform platform;
    FakeDefaults defaults;
    Preferences prefs;
    QObject context;
    FakeProvider provider;
    std::optional<FieldSnapshot> field;
    bool held = false;
    QStringList calls;
    std::unique_ptr<AlternativesController> list;
};

TEST_F(Alternatives, KeysWhileOpen)
{
    struct Row {
        const char* name;
        KeyPress press;
        std::optional<bool> answer;
        QStringList calls;
        bool staysOpen;
    };
    const QList<Row> rows{
        {"Return", {keycode::kReturn, {}, {}, false}, true, {QStringLiteral("insert:there")}, false},
        {"Escape", {keycode::kEscape, {}, {}, false}, true, {QStringLiteral("hold"), QStringLiteral("status:Ready")}, false},
        {"Down", {keycode::kDown, {}, {}, false}, true, {QStringLiteral("say:friend")}, true},
        {"accept word", {keycode::kTab, {}, QStringLiteral("\t"), false}, true, {QStringLiteral("insert:there")}, false},
        {"alternatives key", {keycode::kDown, ModifierSet::option, {}, false}, true, {}, true},
        {"a letter closes and passes", {keycode::kA, {}, QStringLiteral("a"), false}, std::nullopt, {}, false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        open();
        ASSERT_TRUE(list->isOpen());
        EXPECT_EQ(list->handleKey(row.press), row.answer);
        EXPECT_EQ(calls, row.calls);
        EXPECT_EQ(list->isOpen(), row.staysOpen);
        list->close();
    }
}

// A list that arrives for an older text, after a close, or while the field holds lists nothing.
TEST_F(Alternatives, NothingListedForAnOlderText)
{
    provider.holdAlternatives = true;
    struct Row {
        const char* name;
        std::function<void(Alternatives&)> meanwhile;
    };
    const QList<Row> rows{
        {"typed on", [](Alternatives& t) { t.field->before += QStringLiteral("w"); }},
        {"another field", [](Alternatives& t) { t.field->fieldKey = QStringLiteral("2:1"); }},
        {"closed", [](Alternatives& t) { t.list->close(); }},
        {"no field", [](Alternatives& t) { t.field.reset(); }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        field = editorField(kBefore);
        list->ask();
        row.meanwhile(*this);
        provider.alternativesPromise.finish(QStringList{QStringLiteral("there")});
        settle();
        EXPECT_FALSE(list->isOpen());
    }
    held = true;
    field = editorField(kBefore);
    calls.clear();
    list->ask();
    EXPECT_TRUE(calls.isEmpty());
}

} // namespace
} // namespace tq::testing
