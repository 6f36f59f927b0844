#include "completion/FixOffers.h"

#include "services/TypoChecker.h"
#include "overlay/GhostLayout.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "settings/Preferences.h"

namespace tq {

FixOffers::FixOffers(Clock& clock, Preferences& prefs, TypoChecker& typo, Hooks hooks)
    : clock_(clock)
    , prefs_(prefs)
    , typo_(typo)
    , hooks_(std::move(hooks))
{
}

bool FixOffers::reshow(const FieldSnapshot& s)
{
    if (!pending_ || pending_->fieldKey != s.fieldKey || pending_->before != s.before)
        return false;
    present(*pending_, s);
    return true;
}

bool FixOffers::offer(const FieldSnapshot& s)
{
    if (!prefs_.suggestFixes() || s.isSecure || isEcho(s))
        return false;
    const auto fix = typo_.fix(s.before);
    if (!fix)
        return false;
    pending_ = SpellingFix{s.fieldKey, s.before, fix->word, fix->correction};
    present(*pending_, s);
    return true;
}

void FixOffers::present(const SpellingFix& fix, const FieldSnapshot& s)
{
    if (!s.caretRect)
        return; // kept, but there is no place to draw it
    GhostContent content;
    content.kind = GhostContent::Kind::fix(fix.word, fix.replacement);
    content.caretRect = *s.caretRect;
    content.lineStartX = std::nullopt;
    content.fieldFrame = s.fieldFrame;
    content.fontSize = hooks_.fontSize(s);
    content.fontName = s.fontName;
    content.allowWrap = false;
    content.hint = hooks_.acceptWordHint(); // shown for fixes whatever the key-hint settings say
    content.tinted = false;
    content.verticalNudge = prefs_.verticalNudge();
    content.anchored = false;
    content.rightToLeft = GhostLayout::runsRightToLeft(chars::lastLine(s.before), fix.replacement);
    log::info(QStringLiteral("fix: present: caret %1,%2 h%3")
                  .arg(qRound(s.caretRect->x()))
                  .arg(qRound(s.caretRect->y()))
                  .arg(qRound(s.caretRect->height())));
    hooks_.show(content);
}

bool FixOffers::isEcho(const FieldSnapshot& s) const
{
    const std::optional<Injection>& last = hooks_.lastInjection();
    if (!last)
        return false;
    if (clock_.monotonic() - last->at < kEchoWindow)
        return true;
    return last->fieldKey == s.fieldKey && s.before.endsWith(last->text);
}

bool FixOffers::accept(const SpellingFix& fix)
{
    FieldSource* source = hooks_.source();
    const std::optional<FieldSnapshot>& field = hooks_.field();
    if (!source || !field)
        return false;
    const SpellingFix offered = fix; // `fix` may be the stored offer, cleared next
    pending_.reset();
    hooks_.hideGhost();
    if (field->fieldKey != offered.fieldKey || field->before != offered.before)
        return false; // the text changed under the offer
    source->deleteBackward(chars::count(offered.word) + 1);
    hooks_.insert(offered.replacement + QLatin1Char(' '), offered.fieldKey);
    return true;
}

} // namespace tq
