// The engine's side of the spelling fixes, and the insertion method after deleting.

#include "completion/CompletionEngine.h"

#include "platform/Log.h"
#include "platform/Platform.h"
#include "platform/SpellChecker.h"
#include "services/TypoChecker.h"

#include <QPointer>

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

void CompletionEngine::openSpelling()
{
    if (spellingOpening_)
        return;
    spellingOpening_ = true;
    platform_.spellChecker().open([self = QPointer<CompletionEngine>(this)] {
        if (self)
            self->spellingOpened();
    });
}

void CompletionEngine::spellingOpened()
{
    // Until they opened every word passed as known; the text is judged again only when a fix
    // would now be offered for it, and nothing else is on show.
    const std::optional<FieldSnapshot>& s = snapshot();
    if (!s || s->isSecure || !source_ || presenter_->isShowing() || fixes_->pending() || !typo_.fix(s->before))
        return;
    log::info(QStringLiteral("fix: the dictionaries opened after the word was checked"));
    refresh(false);
}

bool CompletionEngine::isKnownWord(const QString& word) const
{
    if (word.isEmpty())
        return false;
    return !typo_.isMisspelled(word.toLower());
}

} // namespace tq
