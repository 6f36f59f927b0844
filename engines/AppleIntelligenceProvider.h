#pragma once
// The engine of the system's on-device language model: instructions as the system text and
// the instruct prompt as the user turn, a new session for every request and prewarm.
// On Linux the system has no such model, so the engine reports itself unavailable.

#include "engines/CompletionProvider.h"

namespace tq {

class OnDeviceModel;

class AppleIntelligenceProvider final : public CompletionProvider {
public:
    explicit AppleIntelligenceProvider(OnDeviceModel& model);

    using CompletionProvider::complete;
    PromptStyle style() const override { return PromptStyle::instruct; }
    Future<QString> complete(const CompletionRequest& request) override;
    Future<ProviderStatus> status() override;
    Future<QStringList> models() override { return Future<QStringList>::ready(QStringList{}); }

    // The instructions for 10 words that a prewarm session is made with (the completion
    // engine owns that text and sets it).
    void setPrewarmInstructions(std::function<QString()> fn) { prewarmInstructions_ = std::move(fn); }
    void prewarm();

    // The status for an availability of the system model.
    ProviderStatus currentStatus() const;

private:
    OnDeviceModel* model_;
    std::function<QString()> prewarmInstructions_;
};

} // namespace tq
