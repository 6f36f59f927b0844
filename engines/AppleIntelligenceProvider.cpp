#include "engines/AppleIntelligenceProvider.h"

#include "platform/OnDeviceModel.h"
#include "platform/Text.h"

namespace tq {

AppleIntelligenceProvider::AppleIntelligenceProvider(OnDeviceModel& model)
    : model_(&model)
{
}

Future<QString> AppleIntelligenceProvider::complete(const CompletionRequest& request)
{
    Promise<QString> promise;
    OnDeviceModel::Options options;
    options.temperature = request.temperature;
    options.maxResponseTokens = request.maxTokens;
    const int id = model_->respond(request.instructions, request.prompt, options,
                                   [promise](const OnDeviceModel::Response& r) {
                                       if (r.guardrailViolation)
                                           promise.finish(QString());
                                       else if (r.error)
                                           promise.finish(PlatformError{QStringLiteral("onDevice"), 0, *r.error});
                                       else
                                           promise.finish(r.content);
                                   });
    OnDeviceModel* model = model_;
    promise.onCancel([model, id] { model->cancel(id); });
    return promise.future();
}

ProviderStatus AppleIntelligenceProvider::currentStatus() const
{
    switch (model_->availability()) {
    case OnDeviceModel::Availability::available:
        return ProviderStatus::ready(text("Ready"));
    case OnDeviceModel::Availability::deviceNotEligible:
        return ProviderStatus::unavailable(text("This computer has no on-device language model"));
    case OnDeviceModel::Availability::notEnabled:
        return ProviderStatus::unavailable(text("Turn on the on-device model in the desktop's settings"));
    case OnDeviceModel::Availability::modelNotReady:
        return ProviderStatus::unavailable(text("The model is still downloading"));
    case OnDeviceModel::Availability::otherReason:
        break;
    }
    return ProviderStatus::unavailable(text("The on-device model is unavailable"));
}

Future<ProviderStatus> AppleIntelligenceProvider::status()
{
    return Future<ProviderStatus>::ready(currentStatus());
}

void AppleIntelligenceProvider::prewarm()
{
    model_->prewarm(prewarmInstructions_ ? prewarmInstructions_() : QString());
}

} // namespace tq
