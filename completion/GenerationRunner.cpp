#include "completion/GenerationRunner.h"

#include "platform/Chars.h"

#include <QPointer>

namespace tq {

std::optional<QString> stableStreamedPart(QString text)
{
    if (text.endsWith(QChar(0xFFFD)))
        text.chop(1);
    const QList<uint> scalars = text.toUcs4();
    for (uint c : scalars) {
        if (chars::isCJK(c)) {
            const QStringView trimmed = chars::trim(text, chars::isSpaceOrTab);
            if (chars::count(trimmed) >= 2)
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

GenerationRunner::GenerationRunner(Clock& clock, QObject* context, Hooks hooks)
    : clock_(clock)
    , context_(context)
    , hooks_(std::move(hooks))
{
}

void GenerationRunner::start(CompletionProvider& provider, const CompletionRequest& request, Run run,
                             const TaskHandle& task)
{
    run.start = clock_.monotonic();
    // The callbacks run only while the context lives; the context owns this runner.
    QPointer<QObject> alive(context_);
    const Future<QString> call = provider.complete(request, [this, alive, run](const QString& text) {
        if (alive)
            partial(run, text);
    });

    // A call the watchdog cancelled ends as a time-out whatever the provider reports, so the
    // request never stays unanswered.
    auto timedOut = std::make_shared<bool>(false);
    cancelTask(watchdog_);
    TaskHandle watchdog = makeTask(clock_);
    watchdog_ = watchdog;
    watchdog->sleep(kWatchdog, [call, timedOut] {
        *timedOut = true;
        call.cancel();
    });
    task->onCancel([call] { call.cancel(); });

    // The continuation holds the jobs weakly: their owners keep them.
    std::weak_ptr<EngineTask> weakTask = task;
    std::weak_ptr<EngineTask> weakWatchdog = watchdog;
    call.then(context_, [this, alive, run, weakWatchdog, timedOut, weakTask](const Outcome<QString>& outcome) {
        if (const TaskHandle w = weakWatchdog.lock())
            w->cancel();
        if (!alive)
            return;
        const TaskHandle t = weakTask.lock();
        if (outcome.hasValue())
            reply(run, outcome.value(), t);
        else
            failure(run, outcome, *timedOut, t);
    });
}

void GenerationRunner::reply(const Run& run, const QString& text, const TaskHandle& task)
{
    if (run.generation != generation_ || !task || task->isCancelled())
        return;
    hooks_.replied(text);
    const QString cleaned = hooks_.clean(text, run);
    std::optional<QString> streamed;
    if (streamed_ && streamed_->generation == run.generation)
        streamed = streamed_->text;
    streamed_.reset();
    if (!streamed)
        recordLatency(run.start);

    if (!cleaned.isEmpty()) {
        if (!streamed)
            hooks_.show(cleaned, run.snapshot, true);
        else if (cleaned != *streamed && (cleaned.startsWith(*streamed) || streamed->startsWith(cleaned)))
            hooks_.show(cleaned, run.snapshot, false);
        return;
    }
    hooks_.ended(streamed ? End::withdrawn : End::empty, QString());
}

void GenerationRunner::failure(const Run& run, const Outcome<QString>& outcome, bool timedOut,
                               const TaskHandle& task)
{
    if (run.generation != generation_ || !task || task->isCancelled())
        return;
    streamed_.reset();
    if (timedOut)
        hooks_.ended(End::timedOut, QString());
    else if (outcome.isCancelled())
        hooks_.ended(End::gaveUp, QString());
    else
        hooks_.ended(End::failed, outcome.errorMessage());
}

void GenerationRunner::partial(const Run& run, const QString& text)
{
    if (run.generation != generation_)
        return;
    const std::optional<QString> stable = stableStreamedPart(text);
    if (!stable)
        return;
    const QString cleaned = hooks_.clean(*stable, run);
    if (cleaned.isEmpty())
        return;
    const bool streamedBefore = streamed_ && streamed_->generation == run.generation;
    bool stored = false;
    if (streamedBefore) {
        if (chars::count(cleaned) <= chars::count(streamed_->text) || !cleaned.startsWith(streamed_->text))
            return;
        stored = hooks_.show(cleaned, run.snapshot, false);
    } else {
        stored = hooks_.show(cleaned, run.snapshot, true);
    }
    if (!stored)
        return;
    if (!streamedBefore)
        recordLatency(run.start);
    streamed_ = Streamed{run.generation, cleaned};
}

void GenerationRunner::recordLatency(Nanos start)
{
    hooks_.latency(std::chrono::duration_cast<Millis>(clock_.monotonic() - start).count());
}

} // namespace tq
