#pragma once
// The built-in engine: runs the downloaded GGUF model through LlamaRuntime. Each request
// becomes one numbered job on the runtime's queue; a newer job or the caller's cancellation
// stops the running one; the model is freed after 30 minutes without use.
//
// Before each request and warm-up the store checks the file again when it changed on disk; a
// file the runtime can't load makes the store's phase unloadable, and a model that is no longer
// ready is freed.

#include "engines/CompletionProvider.h"
#include "engines/LlamaRuntime.h"
#include "engines/ModelStore.h"
#include "platform/Clock.h"

#include <QObject>

#include <chrono>
#include <memory>

namespace tq {

class BuiltInProvider : public QObject, public CompletionProvider {
    Q_OBJECT
public:
    static constexpr int kContextTokens = 2048;
    static constexpr double kWordFloor = 0.15;
    static constexpr std::chrono::seconds kIdleLimit{1800};

    // `standIn` answers status questions while the model is not ready (may be null: nothing
    // fills in). A null `runtime` means a new runtime of 2048 context tokens.
    BuiltInProvider(ModelStore& store, CompletionProvider* standIn,
                    std::shared_ptr<LlamaRuntime> runtime, Clock& clock, QObject* parent = nullptr);
    ~BuiltInProvider() override;

    PromptStyle style() const override { return PromptStyle::raw; }
    Future<QString> complete(const CompletionRequest& request) override;
    Future<QString> complete(const CompletionRequest& request, PartialHandler partial) override;
    Future<ProviderStatus> status() override;
    Future<QStringList> models() override;
    Future<Done> prefill(const CompletionRequest& request) override;
    Future<QStringList> alternatives(const CompletionRequest& request, int count) override;

    // Loads the model ahead of the first request (when it is ready); returns at once.
    void warmUp();
    // Restarts the idle timer; called after every job and every warm-up.
    void scheduleIdleUnload();
    // Memory pressure: drops the pending idle unload and frees the model once the queue is idle.
    void handleMemoryPressure();

    LlamaRuntime& runtime() const { return *runtime_; }
    bool isIdleUnloadPending() const { return idleUnload_.isActive(); }

private:
    template <class T>
    Future<T> submit(const CompletionRequest& request, int count, bool prefillOnly, PartialHandler partial,
                     std::function<Outcome<T>(const LlamaRuntime::Output&)> pick,
                     std::function<Outcome<T>(Outcome<T>)> onFailure);

    // Whether the model may be used now: the file checked again when it changed.
    bool modelReady();
    // On the main thread, after a job or warm-up failed for the file's sake.
    void fileFailed(bool changed);

    ModelStore& store_;
    CompletionProvider* standIn_;
    std::shared_ptr<LlamaRuntime> runtime_;
    Timer idleUnload_;
    bool wasReady_ = store_.phase().is(ModelStore::Phase::Kind::ready);
};

} // namespace tq
