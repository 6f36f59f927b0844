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

template <class T, class Send>
Future<T> OpenAICompatibleProvider::withKey(Send send) const
{
    const Future<QString> key = apiKey_ ? apiKey_() : Future<QString>::ready(QString());
    if (const auto known = key.result())
        return send(known->valueOr(QString()));
    return chain<T>(key, [send](const Outcome<QString>& k) {
        return k.isCancelled() ? Future<T>::ready(Cancelled{}) : send(k.valueOr(QString()));
    });
}

Future<QString> OpenAICompatibleProvider::complete(const CompletionRequest& request)
{
    if (request.model.isEmpty())
        return Future<QString>::ready(ProviderError{text("Pick a model for your local server")});
    auto reply = withKey<QByteArray>([this, url = Providers::endpoint(baseURL_, QStringLiteral("completions")),
                                      body = completionBody(request),
                                      cap = Providers::completionReplyCap(request.maxTokens)](const QString& key) {
        return Providers::postJSON(clock_, network_, url, body, key, cap);
    });
    return map<QString>(reply, [](const Outcome<QByteArray>& o) { return Providers::openAIText(o); });
}

Future<QStringList> OpenAICompatibleProvider::models()
{
    auto reply = withKey<QByteArray>([this, url = Providers::endpoint(baseURL_, QStringLiteral("models"))](const QString& key) {
        return Providers::get(clock_, network_, url, key);
    });
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
