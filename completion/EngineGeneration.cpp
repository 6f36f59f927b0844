// One request to the active provider: building it, the watchdog, streamed partial text, the
// final reply or failure, and turning the cleaned text into the suggestion on show.

#include "completion/CompletionEngine.h"

#include "app/services/PowerMonitor.h"
#include "app/services/TypoChecker.h"
#include "completion/Chars.h"
#include "completion/Following.h"
#include "completion/ReplyCleanup.h"
#include "platform/Grapheme.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"

namespace tq {

namespace {

// The part of a streamed reply that will not change: complete words only, or, for scripts
// written without spaces, the whole text once it has two characters.
std::optional<QString> stablePart(QString text)
{
    if (text.endsWith(QChar(0xFFFD)))
        text.chop(1);
    const QList<uint> scalars = text.toUcs4();
    for (uint c : scalars) {
        if (chars::isCJK(c)) {
            const QStringView trimmed = chars::trim(text, chars::isSpaceOrTab);
            if (grapheme::count(trimmed) >= 2)
                return text;
            return std::nullopt;
        }
    }
    qsizetype cut = text.size();
    while (cut > 0 && !text[cut - 1].isSpace())
        --cut;
    if (cut == 0)
        return std::nullopt;
    const QString stable = text.left(cut - 1);
    if (!chars::hasLetterOrNumber(stable))
        return std::nullopt;
    return stable;
}

// The last `n` characters. A text that ends in plain ASCII is cut without walking all of it:
// between two printable ASCII characters there is always a character boundary.
QString lastCharacters(const QString& text, int n)
{
    auto plain = [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; };
    qsizetype i = text.size() - 1;
    int k = 0;
    while (k < n && i >= 0 && plain(text[i])) {
        --i;
        ++k;
    }
    if (k == n && (i < 0 || plain(text[i])))
        return text.right(n);
    return grapheme::suffix(text, n);
}

QString trimSpacesAndTabs(const QString& s) { return chars::trim(s, chars::isSpaceOrTab).toString(); }

} // namespace

// ---- request building

CompletionEngine::Request CompletionEngine::makeRequest(const FieldSnapshot& s)
{
    const bool onBattery = power_.onBattery();
    RequestSettings settings;
    settings.ruleLength = decision_ ? decision_->length : std::nullopt;
    settings.length = prefs_.length();
    settings.onBattery = onBattery;
    settings.batteryShorter = prefs_.batteryShorter();
    settings.creativity = prefs_.creativity();
    settings.model = providers_.modelName ? providers_.modelName(prefs_.engine(), onBattery) : QString();

    const QStringList examples = prefs_.memoryEnabled() ? writingExamples(s) : QStringList();
    const std::optional<QString> about = customInstructions(prefs_.customInstructions());
    const PromptContext context = context_.context ? context_.context(s, about, examples) : PromptContext{};
    const BuiltRequest built = buildRequest(s.before, context, settings);
    return {built.request, built.wordLimit};
}

QStringList CompletionEngine::writingExamples(const FieldSnapshot& s)
{
    return tq::writingExamples(exampleCache_, s.fieldKey, s.bundleID, s.before, exampleLimit(prefs_.memoryStrength()),
                               clock_->now(), [this](const QString& query, const QString& appKey, int limit) {
                                   return memory_.examples(query, appKey, limit);
                               });
}

// ---- generation

void CompletionEngine::startGeneration(const FieldSnapshot& s, int g, const TaskHandle& task)
{
    setStatus(Status::thinking());
    const Request built = makeRequest(s);
    CompletionProvider& provider = providers_.active();

    GenerationRun run;
    run.snapshot = s;
    run.generation = g;
    run.wordLimit = built.wordLimit;
    run.style = provider.style();
    run.request = built.request;
    setLastPrompt(run.style == PromptStyle::raw
                      ? run.request.rawPrompt
                      : run.request.instructions + QStringLiteral("\n\n") + run.request.prompt);
    run.start = clock_->monotonic();

    QPointer<CompletionEngine> self(this);
    const Future<QString> call = provider.complete(run.request, [self, run](const QString& partial) {
        if (self)
            self->handlePartial(run, partial);
    });

    // After 8 s the call is cancelled; its end then reads as a time-out whatever the provider
    // reports, so the status never stays on "Thinking".
    auto timedOut = std::make_shared<bool>(false);
    if (watchdog_)
        watchdog_->cancel();
    TaskHandle watchdog = makeTask();
    watchdog_ = watchdog;
    watchdog->sleep(kWatchdog, [call, timedOut] {
        *timedOut = true;
        call.cancel();
    });
    task->onCancel([call] { call.cancel(); });

    // The continuation holds the jobs weakly: the engine owns them.
    std::weak_ptr<EngineTask> weakTask = task;
    std::weak_ptr<EngineTask> weakWatchdog = watchdog;
    call.then(this, [self, run, weakWatchdog, timedOut, weakTask](const Outcome<QString>& outcome) {
        if (const TaskHandle w = weakWatchdog.lock())
            w->cancel();
        if (!self)
            return;
        const TaskHandle t = weakTask.lock();
        if (outcome.hasValue())
            self->handleReply(run, outcome.value(), t);
        else
            self->handleFailure(run, outcome, *timedOut, t);
    });
}

void CompletionEngine::handleReply(const GenerationRun& run, const QString& reply, const TaskHandle& task)
{
    if (run.generation != generation_ || !task || task->isCancelled())
        return;
    setLastOutput(reply);
    const QString cleaned = cleanReply(reply, run.snapshot, run.wordLimit, run.style);
    std::optional<QString> streamed;
    if (streaming_ && streaming_->generation == run.generation)
        streamed = streaming_->text;
    streaming_.reset();
    if (!streamed)
        recordLatency(run.start);

    if (!cleaned.isEmpty()) {
        if (!streamed)
            show(cleaned, run.snapshot, true);
        else if (cleaned != *streamed && (cleaned.startsWith(*streamed) || streamed->startsWith(cleaned)))
            show(cleaned, run.snapshot, false);
        return;
    }
    if (streamed)
        clearSuggestion();
    setStatus(Status::idle());
}

void CompletionEngine::handleFailure(const GenerationRun& run, const Outcome<QString>& outcome, bool timedOut,
                                     const TaskHandle& task)
{
    if (run.generation != generation_ || !task || task->isCancelled())
        return;
    streaming_.reset();
    if (timedOut) {
        setStatus(Status::failed(tq::text("The model took too long to answer")));
        return;
    }
    if (outcome.isCancelled()) {
        // The provider gave up on its own (nothing of ours cancelled it): nothing to show.
        setStatus(Status::idle());
        return;
    }
    setStatus(Status::failed(outcome.errorMessage()));
}

void CompletionEngine::handlePartial(const GenerationRun& run, const QString& partial)
{
    if (run.generation != generation_)
        return;
    const std::optional<QString> stable = stablePart(partial);
    if (!stable)
        return;
    const QString cleaned = cleanReply(*stable, run.snapshot, run.wordLimit, run.style);
    if (cleaned.isEmpty())
        return;
    const bool streamedBefore = streaming_ && streaming_->generation == run.generation;
    bool stored = false;
    if (streamedBefore) {
        if (grapheme::count(cleaned) <= grapheme::count(streaming_->text) || !cleaned.startsWith(streaming_->text))
            return;
        stored = show(cleaned, run.snapshot, false);
    } else {
        stored = show(cleaned, run.snapshot, true);
    }
    if (!stored)
        return;
    if (!streamedBefore)
        recordLatency(run.start);
    streaming_ = Streaming{run.generation, cleaned};
}

void CompletionEngine::recordLatency(Nanos start)
{
    const qint64 ms = std::chrono::duration_cast<Millis>(clock_->monotonic() - start).count();
    setLastLatency(ms);
    stats_.recordLatency(ms);
}

bool CompletionEngine::show(const QString& cleaned, const FieldSnapshot& requestSnapshot, bool isNew)
{
    if (!snapshot_ || snapshot_->fieldKey != requestSnapshot.fieldKey)
        return false;
    const QString anchorTail = lastCharacters(requestSnapshot.before, kAnchorTail);
    const std::optional<int> consumed = typedProgress(cleaned, anchorTail, snapshot_->before);
    if (!consumed || *consumed >= grapheme::count(cleaned)) {
        if (isNew)
            setStatus(Status::idle());
        return false;
    }
    suggestion_ = Suggestion{cleaned, anchorTail, *consumed, requestSnapshot.fieldKey};
    setLastSuggestion(cleaned);
    if (isNew) {
        if (!snapshot_->isLocal)
            stats_.recordShown(clock_->now());
        announce(tq::text("Suggestion: ") + trimSpacesAndTabs(suggestion_->remaining()));
        if (prefs_.showKeyHint())
            prefs_.setKeyHintsShown(prefs_.keyHintsShown() + 1);
    }
    if (!keyInFlight_)
        present(*suggestion_, *snapshot_);
    return true;
}

QString CompletionEngine::cleanReply(const QString& reply, const FieldSnapshot& s, int wordLimit, PromptStyle style)
{
    TypoChecker* typo = &typo_;
    return ReplyCleaner::clean(reply, s.before, s.after, wordLimit, style,
                               [typo](const QString& word) { return typo->isMisspelled(word.toLower()); });
}

QString CompletionEngine::cleanReplyForTest(const QString& reply, const QString& before, const QString& after,
                                            int wordLimit)
{
    return ReplyCleaner::clean(reply, before, after, wordLimit, PromptStyle::instruct);
}

} // namespace tq
