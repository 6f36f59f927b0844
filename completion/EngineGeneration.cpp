// One request to the active provider: building it, the watchdog, streamed partial text, the
// final reply or failure, and turning the cleaned text into the suggestion on show.

#include "completion/CompletionEngine.h"

#include "services/PowerMonitor.h"
#include "services/TypoChecker.h"
#include "completion/Following.h"
#include "completion/ReplyCleanup.h"
#include "platform/Chars.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"

namespace tq {

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

GenerationRunner::Hooks CompletionEngine::runnerHooks()
{
    GenerationRunner::Hooks h;
    h.clean = [this](const QString& text, const GenerationRunner::Run& run) {
        return cleanReply(text, run.snapshot, run.wordLimit, run.style);
    };
    h.show = [this](const QString& cleaned, const FieldSnapshot& s, bool isNew) { return show(cleaned, s, isNew); };
    h.replied = [this](const QString& reply) { lastOutput_.set(reply); };
    h.latency = [this](qint64 ms) {
        lastLatency_.set(ms);
        stats_.recordLatency(ms);
    };
    h.ended = [this](GenerationRunner::End end, const QString& message) {
        switch (end) {
        case GenerationRunner::End::withdrawn:
            clearSuggestion();
            setStatus(Status::idle());
            break;
        case GenerationRunner::End::empty:
        case GenerationRunner::End::gaveUp: // nothing of ours cancelled it: nothing to show
            setStatus(Status::idle());
            break;
        case GenerationRunner::End::timedOut:
            setStatus(Status::failed(tq::text("The model took too long to answer")));
            break;
        case GenerationRunner::End::failed:
            setStatus(Status::failed(message));
            break;
        }
    };
    return h;
}

void CompletionEngine::startGeneration(const FieldSnapshot& s, int g, const TaskHandle& task)
{
    setStatus(Status::thinking());
    const Request built = makeRequest(s);
    CompletionProvider& provider = providers_.active();

    GenerationRunner::Run run;
    run.snapshot = s;
    run.generation = g;
    run.wordLimit = built.wordLimit;
    run.style = provider.style();
    lastPrompt_.set(run.style == PromptStyle::raw
                        ? built.request.rawPrompt
                        : built.request.instructions + QStringLiteral("\n\n") + built.request.prompt);
    runner_.start(provider, built.request, std::move(run), task);
}

bool CompletionEngine::show(const QString& cleaned, const FieldSnapshot& requestSnapshot, bool isNew)
{
    const std::optional<FieldSnapshot>& now = snapshot();
    if (!now || now->fieldKey != requestSnapshot.fieldKey)
        return false;
    const QString anchorTail = chars::last(requestSnapshot.before, kAnchorTail).toString();
    const std::optional<int> consumed = typedProgress(cleaned, anchorTail, now->before);
    if (!consumed || *consumed >= chars::count(cleaned)) {
        if (isNew)
            setStatus(Status::idle());
        return false;
    }
    suggestion_ = Suggestion{cleaned, anchorTail, *consumed, requestSnapshot.fieldKey};
    lastSuggestion_.set(cleaned);
    if (isNew) {
        if (!now->isLocal)
            stats_.recordShown(clock_->now());
        const QString remaining = suggestion_->remaining();
        announce(tq::text("Suggestion: %1").arg(chars::trimSpacesAndTabs(remaining).toString()));
        // Counted up to where the hint stops showing, and no further.
        if (prefs_.showKeyHint() && prefs_.keyHintsShown() < GhostPresenter::kKeyHintLimit)
            prefs_.setKeyHintsShown(prefs_.keyHintsShown() + 1);
    }
    if (!keyInFlight_)
        present(*now);
    return true;
}

QString CompletionEngine::cleanReply(const QString& reply, const FieldSnapshot& s, int wordLimit, PromptStyle style)
{
    TypoChecker* typo = &typo_;
    return ReplyCleaner::clean(reply, s.before, s.after, wordLimit, style,
                               [typo](const QString& word) { return typo->isMisspelled(word.toLower()); },
                               s.tabLeavesField());
}

QString CompletionEngine::cleanReplyForTest(const QString& reply, const QString& before, const QString& after,
                                            int wordLimit)
{
    return ReplyCleaner::clean(reply, before, after, wordLimit, PromptStyle::instruct);
}

} // namespace tq
