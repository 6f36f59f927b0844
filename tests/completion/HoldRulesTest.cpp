#include "completion/HoldRules.h"

#include <gtest/gtest.h>

#include <functional>

namespace tq {
namespace {

FieldSnapshot field(const QString& before, const QString& after = QString())
{
    FieldSnapshot s;
    s.fieldKey = QStringLiteral("1:1");
    s.before = before;
    s.after = after;
    s.fieldFrame = QRectF(0, 0, 600, 200);
    return s;
}

RuleDecision off()
{
    RuleDecision d;
    d.enabled = false;
    d.reason = QStringLiteral("Off in Editor");
    return d;
}

// Each row changes one fact of an ordinary field that gets suggestions; the first hold wins.
TEST(HoldRules, FirstHoldInOrder)
{
    struct Row {
        const char* name;
        std::function<void(FieldSnapshot&, GateFacts&, HoldSettings&)> change;
        HoldKind expected;
    };
    const QList<Row> rows{
        {"nothing", [](auto&, auto&, auto&) {}, HoldKind::none},
        {"off beats secure", [](FieldSnapshot& s, GateFacts& f, auto&) { f.enabled = false; f.secure = true; },
         HoldKind::turnedOff},
        {"secure beats the rest", [](FieldSnapshot& s, GateFacts& f, auto&) { f.secure = true; s.selectionLength = 2; },
         HoldKind::secureInput},
        {"own field skips rivals and rules",
         [](auto&, GateFacts& f, auto&) {
             f.local = true;
             f.competing = QStringLiteral("Paused");
             f.rule = off();
         },
         HoldKind::none},
        {"competing app", [](auto&, GateFacts& f, auto&) { f.competing = QStringLiteral("Paused"); },
         HoldKind::competingApp},
        {"rule off", [](auto&, GateFacts& f, auto&) { f.rule = off(); }, HoldKind::appRule},
        {"selection", [](FieldSnapshot& s, auto&, auto&) { s.selectionLength = 1; }, HoldKind::textSelected},
        {"forced skips what follows a selection",
         [](FieldSnapshot& s, auto&, HoldSettings& h) {
             h.forced = true;
             h.onDemand = true;
             s.before = QStringLiteral("a");
             s.after = QStringLiteral("xyz");
         },
         HoldKind::none},
        {"forced still holds a selection",
         [](FieldSnapshot& s, auto&, HoldSettings& h) {
             h.forced = true;
             s.selectionLength = 1;
         },
         HoldKind::textSelected},
        {"caret inside text", [](FieldSnapshot& s, auto&, auto&) { s.after = QStringLiteral(" more\nnext"); },
         HoldKind::caretInsideText},
        {"blank rest of line", [](FieldSnapshot& s, auto&, auto&) { s.after = QStringLiteral("  \nnext line"); },
         HoldKind::none},
        {"inside text allowed",
         [](FieldSnapshot& s, auto&, HoldSettings& h) {
             h.completeInsideText = true;
             s.after = QStringLiteral(" more");
         },
         HoldKind::none},
        {"narrow field", [](FieldSnapshot& s, auto&, auto&) { s.fieldFrame = QRectF(0, 0, 139, 200); },
         HoldKind::fieldTooSmall},
        {"low field", [](FieldSnapshot& s, auto&, auto&) { s.fieldFrame = QRectF(0, 0, 600, 14); },
         HoldKind::fieldTooSmall},
        {"small fields allowed",
         [](FieldSnapshot& s, auto&, HoldSettings& h) {
             h.ignoreSmallFields = true;
             s.fieldFrame = QRectF(0, 0, 20, 10);
         },
         HoldKind::none},
        {"two characters", [](FieldSnapshot& s, auto&, auto&) { s.before = QStringLiteral("  Hi \n"); },
         HoldKind::fewCharacters},
        {"two emoji", [](FieldSnapshot& s, auto&, auto&) { s.before = QStringLiteral("\U0001F44D\U0001F3FD\U0001F600"); },
         HoldKind::fewCharacters},
        {"new line", [](FieldSnapshot& s, auto&, auto&) { s.before = QStringLiteral("Hello there\n"); },
         HoldKind::newLine},
        {"new line after a sentence", [](FieldSnapshot& s, auto&, auto&) { s.before = QStringLiteral("Hello there.\n"); },
         HoldKind::none},
        {"on demand", [](auto&, auto&, HoldSettings& h) { h.onDemand = true; }, HoldKind::onDemand},
    };
    for (const Row& row : rows) {
        FieldSnapshot s = field(QStringLiteral("Hello there"));
        GateFacts facts;
        facts.rule = RuleDecision{};
        HoldSettings settings;
        row.change(s, facts, settings);
        EXPECT_EQ(holdFor(s, facts, settings).kind, row.expected) << row.name;
    }
}

// The rule's decision comes along once the gates reached it, held or not.
TEST(HoldRules, DecisionOnlyPastTheFirstGates)
{
    GateFacts facts;
    facts.rule = off();
    EXPECT_EQ(gateHold(facts).decision, off());
    facts.rule = RuleDecision{};
    FieldSnapshot s = field(QStringLiteral("Hi"));
    EXPECT_EQ(holdFor(s, facts, {}).decision, RuleDecision{});
    facts.competing = QStringLiteral("Paused");
    EXPECT_FALSE(gateHold(facts).decision);
    facts.competing.reset();
    facts.secure = true;
    EXPECT_FALSE(holdFor(s, facts, {}).decision);
}

} // namespace
} // namespace tq
