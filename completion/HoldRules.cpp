#include "completion/HoldRules.h"

#include "platform/Chars.h"

namespace tq {

namespace {

// At most two user-visible characters, without counting a long text to its end: a prefix never
// holds more characters than the whole text.
bool hasAtMostTwoCharacters(QStringView s)
{
    constexpr qsizetype kProbe = 64;
    if (chars::count(s.left(kProbe)) > 2)
        return false;
    return s.size() <= kProbe || chars::count(s) <= 2;
}

} // namespace

Hold gateHold(const GateFacts& facts)
{
    if (!facts.enabled)
        return {HoldKind::turnedOff, std::nullopt};
    if (facts.secure)
        return {HoldKind::secureInput, std::nullopt};
    if (facts.local)
        return {};
    if (facts.competing)
        return {HoldKind::competingApp, std::nullopt};
    if (facts.rule && !facts.rule->enabled)
        return {HoldKind::appRule, facts.rule};
    return {HoldKind::none, facts.rule};
}

Hold holdFor(const FieldSnapshot& s, const GateFacts& facts, const HoldSettings& settings)
{
    const Hold gate = gateHold(facts);
    if (gate.held())
        return gate;
    auto held = [&](HoldKind kind) { return Hold{kind, gate.decision}; };
    if (s.selectionLength >= 1)
        return held(HoldKind::textSelected);
    if (settings.forced)
        return gate;
    if (!settings.completeInsideText && !chars::isBlank(s.restOfLine()))
        return held(HoldKind::caretInsideText);
    if (!settings.ignoreSmallFields && s.fieldFrame && (s.fieldFrame->width() < 140 || s.fieldFrame->height() < 15))
        return held(HoldKind::fieldTooSmall);
    if (hasAtMostTwoCharacters(s.before.trimmed()))
        return held(HoldKind::fewCharacters);
    if (chars::endsWithLineBreak(s.before) && !s.startsLineAfterSentence())
        return held(HoldKind::newLine);
    if (settings.onDemand)
        return held(HoldKind::onDemand);
    return gate;
}

} // namespace tq
