// Spelling fixes: the correction of a just-finished word, offered in the ghost and applied by
// the accept keys.

#include "completion/CompletionEngine.h"

#include "app/services/TypoChecker.h"
#include "overlay/GhostPanel.h"
#include "platform/Grapheme.h"
#include "settings/Preferences.h"

namespace tq {

namespace {

constexpr Nanos kEchoWindow = std::chrono::milliseconds(400);

} // namespace

void CompletionEngine::presentFix(const PendingFix& fix, const FieldSnapshot& s)
{
    if (!s.caretRect)
        return; // kept, but there is no place to draw it
    GhostContent content;
    content.kind = GhostContent::Kind::fix(fix.word, fix.replacement);
    content.caretRect = *s.caretRect;
    content.lineStartX = std::nullopt;
    content.fieldFrame = s.fieldFrame;
    content.fontSize = presentedFontSize(s);
    content.fontName = s.fontName;
    content.allowWrap = false;
    content.hint = acceptWordHint(); // shown for fixes whatever the key-hint settings say
    content.tinted = false;
    content.verticalNudge = prefs_.verticalNudge();
    content.anchored = false;
    ghost_->show(content);
    setStatus(Status::showing());
}

bool CompletionEngine::isEchoOfInjection(const FieldSnapshot& s) const
{
    if (!lastInjection_)
        return false;
    if (clock_->monotonic() - lastInjection_->at < kEchoWindow)
        return true;
    return lastInjection_->fieldKey == s.fieldKey && s.before.endsWith(lastInjection_->text);
}

bool CompletionEngine::acceptFix(const PendingFix& fix)
{
    if (!source_ || !snapshot())
        return false;
    const PendingFix offered = fix; // `fix` may be the stored offer, cleared next
    pendingFix_.reset();
    hideGhost();
    if (snapshot()->fieldKey != offered.fieldKey || snapshot()->before != offered.before)
        return false; // the text changed under the offer
    source_->deleteBackward(grapheme::count(offered.word) + 1);
    const QString text = offered.replacement + QLatin1Char(' ');
    source_->insert(text, methodAfterDeleting());
    lastInjection_ = Injection{offered.fieldKey, text, clock_->monotonic()};
    suppressed_.reset();
    restartRefresh(40);
    return true;
}

InsertionMethod CompletionEngine::methodAfterDeleting() const
{
    const InsertionMethod method = insertionMethod();
    return method == InsertionMethod::accessibility ? InsertionMethod::typing : method;
}

bool CompletionEngine::isKnownWord(const QString& word) const
{
    if (word.isEmpty())
        return false;
    return !typo_.isMisspelled(word.toLower());
}

} // namespace tq
