#pragma once
// The engine of an Ollama server: raw generation on "api/generate", the installed models
// from "api/tags", and "api/version" to tell a running server without models from none.
// No key is ever sent.

#include "engines/CompletionProvider.h"
#include "engines/HttpTransport.h"

namespace tq {

class OllamaProvider final : public CompletionProvider {
public:
    OllamaProvider(Clock& clock, QNetworkAccessManager& network, Providers::BaseAddress baseURL)
        : clock_(clock), network_(network), baseURL_(std::move(baseURL))
    {
    }

    using CompletionProvider::complete;
    PromptStyle style() const override { return PromptStyle::raw; }
    Future<QString> complete(const CompletionRequest& request) override;
    Future<ProviderStatus> status() override;
    Future<QStringList> models() override;

    // Asks the server to load `model` and keep it for 30 minutes; never fails.
    Future<Done> warmUp(const QString& model);

    // The body of a generate request.
    static QJsonObject generateBody(const CompletionRequest& request);

private:
    Clock& clock_;
    QNetworkAccessManager& network_;
    Providers::BaseAddress baseURL_;
};

} // namespace tq
