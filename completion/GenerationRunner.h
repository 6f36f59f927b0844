#pragma once
// One request to a provider at a time: the call, its watchdog, the streamed partial text, the
// final reply or failure, and dropping whatever belongs to an older request.

#include "completion/EngineTask.h"
#include "engines/CompletionProvider.h"
#include "field/FieldSnapshot.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace tq {

class GenerationRunner {
public:
    // What one request carries from its start to its end.
    struct Run {
        FieldSnapshot snapshot;
        int generation = 0;
        int wordLimit = 0;
        PromptStyle style = PromptStyle::instruct;
        Nanos start{0};
    };

    // How a request ended without a text to show.
    enum class End {
        empty,     // the cleaned reply is empty
        withdrawn, // empty, but streamed text was on show: it goes
        timedOut,  // the watchdog cancelled the call
        gaveUp,    // the provider cancelled on its own
        failed,    // the provider's error
    };

    struct Hooks {
        // The clean-up of a reply or of the stable part of a streamed one.
        std::function<QString(const QString& text, const Run& run)> clean;
        // Shows a cleaned text (`isNew`: the first of its request); true when it was stored.
        std::function<bool(const QString& cleaned, const FieldSnapshot& requestSnapshot, bool isNew)> show;
        // The raw final reply.
        std::function<void(const QString& reply)> replied;
        // Milliseconds from the start to the first shown text, once per request.
        std::function<void(qint64 ms)> latency;
        // `message` is the provider's error text for `End::failed`.
        std::function<void(End end, const QString& message)> ended;
    };

    GenerationRunner(Clock& clock, QObject* context, Hooks hooks);

    // The current request number: a reply counts only while its number is current.
    int generation() const { return generation_; }
    // Makes every earlier request stale; the new number.
    int advance() { return ++generation_; }

    // Calls `provider` for `run` inside `task`: cancelling the task cancels the call.
    void start(CompletionProvider& provider, const CompletionRequest& request, Run run, const TaskHandle& task);

    // After this long the call is cancelled.
    static constexpr Nanos kWatchdog = std::chrono::seconds(8);

private:
    struct Streamed {
        int generation = 0;
        QString text;
    };
    void reply(const Run& run, const QString& text, const TaskHandle& task);
    void failure(const Run& run, const Outcome<QString>& outcome, bool timedOut, const TaskHandle& task);
    void partial(const Run& run, const QString& text);
    void recordLatency(Nanos start);

    Clock& clock_;
    QObject* context_;
    Hooks hooks_;
    int generation_ = 0;
    std::optional<Streamed> streamed_;
    TaskHandle watchdog_; // of the request under way
};

// The part of a streamed reply that will not change: complete words only, or, for scripts
// written without spaces, the whole text once it has two characters.
std::optional<QString> stableStreamedPart(QString text);

} // namespace tq
