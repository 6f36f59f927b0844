#pragma once
// The engine of any server with the OpenAI-compatible text-completions interface:
// "completions" and "models" under the base address, with a bearer key when one is stored.

#include "engines/CompletionProvider.h"
#include "engines/HttpTransport.h"

namespace tq {

class OpenAICompatibleProvider final : public CompletionProvider {
public:
    // `apiKey` gives the key for each request (empty: none); a request goes out once it is known.
    using KeySource = std::function<Future<QString>()>;
    OpenAICompatibleProvider(Clock& clock, QNetworkAccessManager& network, Providers::BaseAddress baseURL,
                             KeySource apiKey)
        : clock_(clock), network_(network), baseURL_(std::move(baseURL)), apiKey_(std::move(apiKey))
    {
    }
    // A key that is always known at once.
    OpenAICompatibleProvider(Clock& clock, QNetworkAccessManager& network, Providers::BaseAddress baseURL,
                             std::function<QString()> apiKey)
        : OpenAICompatibleProvider(clock, network, std::move(baseURL), KeySource([key = std::move(apiKey)] {
              return Future<QString>::ready(key ? key() : QString());
          }))
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
    // `send(key)` once the key is known.
    template <class T, class Send>
    Future<T> withKey(Send send) const;
    Clock& clock_;
    QNetworkAccessManager& network_;
    Providers::BaseAddress baseURL_;
    KeySource apiKey_;
};

} // namespace tq
