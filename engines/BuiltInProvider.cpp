#include "engines/BuiltInProvider.h"

#include "platform/Log.h"
#include "platform/Text.h"

#include <QMetaObject>
#include <QPointer>

#include <new>

namespace tq {

namespace {

PlatformError runtimeError(const LlamaRuntime::Failure& f)
{
    return PlatformError{QStringLiteral("runtime"), int(f.code()), f.description()};
}

// After a typed space the runtime leaves the trailing space out of the prompt, makes the reply
// begin with one and returns the text after it; the reply is a continuation of the prompt, so
// the space goes back in front (as a server answering the same prompt would send it).
QString withForcedSpace(const QString& text, bool spaceTyped)
{
    return spaceTyped && !text.isEmpty() ? QStringLiteral(" ") + text : text;
}

} // namespace

BuiltInProvider::BuiltInProvider(ModelStore& store, CompletionProvider* standIn,
                                 std::shared_ptr<LlamaRuntime> runtime, Clock& clock, QObject* parent)
    : QObject(parent)
    , store_(store)
    , standIn_(standIn)
    , runtime_(runtime ? std::move(runtime) : std::make_shared<LlamaRuntime>(kContextTokens))
    , idleUnload_(clock)
{
    // A file that is gone, changed or couldn't be loaded is not kept mapped.
    connect(&store_, &ModelStore::phaseChanged, this, [this](const ModelStore::Phase& phase) {
        const bool ready = phase.is(ModelStore::Phase::Kind::ready);
        if (wasReady_ && !ready) {
            idleUnload_.cancel();
            runtime_->unloadLater();
        }
        wasReady_ = ready;
    });
}

BuiltInProvider::~BuiltInProvider() = default;

bool BuiltInProvider::modelReady()
{
    store_.checkIfChanged();
    return store_.phase().is(ModelStore::Phase::Kind::ready);
}

void BuiltInProvider::fileFailed(bool changed)
{
    // A file replaced meanwhile is checked, not blamed; the file that was loaded is.
    if (!store_.checkIfChanged() && !changed)
        store_.markUnloadable();
}

template <class T>
Future<T> BuiltInProvider::submit(const CompletionRequest& request, int count, bool prefillOnly,
                                  PartialHandler partial,
                                  std::function<Outcome<T>(const LlamaRuntime::Output&)> pick,
                                  std::function<Outcome<T>(Outcome<T>)> onFailure)
{
    LlamaRuntime::Job job;
    job.path = store_.modelPath().toStdString();
    job.prompt = request.rawPrompt;
    job.maxTokens = request.maxTokens;
    job.stop = request.stop;
    job.healLast = request.healLast;
    job.count = count;
    job.prefillOnly = prefillOnly;
    job.spaceTyped = request.spaceTyped;
    job.temperature = request.temperature;
    job.wordFloor = kWordFloor;
    // Numbering the job stops every earlier one at its next check.
    job.job = runtime_->nextJob();

    QPointer<BuiltInProvider> self(this);
    if (partial) {
        // Partial texts reach the caller on the main thread, in the order they were made.
        job.partial = [self, partial, space = request.spaceTyped](const QString& part) {
            QMetaObject::invokeMethod(
                self.data(), [self, partial, text = withForcedSpace(part, space)] {
                    if (self)
                        partial(text);
                },
                Qt::QueuedConnection);
        };
    }

    Promise<T> promise;
    std::weak_ptr<LlamaRuntime> weak = runtime_;
    const std::int64_t number = job.job;
    // A cancellation stops this job only; when it arrives after a newer job was numbered it
    // must leave that one running.
    promise.onCancel([weak, number] {
        if (auto rt = weak.lock())
            rt->cancelJob(number);
    });

    LlamaRuntime* rt = runtime_.get();
    const char* kind = prefillOnly ? "warming" : "request";
    runtime_->post([rt, job = std::move(job), promise, pick, onFailure, self, kind] {
        Outcome<T> outcome = Cancelled{};
        const std::int64_t before = rt->promptTokensDecoded();
        std::optional<LlamaRuntime::Output> output;
        try {
            output = rt->run(job);
            outcome = pick(*output);
        } catch (const LlamaRuntime::Failure& f) {
            outcome = onFailure(runtimeError(f));
            if (f.kind() == LlamaRuntime::Failure::Kind::loadFailed)
                QMetaObject::invokeMethod(
                    self.data(), [self] { if (self) self->fileFailed(false); }, Qt::QueuedConnection);
        } catch (const LlamaRuntime::Stopped&) {
            outcome = onFailure(Cancelled{});
        } catch (const LlamaRuntime::FileChanged&) {
            // Dropped like a stale reply; the file is checked again before the next one.
            outcome = onFailure(Cancelled{});
            QMetaObject::invokeMethod(
                self.data(), [self] { if (self) self->fileFailed(true); }, Qt::QueuedConnection);
        } catch (const std::bad_alloc&) {
            outcome = onFailure(runtimeError(LlamaRuntime::Failure(LlamaRuntime::Failure::Kind::contextFailed)));
        }
        // Counts only: what the model had to evaluate, what it reused by moving.
        const std::int64_t total = rt->promptTokensDecoded();
        const QString line = output ? QStringLiteral("model %1: prompt %2 tokens, %3 evaluated, %4 moved into place, %5 in all, load %6")
                  .arg(QLatin1String(kind))
                  .arg(output->promptTokens)
                  .arg(total - before)
                  .arg(output->shiftedTokens)
                  .arg(total)
                  .arg(rt->loadCount())
            : total > before ? QStringLiteral("model %1 ended early: %2 evaluated, %3 in all")
                                   .arg(QLatin1String(kind))
                                   .arg(total - before)
                                   .arg(total)
                             : QString();
        QMetaObject::invokeMethod(
            self.data(), [self, line] {
                if (!self)
                    return;
                if (!line.isEmpty())
                    log::info(line);
                self->scheduleIdleUnload();
            },
            Qt::QueuedConnection);
        promise.finish(std::move(outcome));
    });
    return promise.future();
}

Future<QString> BuiltInProvider::complete(const CompletionRequest& request)
{
    return complete(request, nullptr);
}

Future<QString> BuiltInProvider::complete(const CompletionRequest& request, PartialHandler partial)
{
    if (!modelReady())
        return Future<QString>::ready(ProviderError{text("Download the %app model in Settings first")});
    return submit<QString>(
        request, 1, false, std::move(partial),
        [space = request.spaceTyped](const LlamaRuntime::Output& o) { return Outcome<QString>(withForcedSpace(o.text, space)); },
        [](Outcome<QString> failure) { return failure; });
}

Future<QStringList> BuiltInProvider::alternatives(const CompletionRequest& request, int count)
{
    if (!modelReady())
        return Future<QStringList>::ready(QStringList{});
    return submit<QStringList>(
        request, std::max(count, 2), false, nullptr,
        [space = request.spaceTyped](const LlamaRuntime::Output& o) {
            QStringList out;
            for (const QString& a : o.alternatives)
                out.append(withForcedSpace(a, space));
            return Outcome<QStringList>(out);
        },
        [](Outcome<QStringList> failure) { return failure; });
}

Future<Done> BuiltInProvider::prefill(const CompletionRequest& request)
{
    if (!modelReady())
        return Future<Done>::ready(Done{});
    // Never reports a failure.
    return submit<Done>(
        request, 1, true, nullptr, [](const LlamaRuntime::Output&) { return Outcome<Done>(Done{}); },
        [](Outcome<Done>) { return Outcome<Done>(Done{}); });
}

Future<ProviderStatus> BuiltInProvider::status()
{
    const ModelStore::Phase phase = store_.phase();
    if (!builtInStatusNeedsStandIn(phase) || !standIn_)
        return Future<ProviderStatus>::ready(builtInEngineStatus(phase, ProviderStatus::unknown()));
    Promise<ProviderStatus> promise;
    standIn_->status().then(this, [promise, phase](const Outcome<ProviderStatus>& o) {
        promise.finish(builtInEngineStatus(phase, o.valueOr(ProviderStatus::unknown())));
    });
    return promise.future();
}

Future<QStringList> BuiltInProvider::models()
{
    return Future<QStringList>::ready(QStringList{});
}

void BuiltInProvider::warmUp()
{
    if (!modelReady())
        return;
    LlamaRuntime* rt = runtime_.get();
    QPointer<BuiltInProvider> self(this);
    runtime_->post([rt, self, path = store_.modelPath().toStdString()] {
        try {
            if (const auto info = rt->load(path)) {
                const LlamaRuntime::Threads t = rt->threads();
                const QString line = QStringLiteral("model loaded in %1 s, %2 threads for prompts, %3 for generation")
                                         .arg(info->seconds, 0, 'f', 1)
                                         .arg(t.batch)
                                         .arg(t.generation);
                QMetaObject::invokeMethod(
                    self.data(), [line] { log::info(line); }, Qt::QueuedConnection);
            }
        } catch (const LlamaRuntime::Failure& f) {
            // The next request reports it; a file that can't be loaded is shown at once.
            if (f.kind() == LlamaRuntime::Failure::Kind::loadFailed)
                QMetaObject::invokeMethod(
                    self.data(), [self] { if (self) self->fileFailed(false); }, Qt::QueuedConnection);
        } catch (const LlamaRuntime::FileChanged&) {
            QMetaObject::invokeMethod(
                self.data(), [self] { if (self) self->fileFailed(true); }, Qt::QueuedConnection);
        }
    });
    scheduleIdleUnload();
}

void BuiltInProvider::scheduleIdleUnload()
{
    std::weak_ptr<LlamaRuntime> weak = runtime_;
    idleUnload_.start(std::chrono::duration_cast<Nanos>(kIdleLimit), [weak] {
        if (auto rt = weak.lock())
            rt->unloadLater();
    });
}

void BuiltInProvider::handleMemoryPressure()
{
    log::info(QStringLiteral("memory pressure: the model is freed"));
    idleUnload_.cancel();
    LlamaRuntime* rt = runtime_.get();
    runtime_->post([rt] { rt->dropKeptPrompts(); }); // the kept prompts go first
    runtime_->unloadLater();
}

} // namespace tq
