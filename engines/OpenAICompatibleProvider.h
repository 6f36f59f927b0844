#pragma once
// The engine of any server with the OpenAI-compatible text-completions interface:
// "completions" and "models" under the base address, with a bearer key when one is stored.

#include "engines/CompletionProvider.h"
#include "engines/HttpTransport.h"

namespace tq {

class OpenAICompatibleProvider final : public CompletionProvider {
public:
    OpenAICompatibleProvider(Clock& clock, QNetworkAccessManager& network, Providers::BaseAddress baseURL,
                             std::function<QString()> apiKey)
        : clock_(clock), network_(network), baseURL_(std::move(baseURL)), apiKey_(std::move(apiKey))
    {
    }

    using CompletionProvider::complete;
    PromptStyle style() const override { return PromptStyle::raw; }
    Future<QString> complete(const CompletionRequest& request) override;
    Future<ProviderStatus> status() override;
    Future<QStringList> models() override;

    // The body of a completion request.
    static QJsonObject completionBody(const CompletionRequest& request);

private:
    QString key() const { return apiKey_ ? apiKey_() : QString(); }
    Clock& clock_;
    QNetworkAccessManager& network_;
    Providers::BaseAddress baseURL_;
    std::function<QString()> apiKey_;
};

} // namespace tq
