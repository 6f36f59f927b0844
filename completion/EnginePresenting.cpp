// The engine's side of drawing the suggestion: what to show and the status it leaves.

#include "completion/CompletionEngine.h"

#include "platform/Chars.h"
#include "platform/Text.h"

#include <QPointer>

namespace tq {

namespace {

// How long typed keys the field has not shown hold a suggestion back; after that the key is taken
// to have left the text as it was (a read-only field, an application that ate it).
constexpr auto kUnseenPatience = std::chrono::milliseconds(1000);

} // namespace

void CompletionEngine::noteUnseen(const QString& typed)
{
    if (!unseen_)
        unseen_ = Unseen{QString(), clock_->monotonic()};
    unseen_->chars += typed;
}

void CompletionEngine::catchUp(const FieldSnapshot& old, const FieldSnapshot& fresh)
{
    if (!unseen_)
        return;
    // Keys typed quickly may reach the field's text one by one.
    const QString expected = old.before + unseen_->chars;
    if (old.fieldKey == fresh.fieldKey && old.after == fresh.after && fresh.before.size() > old.before.size()
        && fresh.before.startsWith(old.before) && expected.startsWith(fresh.before)) {
        unseen_->chars = expected.mid(fresh.before.size());
        if (!unseen_->chars.isEmpty())
            return;
    }
    unseen_.reset();
}

bool CompletionEngine::foldUnseen()
{
    if (!unseen_)
        return true;
    const auto waited = clock_->monotonic() - unseen_->since;
    if (waited >= kUnseenPatience) {
        unseen_.reset();
        return true;
    }
    // A suggestion made before the field showed the last keys: shown past them when they match
    // it, as if typed over it, and otherwise held until the field shows them.
    const QString rest = suggestion_->remaining();
    const int typed = chars::count(unseen_->chars);
    if (typed < chars::count(rest) && chars::first(rest, typed).toString() == unseen_->chars) {
        suggestion_->consumed += typed;
        unseen_.reset();
        return true;
    }
    cancelTask(unseenTask_);
    TaskHandle task = makeTask(*clock_);
    unseenTask_ = task;
    QPointer<CompletionEngine> self(this);
    task->sleep(kUnseenPatience - waited + std::chrono::milliseconds(1), [self] {
                    if (self && self->suggestion_ && self->snapshot() && self->suggestion_->fieldKey == self->snapshot()->fieldKey
                        && !self->presenter_->isShowing())
                        self->present(*self->snapshot());
                });
    return false;
}

void CompletionEngine::present(const FieldSnapshot& s)
{
    if (!suggestion_ || !foldUnseen()) {
        presenter_->hide();
        return;
    }
    const Suggestion& suggestion = *suggestion_;
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
