// The engine's side of the emoji offers.

#include "completion/CompletionEngine.h"

namespace tq {

EmojiOffers::Hooks CompletionEngine::emojiHooks()
{
    EmojiOffers::Hooks h;
    h.clearSuggestion = [this] { clearSuggestion(); };
    h.status = [this](const Status& status) { setStatus(status); };
    h.announce = [this](const QString& text) { announce(text); };
    h.holdCurrentText = [this] { holdCurrentText(); };
    h.source = [this] { return source_; };
    h.insert = [this](const QString& emoji) {
        lastInjection_ = Injection{snapshot() ? snapshot()->fieldKey : QString(), emoji, clock_->monotonic()};
        source_->insert(emoji, methodAfterDeleting());
        restartRefresh(40);
    };
    return h;
}

} // namespace tq
