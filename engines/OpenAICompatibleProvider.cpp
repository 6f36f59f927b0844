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
    auto reply = Providers::postJSON(Providers::endpoint(baseURL_, QStringLiteral("completions")),
                                     completionBody(request), key());
    return map<QString>(reply, [](const Outcome<QByteArray>& o) -> Outcome<QString> {
        if (!o.hasValue())
            return o.failureAs<QString>();
        QJsonParseError err;
        const QJsonDocument doc = QJsonDocument::fromJson(o.value(), &err);
        if (err.error != QJsonParseError::NoError || !doc.isObject())
            return Providers::decodingError();
        const QJsonValue choices = doc.object().value(QStringLiteral("choices"));
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
    auto reply = Providers::get(Providers::endpoint(baseURL_, QStringLiteral("models")), key());
    return map<QStringList>(reply, [](const Outcome<QByteArray>& o) -> Outcome<QStringList> {
        if (o.isCancelled())
            return Cancelled{};
        if (!o.hasValue())
            return QStringList{};
        const QJsonValue data = QJsonDocument::fromJson(o.value()).object().value(QStringLiteral("data"));
        if (!data.isArray())
            return QStringList{};
        QStringList ids;
        for (const QJsonValue& m : data.toArray()) {
            const QJsonValue id = m.toObject().value(QStringLiteral("id"));
            if (!id.isString())
                return QStringList{};
            ids.push_back(id.toString());
        }
        return Providers::sortedByCodePoint(ids);
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
