// A shown suggestion follows the typing: matching characters move it on without a new
// request; text that goes another way lets it go.

#include "completion/CompletionEngine.h"

#include "completion/Following.h"
#include "platform/Chars.h"

namespace tq {

bool CompletionEngine::followTyping(const FieldSnapshot& s)
{
    if (!suggestion_ || suggestion_->fieldKey != s.fieldKey)
        return false;
    const std::optional<int> progress = typedProgress(suggestion_->text, suggestion_->anchorTail, s.before);
    if (!progress)
        return false;
    if (*progress >= chars::count(suggestion_->text)) {
        suggestion_.reset();
        presenter_->hide();
        scheduleAfterPause(s);
        return true;
    }
    suggestion_->consumed = *progress;
    present(s);
    return true;
}

} // namespace tq
