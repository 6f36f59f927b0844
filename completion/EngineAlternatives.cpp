// Other ways to continue the text: asked for on the alternatives shortcut and listed at the caret.

#include "completion/CompletionEngine.h"

#include "platform/Platform.h"

#include "completion/Chars.h"
#include "completion/ReplyCleanup.h"
#include "overlay/AlternativesPanel.h"
#include "settings/Preferences.h"


namespace tq {

namespace {

constexpr int kAlternativesAsked = 6;

QString trimSpacesAndTabs(const QString& text)
{
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && (text[from] == u' ' || text[from] == u'\t'))
        ++from;
    while (to > from && (text[to - 1] == u' ' || text[to - 1] == u'\t'))
        --to;
    return text.mid(from, to - from);
}

// The trailing run of letters and numbers: the part of the word being typed.
QString trailingWord(const QString& before)
{
    qsizetype start = before.size();
    while (start > 0) {
        qsizetype at = start - 1;
        char32_t c = before[at].unicode();
        if (at > 0 && before[at].isLowSurrogate() && before[at - 1].isHighSurrogate()) {
            --at;
            c = QChar::surrogateToUcs4(before[at], before[at + 1]);
        }
        if (!chars::isLetterOrNumber(c))
            break;
        start = at;
    }
    return before.mid(start);
}

} // namespace

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

void CompletionEngine::announceRow(const std::optional<QString>& row)
{
    if (row)
        announce(*row);
}

void CompletionEngine::showAlternatives()
{
    if (!snapshot() || snapshot()->isSecure)
        return;
    const FieldSnapshot s = *snapshot();
    if (gate(s).held())
        return;
    QRectF caret;
    if (s.caretRect)
        caret = *s.caretRect;
    else if (s.fieldFrame)
        caret = QRectF(s.fieldFrame->x(), s.fieldFrame->y(), 1, 0); // left and bottom edge (y-up)
    else
        return;

    std::optional<QString> current;
    if (suggestion_ && suggestion_->fieldKey == s.fieldKey)
        current = suggestion_->remaining();

    const Request r = makeRequest(s);
    CompletionProvider& provider = providers_.active();
    alternativesJob_ = AlternativesJob{s, current, caret, r.wordLimit, provider.style()};

    if (choiceTask_)
        choiceTask_->cancel();
    if (pending_)
        pending_->cancel();
    setStatus(Status::thinking());

    TaskHandle task = makeTask(*clock_);
    choiceTask_ = task;
    const Future<QStringList> reply = provider.alternatives(r.request, kAlternativesAsked);
    task->onCancel([reply] { reply.cancel(); });
    std::weak_ptr<EngineTask> weak = task;
    reply.then(this, [this, weak](const Outcome<QStringList>& outcome) {
        const TaskHandle t = weak.lock();
        if (!t || t->isCancelled() || t != choiceTask_)
            return;
        // A failed call lists what there is without it; the error itself is dropped.
        parseAlternatives(outcome.hasValue() ? outcome.value() : QStringList());
    });
}

void CompletionEngine::parseAlternatives(const QStringList& list)
{
    if (!choiceTask_ || choiceTask_->isCancelled() || !alternativesJob_ || !snapshot())
        return;
    const AlternativesJob job = *alternativesJob_;
    alternativesJob_.reset();
    const QString before = snapshot()->before;
    // Typed meanwhile, or another field (whose text may read the same): the new text has its
    // own evaluation.
    if (before != job.snapshot.before || snapshot()->fieldKey != job.snapshot.fieldKey)
        return;

    const ReplyCleaner::MisspelledTest misspelled = [this](const QString& word) { return !isKnownWord(word); };
    QStringList cleaned;
    cleaned.reserve(list.size());
    for (const QString& reply : list)
        cleaned.append(ReplyCleaner::clean(reply, before, job.snapshot.after, job.wordLimit, job.style, misspelled));
    const QStringList items = ReplyCleaner::distinctAlternatives(job.current, cleaned);
    if (items.isEmpty()) {
        setStatus(suggestion_ ? Status::showing() : Status::idle());
        return;
    }
    hideGhost();
    choices_->show(items, before, trailingWord(before), acceptWordHint().value_or(QStringLiteral("tab")), job.caret);
    announce(tq::text("%1 suggestions. %2 selected")
                 .arg(QString::number(items.size()), trimSpacesAndTabs(items.first())));
    setStatus(Status::showing());
}

std::optional<bool> CompletionEngine::handleAlternativesKey(const KeyPress& press)
{
    if (press.modifiers.isEmpty()) {
        switch (press.keyCode) {
        case keycode::Return:
        case keycode::KeypadEnter:
            insertAlternative();
            return true;
        case keycode::Escape:
            holdCurrentText();
            choices_->hide();
            setStatus(Status::idle());
            return true;
        case keycode::Up:
        case keycode::Down: {
            choices_->move(press.keyCode == keycode::Up ? -1 : 1);
            const auto row = choices_->selectedItem();
            announceRow(row ? std::optional(trimSpacesAndTabs(*row)) : std::nullopt);
            return true;
        }
        default:
            break;
        }
    }
    if (matches(prefs_.acceptWordKey(), press) || matches(prefs_.acceptAllKey(), press)) {
        insertAlternative();
        return true;
    }
    if (matches(prefs_.alternativesKey(), press)) {
        choices_->move(1);
        return true;
    }
    choices_->hide();
    return std::nullopt;
}

void CompletionEngine::insertAlternative()
{
    const auto item = choices_->selectedItem();
    if (!item || !source_ || !snapshot())
        return;
    const FieldSnapshot s = *snapshot();
    choices_->hide();
    suggestion_.reset();
    setStatus(Status::idle());
    source_->insert(*item, insertionMethod());
    recordAcceptance(*item, s);
    restartRefresh(30);
}

} // namespace tq
