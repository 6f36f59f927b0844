// The engine's side of the spelling fixes, and the insertion method after deleting.

#include "completion/CompletionEngine.h"

#include "services/TypoChecker.h"

namespace tq {

FixOffers::Hooks CompletionEngine::fixHooks()
{
    FixOffers::Hooks h;
    h.show = [this](const GhostContent& content) {
        presenter_->show(content);
        setStatus(Status::showing());
    };
    h.hideGhost = [this] { presenter_->hide(); };
    h.fontSize = [this](const FieldSnapshot& s) { return presenter_->fontSize(s); };
    h.acceptWordHint = [this] { return acceptWordHint(); };
    h.lastInjection = [this]() -> const std::optional<Injection>& { return lastInjection_; };
    h.field = [this]() -> const std::optional<FieldSnapshot>& { return snapshot(); };
    h.source = [this] { return source_; };
    h.insert = [this](const QString& text, const QString& fieldKey) {
        source_->insert(text, methodAfterDeleting());
        lastInjection_ = Injection{fieldKey, text, clock_->monotonic()};
        suppressed_.reset();
        restartRefresh(40);
    };
    return h;
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
