#include "engines/OpenAICompatibleProvider.h"

#include "platform/Text.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tq {

QJsonObject OpenAICompatibleProvider::completionBody(const CompletionRequest& request)
{
    return QJsonObject{
        {QStringLiteral("model"), request.model},
        {QStringLiteral("prompt"), request.rawPrompt},
        {QStringLiteral("max_tokens"), request.maxTokens},
        {QStringLiteral("temperature"), request.temperature},
        {QStringLiteral("stop"), QJsonArray::fromStringList(request.stop)},
        {QStringLiteral("stream"), false},
    };
}

Future<QString> OpenAICompatibleProvider::complete(const CompletionRequest& request)
{
    if (request.model.isEmpty())
        return Future<QString>::ready(ProviderError{text("Pick a model for your local server")});
    auto reply = Providers::postJSON(clock_, network_, Providers::endpoint(baseURL_, QStringLiteral("completions")),
                                     completionBody(request), key(),
                                     Providers::completionReplyCap(request.maxTokens));
    return map<QString>(reply, [](const Outcome<QByteArray>& o) { return Providers::openAIText(o); });
}

Future<QStringList> OpenAICompatibleProvider::models()
{
    auto reply = Providers::get(clock_, network_, Providers::endpoint(baseURL_, QStringLiteral("models")), key());
    return map<QStringList>(reply, [](const Outcome<QByteArray>& o) {
        return Providers::listedNames(o, QStringLiteral("data"), QStringLiteral("id"));
    });
}

Future<ProviderStatus> OpenAICompatibleProvider::status()
{
    auto base = baseURL_;
    return map<ProviderStatus>(models(), [base](const Outcome<QStringList>& o) -> Outcome<ProviderStatus> {
        if (o.isCancelled())
            return Cancelled{};
        const QStringList ids = o.valueOr({});
        if (ids.isEmpty()) {
            const QString at = base ? base().trimmed() : QString();
            return ProviderStatus::unavailable(at.isEmpty() ? text("No server answered.")
                                                            : text("No server answered at %1.").arg(at));
        }
        return ProviderStatus::ready(Providers::modelsAvailableText(ids.size()));
    });
}

} // namespace tq
