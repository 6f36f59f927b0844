#pragma once
// Why the engine holds a suggestion back: the holds in their order, decided from plain facts.

#include "field/FieldSnapshot.h"
#include "settings/AppRules.h"

#include <QString>

#include <optional>

namespace tq {

enum class HoldKind {
    none,
    turnedOff,
    secureInput,
    competingApp, // the outside hold: a competing application is open
    appRule,      // the application's or site's rule is off or paused
    textSelected,
    caretInsideText,
    fieldTooSmall,
    fewCharacters,
    newLine,
    onDemand,
};

// What the first gates look at. `competing` and `rule` are read only for a field that is on,
// not secure and not the program's own.
struct GateFacts {
    bool enabled = true;
    bool secure = false;
    bool local = false;
    std::optional<QString> competing; // the outside hold's text
    std::optional<RuleDecision> rule;
};

// The settings the later holds read.
struct HoldSettings {
    bool completeInsideText = false;
    bool ignoreSmallFields = false;
    bool onDemand = false;
    bool forced = false; // a trigger: skips every hold after a selection
};

struct Hold {
    HoldKind kind = HoldKind::none;
    std::optional<RuleDecision> decision; // set once the gates reached the rule
    bool held() const { return kind != HoldKind::none; }
};

// The first gates: turned off, secure input, a competing application, the rule.
Hold gateHold(const GateFacts& facts);
// Every hold, in order, for the field `s`.
Hold holdFor(const FieldSnapshot& s, const GateFacts& facts, const HoldSettings& settings);

} // namespace tq
