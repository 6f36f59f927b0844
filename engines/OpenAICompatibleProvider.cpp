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
        return Future<QString>::ready(ProviderError{QStringLiteral("Pick a model for your local server")});
    auto reply = Providers::postJSON(clock_, Providers::endpoint(baseURL_, QStringLiteral("completions")),
                                     completionBody(request), key());
    return map<QString>(reply, [](const Outcome<QByteArray>& o) -> Outcome<QString> {
        const auto object = Providers::decodeObject(o);
        if (!object.hasValue())
            return object.failureAs<QString>();
        const QJsonValue choices = object.value().value(QStringLiteral("choices"));
        if (!choices.isArray())
            return Providers::decodingError(true);
        const QJsonArray list = choices.toArray();
        QString first;
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QJsonValue t = list.at(i).toObject().value(QStringLiteral("text"));
            if (!t.isString())
                return Providers::decodingError(true); // every choice must carry its text
            if (i == 0)
                first = t.toString();
        }
        return first;
    });
}

Future<QStringList> OpenAICompatibleProvider::models()
{
    auto reply = Providers::get(clock_, Providers::endpoint(baseURL_, QStringLiteral("models")), key());
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
        if (ids.isEmpty())
            return ProviderStatus::unavailable(text("No server answered at ") + (base ? base() : QString()));
        return ProviderStatus::ready(Providers::modelsAvailableText(ids.size()));
    });
}

} // namespace tq
