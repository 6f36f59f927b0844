// Reading the field, field sessions and the gates that hold suggestions back.

#include "completion/CompletionEngine.h"

#include "platform/Platform.h"

#include "services/TypoChecker.h"
#include "overlay/AlternativesPanel.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "settings/Preferences.h"
#include "stores/WritingMemory.h"

namespace tq {

namespace {

// Typing adds a few characters at the caret or deletes some before it; anything else (the
// caret moved, a click elsewhere, a paste, a document opened) changes the text before the caret
// by more, and the prompt of the next request starts differently.
bool changedMoreThanTyping(const FieldSnapshot& was, const FieldSnapshot& now)
{
    constexpr qsizetype kTypedAtOnce = 8;
    constexpr qsizetype kDeletedAtOnce = 32; // a word, with Ctrl+Backspace
    const QString& old = was.before;
    const QString& fresh = now.before;
    if (old == fresh)
        return false;
    if (was.after != now.after)
        return true; // the caret moved
    if (fresh.startsWith(old))
        return fresh.size() - old.size() > kTypedAtOnce;
    if (old.startsWith(fresh))
        return old.size() - fresh.size() > kDeletedAtOnce;
    return true;
}

} // namespace

int CompletionEngine::LineEnd::length() const { return chars::count(before) + chars::count(after); }

bool CompletionEngine::refresh(bool onlyIfChanged)
{
    const std::optional<FieldSnapshot> old = snapshot();
    std::optional<FieldSnapshot> fresh = source_ ? source_->snapshot() : std::nullopt;
    if (fresh) {
        if (onlyIfChanged && old && *fresh == *old)
            return false;
        setSnapshot(fresh);
        keyInFlight_ = false;
        if (!old)
            unseen_.reset();
        else if (old->fieldKey != fresh->fieldKey || old->before != fresh->before || old->after != fresh->after)
            catchUp(*old, *fresh);
        if (old && old->fieldKey == fresh->fieldKey) {
            evaluate(*fresh);
            if (changedMoreThanTyping(*old, *fresh))
                warmPrompt(*fresh);
            return true;
        }
        switchField(old, fresh);
        evaluate(*fresh);
        warmPrompt(*fresh);
        return true;
    }
    if (source_) {
        if (auto why = source_->whyNoField())
            quietHold(QStringLiteral("no field in ") + *why);
    }
    if (old)
        switchField(old, std::nullopt);
    unseen_.reset();
    forceNext_ = false;
    setSnapshot(std::nullopt);
    dismiss(Status::idle());
    return true;
}

void CompletionEngine::switchField(const std::optional<FieldSnapshot>& from, const std::optional<FieldSnapshot>& to)
{
    if (from && session_ && session_->fieldKey == from->fieldKey && prefs_.memoryEnabled()
        && (session_->accepted >= 1 || prefs_.memoryRecordAll()) && mayRemember(*from)) {
        memory_.record(from->before, AppRules::appKey(from->bundleID), clock_->now());
    }
    fixes_->drop();
    preparedFieldKey_.reset();
    clearSuggestion();
    if (to) {
        openSpelling();
        session_ = FieldSession{to->fieldKey, 0};
        const QDateTime now = clock_->now();
        if (!lastPrewarm_.isValid() || lastPrewarm_.secsTo(now) > kPrewarmInterval) {
            lastPrewarm_ = now;
            if (providers_.warmUp)
                providers_.warmUp();
        }
    } else {
        session_.reset();
    }
}

bool CompletionEngine::mayRemember(const FieldSnapshot& s) const
{
    if (s.isLocal || gate(s).held())
        return false;
    return ruleDecision(s).recordWriting;
}

RuleDecision CompletionEngine::ruleDecision(const FieldSnapshot& s) const
{
    return rules_.decision(s.bundleID, s.domain, prefs_.enabledByDefault(), prefs_.codeEditorsEnabled(),
                           clock_->now());
}

GateFacts CompletionEngine::gateFacts(const FieldSnapshot& s) const
{
    GateFacts facts;
    facts.enabled = prefs_.isEnabled();
    facts.secure = s.isSecure;
    facts.local = s.isLocal;
    // What lies past the first gates is asked for only when they let the field through.
    if (!facts.enabled || facts.secure || facts.local)
        return facts;
    if (holdReason)
        facts.competing = holdReason();
    if (!facts.competing)
        facts.rule = ruleDecision(s);
    return facts;
}

HoldSettings CompletionEngine::holdSettings() const
{
    HoldSettings settings;
    settings.completeInsideText = prefs_.completeInsideText();
    settings.ignoreSmallFields = prefs_.ignoreSmallFields();
    settings.onDemand = isOnDemand();
    settings.forced = forceNext_;
    return settings;
}

QString CompletionEngine::onDemandText() const
{
    if (const auto key = prefs_.triggerKey())
        return tq::text("Press %1 for a suggestion").arg(key->displayText(platform_.keyLayout()));
    // Nothing to press: say where the shortcut is set.
    return tq::text("Set a Suggest Now shortcut in Keys to ask for suggestions");
}

QString CompletionEngine::holdLabel(const Hold& hold, const GateFacts& facts) const
{
    switch (hold.kind) {
    case HoldKind::none:
        return {};
    case HoldKind::turnedOff:
        return tq::text("%app is turned off");
    case HoldKind::secureInput:
        return tq::text("Secure input is on, so %app stays out");
    case HoldKind::competingApp:
        return facts.competing.value_or(QString());
    case HoldKind::appRule:
        return hold.decision && hold.decision->reason ? *hold.decision->reason : tq::text("Off in this app");
    case HoldKind::textSelected:
        return tq::text("Text is selected");
    case HoldKind::caretInsideText:
        return tq::text("The caret is inside existing text");
    case HoldKind::fieldTooSmall:
        return tq::text("This field is too small");
    case HoldKind::fewCharacters:
        return tq::text("Waiting for a few characters");
    case HoldKind::newLine:
        return tq::text("Start of a new line");
    case HoldKind::onDemand:
        return onDemandText();
    }
    return {};
}

void CompletionEngine::evaluate(const FieldSnapshot& s)
{
    // A forced trigger stays set until a request is made (or the field goes away).
    if (alternatives_->isOpen()) {
        if (choices().model().anchorBefore() == s.before)
            return;
        choices().hide();
    }
    const GateFacts facts = gateFacts(s);
    const Hold hold = holdFor(s, facts, holdSettings());
    decision_ = hold.decision;
    prepareContext(s);
    if (hold.held()) {
        if (hold.kind == HoldKind::caretInsideText && caretInsideTextCheck(s))
            return;
        dismiss(Status::blocked(holdLabel(hold, facts)));
        return;
    }
    lagSuspect_.reset();
    if (chars::isBlank(s.restOfLine()))
        lastLineEnd_ = LineEnd{s.fieldKey, s.before, s.after};

    const bool sameTextSuppressed =
        suppressed_ && suppressed_->fieldKey == s.fieldKey && suppressed_->before && *suppressed_->before == s.before;
    if (emojiOffers_->offer(s, sameTextSuppressed))
        return;
    if (followTyping(s))
        return;
    if (fixes_->reshow(s))
        return;
    if (suggestion_ && suggestion_->fieldKey == s.fieldKey) {
        log::info(QStringLiteral("suggestion dropped: the text went another way (%1 chars were left)")
                      .arg(chars::count(suggestion_->remaining())));
    }
    fixes_->drop();
    clearSuggestion();

    if (suppressed_ && suppressed_->fieldKey == s.fieldKey && (!suppressed_->before || *suppressed_->before == s.before)) {
        setStatus(Status::idle());
        return;
    }
    suppressed_.reset();

    if (fixes_->offer(s))
        return;
    if (prefs_.hideOnTypo() && !forceNext_ && typo_.looksLikeTypo(s.before)) {
        log::info(QStringLiteral("held: the word being typed looks misspelled (%1 letters)")
                      .arg(chars::count(TypoChecker::lastWord(s.before))));
        setStatus(Status::blocked(tq::text("This word looks misspelled")));
        return;
    }
    if (const auto why = providers_.silentReason ? providers_.silentReason() : std::nullopt) {
        setStatus(Status::blocked(*why)); // no engine can answer: nothing is asked
        return;
    }
    scheduleAfterPause(s);
}

void CompletionEngine::prepareContext(const FieldSnapshot& s)
{
    if (preparedFieldKey_ == s.fieldKey)
        return;
    if (gate(s).held())
        return;
    preparedFieldKey_ = s.fieldKey;
    if (context_.prepare)
        context_.prepare(s);
}

bool CompletionEngine::caretInsideTextCheck(const FieldSnapshot& s)
{
    if (lagSuspect_ == s.before)
        return false;
    if (!lastLineEnd_ || lastLineEnd_->fieldKey != s.fieldKey)
        return false;
    const int rest = chars::count(s.restOfLine());
    if (rest < 1 || rest > 2)
        return false;
    if (lastLineEnd_->length() >= chars::count(s.before) + chars::count(s.after))
        return false;

    lagSuspect_ = s.before;
    cancelTask(lagCheck_);
    TaskHandle task = makeTask(*clock_);
    lagCheck_ = task;
    QPointer<CompletionEngine> self(this);
    const QString before = s.before;
    const QString after = s.after;
    task->sleep(kLagCheck, [self, before, after] {
        if (!self || !self->snapshot())
            return;
        if (self->snapshot()->before == before && self->snapshot()->after == after)
            self->evaluate(*self->snapshot());
    });
    return true;
}

} // namespace tq
