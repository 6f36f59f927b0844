#include "completion/AlternativesController.h"

#include "completion/ReplyCleanup.h"
#include "overlay/AlternativesPanel.h"
#include "platform/Chars.h"
#include "platform/Text.h"
#include "settings/Preferences.h"

namespace tq {

namespace {

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

AlternativesController::AlternativesController(Clock& clock, Preferences& prefs, const OverlayScreens& screens,
                                               QObject* context, Hooks hooks)
    : clock_(clock)
    , prefs_(prefs)
    , context_(context)
    , hooks_(std::move(hooks))
    , panel_(std::make_unique<AlternativesPanel>(screens))
{
}

AlternativesController::~AlternativesController() = default;

bool AlternativesController::isOpen() const { return panel_->isVisible() && !panel_->model().items().isEmpty(); }

void AlternativesController::ask()
{
    const std::optional<FieldSnapshot>& field = hooks_.field();
    if (!field || field->isSecure)
        return;
    const FieldSnapshot s = *field;
    if (hooks_.isHeld(s))
        return;
    QRectF caret;
    if (s.caretRect)
        caret = *s.caretRect;
    else if (s.fieldFrame)
        caret = QRectF(s.fieldFrame->x(), s.fieldFrame->y(), 1, 0); // left and bottom edge (y-up)
    else
        return;

    std::optional<QString> current = hooks_.shownRest(s.fieldKey);
    const Asked asked = hooks_.ask(s);

    CompletionProvider& provider = *asked.provider;
    job_ = Job{s, std::move(current), caret, asked.wordLimit, provider.style()};
    cancelTask(task_);
    hooks_.asking();
    hooks_.status(EngineStatus::thinking());

    TaskHandle task = makeTask(clock_);
    task_ = task;
    const Future<QStringList> reply = provider.alternatives(asked.request, kAsked);
    task->onCancel([reply] { reply.cancel(); });
    std::weak_ptr<EngineTask> weak = task;
    reply.then(context_, [this, weak](const Outcome<QStringList>& outcome) {
        const TaskHandle t = weak.lock();
        if (!t || t->isCancelled() || t != task_)
            return;
        // A failed call lists what there is without it; the error itself is dropped.
        list(outcome.hasValue() ? outcome.value() : QStringList());
    });
}

void AlternativesController::list(const QStringList& replies)
{
    const std::optional<FieldSnapshot>& field = hooks_.field();
    if (!job_ || !field)
        return;
    const Job job = *job_;
    job_.reset();
    const QString before = field->before;
    // Typed meanwhile, or another field (whose text may read the same): the new text has its
    // own evaluation.
    if (before != job.snapshot.before || field->fieldKey != job.snapshot.fieldKey)
        return;

    const ReplyCleaner::MisspelledTest misspelled = [this](const QString& word) { return !hooks_.isKnownWord(word); };
    QStringList cleaned;
    cleaned.reserve(replies.size());
    for (const QString& reply : replies)
        cleaned.append(ReplyCleaner::clean(reply, before, job.snapshot.after, job.wordLimit, job.style, misspelled,
                                           job.snapshot.tabLeavesField()));
    const QStringList items = ReplyCleaner::distinctAlternatives(job.current, cleaned);
    if (items.isEmpty()) {
        hooks_.status(hooks_.hasSuggestion() ? EngineStatus::showing() : EngineStatus::idle());
        return;
    }
    hooks_.hideGhost();
    panel_->show(items, before, trailingWord(before), hooks_.acceptWordHint().value_or(QStringLiteral("tab")), job.caret);
    hooks_.announce(tq::text("%Ln suggestions. %1 selected", int(items.size()))
                        .arg(chars::trimSpacesAndTabs(items.first()).toString()));
    hooks_.status(EngineStatus::showing());
}

QList<KeyCombo> AlternativesController::actingKeys() const
{
    QList<KeyCombo> keys;
    for (std::uint16_t code : {keycode::kReturn, keycode::kKeypadEnter, keycode::kEscape, keycode::kUp, keycode::kDown})
        keys.append(KeyCombo{code, {}});
    for (const auto& key : {prefs_.acceptWordKey(), prefs_.acceptAllKey(), prefs_.alternativesKey()}) {
        if (key && !keys.contains(*key))
            keys.append(*key);
    }
    return keys;
}

std::optional<bool> AlternativesController::handleKey(const KeyPress& press)
{
    if (!actingKeys().contains(KeyCombo{press.keyCode, press.modifiers})) {
        panel_->hide();
        return std::nullopt;
    }
    if (press.modifiers.isEmpty()) {
        switch (press.keyCode) {
        case keycode::kReturn:
        case keycode::kKeypadEnter:
            insertSelected();
            return true;
        case keycode::kEscape:
            hooks_.holdCurrentText();
            panel_->hide();
            hooks_.status(EngineStatus::idle());
            return true;
        case keycode::kUp:
        case keycode::kDown: {
            panel_->move(press.keyCode == keycode::kUp ? -1 : 1);
            if (const auto row = panel_->selectedItem())
                hooks_.announce(chars::trimSpacesAndTabs(*row).toString());
            return true;
        }
        default:
            break;
        }
    }
    if (matches(prefs_.acceptWordKey(), press) || matches(prefs_.acceptAllKey(), press)) {
        insertSelected();
        return true;
    }
    panel_->move(1); // the alternatives key
    return true;
}

void AlternativesController::insertSelected()
{
    const auto item = panel_->selectedItem();
    const std::optional<FieldSnapshot>& field = hooks_.field();
    if (!item || !field || !hooks_.canInsert())
        return;
    const FieldSnapshot s = *field;
    panel_->hide();
    hooks_.insert(*item, s);
}

void AlternativesController::close()
{
    cancelTask(task_);
    panel_->hide();
}

} // namespace tq
