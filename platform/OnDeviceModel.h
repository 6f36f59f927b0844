#pragma once
// The system's on-device language model. Linux has none: the system model reports itself
// unavailable (device not eligible) and answers every request with an error.

#include <QString>

#include <functional>
#include <optional>

namespace tq {

class OnDeviceModel {
public:
    enum class Availability { available, deviceNotEligible, notEnabled, modelNotReady, otherReason };

    struct Options {
        double temperature = 0.3;
        int maxResponseTokens = 0;
    };

    // One answer: content, or a guardrail violation, or another error with its description.
    struct Response {
        QString content;
        bool guardrailViolation = false;
        std::optional<QString> error;
    };

    virtual ~OnDeviceModel() = default;

    virtual Availability availability() const = 0;
    // A new session with `instructions` answers `prompt`; `done` runs once on the calling
    // thread's event loop. Returns a request id for cancel().
    virtual int respond(const QString& instructions, const QString& prompt, const Options& options,
                        std::function<void(const Response&)> done) = 0;
    // Drops interest in an answer; its `done` is not called.
    virtual void cancel(int requestId) = 0;
    // A new session with `instructions` loads the model's resources ahead of a request.
    virtual void prewarm(const QString& instructions) = 0;

    // The system's model (on Linux, always unavailable).
    static std::unique_ptr<OnDeviceModel> createSystem();
};

} // namespace tq
