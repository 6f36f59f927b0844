// Keys offered by the key tap: acceptance, Escape, the trigger, the toggles, and the pointer.

#include "completion/CompletionEngine.h"

#include "platform/Chars.h"
#include "platform/Log.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"

namespace tq {

namespace {

constexpr int kAppPauseSeconds = 900;

// No modifier but possibly shift.
bool isPlain(const KeyPress& press)
{
    ModifierSet m = press.modifiers;
    m.remove(ModifierSet::shift);
    return m.isEmpty();
}

bool isBareEscape(const KeyPress& press)
{
    return press.keyCode == keycode::kEscape && press.modifiers.isEmpty();
}

void addKey(QList<KeyCombo>& keys, const std::optional<KeyCombo>& key)
{
    if (key && !keys.contains(*key))
        keys.append(*key);
}

QString flag(bool present) { return present ? QStringLiteral("true") : QStringLiteral("false"); }

// True when an acceptance has what it needs; otherwise logs what is missing.
bool readyToAccept(const char* what, bool suggestion, bool source, bool snapshot)
{
    if (suggestion && source && snapshot)
        return true;
    log::info(QStringLiteral("%1 skipped: suggestion %2, source %3, snapshot %4")
                  .arg(QLatin1String(what), flag(suggestion), flag(source), flag(snapshot)));
    return false;
}

} // namespace

QList<KeyCombo> CompletionEngine::actingKeys() const
{
    QList<KeyCombo> keys;
    for (const auto& key : {prefs_.triggerKey(), prefs_.alternativesKey(), prefs_.toggleAppKey(), prefs_.toggleGlobalKey()})
        addKey(keys, key);
    if (emojiOffers_->isOpen()) {
        for (const KeyCombo& key : emojiOffers_->actingKeys())
            addKey(keys, key);
    }
    if (alternatives_->isOpen()) {
        for (const KeyCombo& key : alternatives_->actingKeys())
            addKey(keys, key);
    }
    const bool escapeTaken = snapshot() && prefs_.escapeBehavior() != EscapeBehavior::passThrough;
    const bool fix = fixShown();
    const bool suggestion = suggestionShown();
    for (const auto& accept : {prefs_.acceptWordKey(), prefs_.acceptAllKey()}) {
        if (accept && (fix || (suggestion && !tabVetoed(*accept))))
            addKey(keys, accept);
    }
    if (escapeTaken && (fix || suggestion))
        addKey(keys, KeyCombo{keycode::kEscape, {}});
    return keys;
}

bool CompletionEngine::handleKey(const KeyPress& press, bool held)
{
    if (!held && actingKeys().contains(KeyCombo{press.keyCode, press.modifiers})) {
        // The application has the key already: acting on it too would do the key's work twice.
        pointerDown(); // what is on show goes, as for a press elsewhere
        restartRefresh(15);
        return false;
    }
    if (emojiOffers_->isOpen()) {
        if (const auto answer = emojiOffers_->handleKey(press))
            return *answer;
    }
    if (alternatives_->isOpen()) {
        if (const auto answer = alternatives_->handleKey(press))
            return *answer;
    }
    if (matches(prefs_.alternativesKey(), press)) {
        alternatives_->ask();
        return true;
    }

    const bool acceptWord = matches(prefs_.acceptWordKey(), press);
    const bool acceptRest = matches(prefs_.acceptAllKey(), press);

    if (fixShown()) {
        if (acceptWord || acceptRest) {
            if (fixes_->accept(*fixes_->pending()))
                return true;
        } else if (isBareEscape(press)) {
            return handleEscape();
        } else {
            presenter_->hide();
        }
    }

    bool typedOver = false;
    if (suggestionShown()) {
        const bool vetoed = tabVetoed(KeyCombo{press.keyCode, press.modifiers});
        if (acceptWord && !vetoed) {
            acceptNextWord();
            return true;
        }
        if (acceptRest && !vetoed) {
            acceptAll();
            return true;
        }
        if (!acceptRest && isBareEscape(press))
            return handleEscape();
        if (!press.characters.isEmpty() && isPlain(press)) {
            const QString rest = suggestion_->remaining();
            const int typed = chars::count(press.characters);
            if (chars::first(rest, typed).toString() == press.characters) {
                const QString left = rest.mid(chars::offsetAfter(rest, typed));
                // Counted at once: an accept key pressed before the application reports this
                // key must not insert the typed characters a second time.
                if (!left.isEmpty())
                    suggestion_->consumed += typed;
                presenter_->advance(press.characters, left,
                                    snapshot() ? std::optional<QString>(snapshot()->fieldKey) : std::nullopt);
                typedOver = true;
            } else {
                presenter_->hide();
            }
        } else {
            presenter_->hide();
        }
    }

    if (matches(prefs_.triggerKey(), press)) {
        triggerNow();
        return true;
    }
    if (matches(prefs_.toggleAppKey(), press)) {
        toggleAppPause();
        return true;
    }
    if (matches(prefs_.toggleGlobalKey(), press)) {
        toggleGlobal();
        return true;
    }
    if (!press.characters.isEmpty() && isPlain(press)) {
        keyInFlight_ = true;
        if (!typedOver)
            noteUnseen(press.characters);
    } else {
        unseen_.reset(); // what this key does to the text is not known
    }
    restartRefresh(15);
    return false;
}

void CompletionEngine::acceptNextWord()
{
    if (!readyToAccept("accept next", bool(suggestion_), source_ != nullptr, bool(snapshot())))
        return;
    const FieldSnapshot s = *snapshot();
    const QString rest = suggestion_->remaining();
    const QString chunk = Suggestion::nextChunk(rest, prefs_.trailingSpace(), prefs_.trailingPunctuation());
    if (chunk.isEmpty()) {
        log::info(QStringLiteral("accept next: empty chunk, %1 chars remaining").arg(chars::count(rest)));
        return;
    }
    const InsertionMethod method = insertionMethod();
    const int chunkCount = chars::count(chunk);
    log::info(QStringLiteral("accept next: %1 chars via %2").arg(chunkCount).arg(rawValue(method)));

    presenter_->expectAdvance(s.fieldKey, chunk);

    const int consumed = suggestion_->consumed + chunkCount;
    const QString text = suggestion_->text;
    if (consumed < chars::count(text)) {
        suggestion_->consumed = consumed;
        presenter_->advance(chunk, text.mid(chars::offsetAfter(text, consumed)), s.fieldKey);
    } else {
        suggestion_.reset();
        presenter_->hide();
        setStatus(Status::idle());
    }
    lastInjection_ = Injection{s.fieldKey, chunk, clock_->monotonic()};
    source_->insert(chunk, method);
    recordAcceptance(chunk, s);
    restartRefresh(30);
}

void CompletionEngine::acceptAll()
{
    if (!readyToAccept("accept all", bool(suggestion_), source_ != nullptr, bool(snapshot())))
        return;
    const FieldSnapshot s = *snapshot();
    const QString rest = suggestion_->remaining();
    suggestion_.reset();
    presenter_->hide();
    setStatus(Status::idle());
    lastInjection_ = Injection{s.fieldKey, rest, clock_->monotonic()};
    source_->insert(rest, insertionMethod());
    recordAcceptance(rest, s);
    restartRefresh(30);
}

bool CompletionEngine::handleEscape()
{
    if (!snapshot())
        return false;
    switch (prefs_.escapeBehavior()) {
    case EscapeBehavior::dismiss:
        holdCurrentText();
        dismiss(Status::idle());
        return true;
    case EscapeBehavior::dismissForField:
        suppressed_ = Suppression{snapshot()->fieldKey, std::nullopt};
        dismiss(Status::idle());
        return true;
    case EscapeBehavior::passThrough:
        dismiss(Status::idle());
        return false;
    }
    return false;
}

void CompletionEngine::triggerNow()
{
    forceNext_ = true;
    suppressed_.reset();
    cancelRefreshTask();
    refresh(false);
}

void CompletionEngine::toggleAppPause()
{
    if (!snapshot() || snapshot()->isLocal)
        return;
    const QString key = AppRules::appKey(snapshot()->bundleID);
    const QDateTime now = clock_->now();
    if (!rules_.pausedUntil(key, now)) {
        rules_.rememberName(snapshot()->appName, key);
        rules_.pause(key, double(kAppPauseSeconds), now);
    } else {
        rules_.resume(key);
    }
    cancelRefreshTask();
    refresh(false);
}

void CompletionEngine::toggleGlobal()
{
    prefs_.setIsEnabled(!prefs_.isEnabled());
    cancelRefreshTask();
    refresh(false);
}

InsertionMethod CompletionEngine::insertionMethod() const
{
    if (decision_ && decision_->insertion)
        return *decision_->insertion;
    return prefs_.insertion();
}

void CompletionEngine::recordAcceptance(const QString& text, const FieldSnapshot& s)
{
    if (s.isLocal)
        return;
    const QString key = AppRules::appKey(s.bundleID);
    stats_.recordAccepted(text, key, clock_->now());
    rules_.rememberName(s.appName, key);
    if (session_)
        ++session_->accepted;
}

void CompletionEngine::pointerDown()
{
    if (suggestion_ || fixes_->pending() || emojiOffers_->isOpen() || alternatives_->isOpen())
        dismiss(Status::idle());
}

bool CompletionEngine::fixShown() const
{
    if (!fixes_->pending() || !presenter_->isShowing())
        return false;
    const auto shown = presenter_->shown();
    return shown && shown->kind.isFix();
}

bool CompletionEngine::suggestionShown() const { return suggestion_ && presenter_->isShowing(); }

bool CompletionEngine::tabVetoed(const KeyCombo& key) const
{
    return key == KeyCombo{keycode::kTab, {}} && decision_ && !decision_->tabAccepts;
}

} // namespace tq
