// The engine's side of drawing the suggestion: what to show and the status it leaves.

#include "completion/CompletionEngine.h"

#include "platform/Text.h"

namespace tq {

void CompletionEngine::present(const Suggestion& suggestion, const FieldSnapshot& s)
{
    const std::optional<QString> injected = lastInjection_ ? std::optional<QString>(lastInjection_->text) : std::nullopt;
    if (presenter_->present(suggestion.remaining(), s, injected))
        setStatus(Status::showing());
    else
        setStatus(Status::blocked(tq::text("This app doesn't report where the caret is")));
}

void CompletionEngine::clearSuggestion()
{
    if (pending_) {
        pending_->cancel();
        pending_.reset();
    }
    runner_.advance();
    suggestion_.reset();
    presenter_->hide();
}

} // namespace tq
