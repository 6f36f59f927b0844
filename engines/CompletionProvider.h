#pragma once
// What every engine has in common: the request, the interface, the status and the error.
// Providers live on the main thread; their asynchronous operations return a tq::Future
// (engines/Async.h) whose continuation runs on the main thread.

#include "engines/Async.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace tq {

// Which rendering of the prompt an engine consumes.
enum class PromptStyle {
    instruct, // `instructions` as the system text, `prompt` as the user turn
    raw,      // continues `rawPrompt`, the bracketed text for base models
};

// What the completion engine asks an engine for.
struct CompletionRequest {
    QString instructions;
    QString prompt;
    QString rawPrompt;
    int maxTokens = 0;
    double temperature = 0.3;
    QStringList stop;
    QString model;          // empty: the engine's own choice
    bool healLast = false;  // the typed text ends inside a word
    bool spaceTyped = false; // the typed text ends with a space after some text
    bool operator==(const CompletionRequest&) const = default;
};

// What is known of one engine at one moment.
class ProviderStatus {
public:
    enum class Kind { ready, unavailable, unknown, checking };

    ProviderStatus() = default; // unknown
    static ProviderStatus ready(QString text) { return {Kind::ready, std::move(text)}; }
    static ProviderStatus unavailable(QString text) { return {Kind::unavailable, std::move(text)}; }
    static ProviderStatus unknown() { return {}; }
    static ProviderStatus checking() { return {Kind::checking, {}}; }

    Kind kind() const { return kind_; }
    bool isReady() const { return kind_ == Kind::ready; }
    bool isUnavailable() const { return kind_ == Kind::unavailable; }
    // The payload of ready and unavailable (empty for the other two).
    const QString& text() const { return text_; }
    // "Not checked yet", "Checking…", or the payload text.
    QString label() const;

    // Same case, and for ready/unavailable texts equal after canonical normalisation.
    bool operator==(const ProviderStatus& other) const;

private:
    ProviderStatus(Kind k, QString t) : kind_(k), text_(std::move(t)) {}
    Kind kind_ = Kind::unknown;
    QString text_;
};

// Partial texts of a streamed reply, delivered on the main thread in order.
using PartialHandler = std::function<void(const QString&)>;

class CompletionProvider {
public:
    virtual ~CompletionProvider() = default;

    virtual PromptStyle style() const = 0;

    // The continuation text (possibly empty), a ProviderError, a PlatformError, or Cancelled.
    virtual Future<QString> complete(const CompletionRequest& request) = 0;
    // Like complete(); only the built-in engine ever calls `partial`.
    virtual Future<QString> complete(const CompletionRequest& request, PartialHandler partial)
    {
        return complete(request);
    }
    // Always ready or unavailable (never unknown or checking); never an error.
    virtual Future<ProviderStatus> status() = 0;
    // Model names sorted by code point; empty when the engine cannot be asked or has none.
    virtual Future<QStringList> models() = 0;
    // Prepares for a likely request; never fails. Only the built-in engine does anything.
    virtual Future<Done> prefill(const CompletionRequest& request)
    {
        return Future<Done>::ready(Done{});
    }
    // Other continuations; only the built-in engine produces any.
    virtual Future<QStringList> alternatives(const CompletionRequest& request, int count)
    {
        return Future<QStringList>::ready(QStringList{});
    }
};

} // namespace tq
