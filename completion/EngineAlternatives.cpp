// The engine's side of the alternatives list, and the helpers the lists share.

#include "completion/CompletionEngine.h"

#include "platform/Platform.h"

#include "settings/Preferences.h"

namespace tq {

std::optional<QString> CompletionEngine::acceptWordHint() const
{
    if (const auto key = prefs_.acceptWordKey())
        return KeyCombo::keyName(key->keyCode, platform_.keyLayout()).toLower();
    return std::nullopt;
}

void CompletionEngine::holdCurrentText()
{
    if (snapshot())
        suppressed_ = Suppression{snapshot()->fieldKey, snapshot()->before};
}

AlternativesController::Hooks CompletionEngine::alternativesHooks()
{
    AlternativesController::Hooks h;
    h.field = [this]() -> const std::optional<FieldSnapshot>& { return snapshot(); };
    h.isHeld = [this](const FieldSnapshot& s) { return gate(s).held(); };
    h.ask = [this](const FieldSnapshot& s) {
        const Request r = makeRequest(s);
        return AlternativesController::Asked{r.request, r.wordLimit, &providers_.active()};
    };
    h.shownRest = [this](const QString& fieldKey) -> std::optional<QString> {
        if (suggestion_ && suggestion_->fieldKey == fieldKey)
            return suggestion_->remaining();
        return std::nullopt;
    };
    h.asking = [this] { cancelTask(pending_); };
    h.status = [this](const Status& status) { setStatus(status); };
    h.hasSuggestion = [this] { return suggestion_.has_value(); };
    h.hideGhost = [this] { presenter_->hide(); };
    h.announce = [this](const QString& text) { announce(text); };
    h.isKnownWord = [this](const QString& word) { return isKnownWord(word); };
    h.acceptWordHint = [this] { return acceptWordHint(); };
    h.holdCurrentText = [this] { holdCurrentText(); };
    h.canInsert = [this] { return source_ != nullptr; };
    h.insert = [this](const QString& text, const FieldSnapshot& s) {
        suggestion_.reset();
        setStatus(Status::idle());
        source_->insert(text, insertionMethod());
        recordAcceptance(text, s);
        restartRefresh(30);
    };
    return h;
}

} // namespace tq
