#include "engines/OllamaProvider.h"

#include "platform/Text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QPointer>

namespace tq {

namespace {
const QString kKeepAlive = QStringLiteral("30m");
}

QJsonObject OllamaProvider::generateBody(const CompletionRequest& request)
{
    return QJsonObject{
        {QStringLiteral("model"), request.model},
        {QStringLiteral("prompt"), request.rawPrompt},
        {QStringLiteral("raw"), true},
        {QStringLiteral("stream"), false},
        {QStringLiteral("keep_alive"), kKeepAlive},
        {QStringLiteral("options"),
         QJsonObject{{QStringLiteral("num_predict"), request.maxTokens},
                     {QStringLiteral("temperature"), request.temperature},
                     {QStringLiteral("stop"), QJsonArray::fromStringList(request.stop)}}},
    };
}

Future<QString> OllamaProvider::complete(const CompletionRequest& request)
{
    if (request.model.isEmpty())
        return Future<QString>::ready(ProviderError{text("Pick an Ollama model in Settings")});
    auto reply = Providers::postJSON(clock_, network_, Providers::endpoint(baseURL_, QStringLiteral("api/generate")),
                                     generateBody(request), QString(),
                                     Providers::completionReplyCap(request.maxTokens));
    return map<QString>(reply, [](const Outcome<QByteArray>& o) { return Providers::ollamaText(o); });
}

Future<Done> OllamaProvider::warmUp(const QString& model)
{
    if (model.isEmpty())
        return Future<Done>::ready(Done{});
    const QJsonObject body{{QStringLiteral("model"), model},
                           {QStringLiteral("prompt"), QString()},
                           {QStringLiteral("keep_alive"), kKeepAlive}};
    auto reply
        = Providers::postJSON(clock_, network_, Providers::endpoint(baseURL_, QStringLiteral("api/generate")), body, QString());
    return map<Done>(reply, [](const Outcome<QByteArray>& o) -> Outcome<Done> {
        if (o.isCancelled())
            return Cancelled{};
        return Done{};
    });
}

Future<QStringList> OllamaProvider::models()
{
    auto reply = Providers::get(clock_, network_, Providers::endpoint(baseURL_, QStringLiteral("api/tags")), QString());
    return map<QStringList>(reply, [](const Outcome<QByteArray>& o) {
        return Providers::listedNames(o, QStringLiteral("models"), QStringLiteral("name"));
    });
}

Future<ProviderStatus> OllamaProvider::status()
{
    auto base = baseURL_;
    // The second step may come after the session ended (the hub is gone): then it is cancelled.
    QPointer<QNetworkAccessManager> session(&network_);
    return chain<ProviderStatus>(models(), [base, clock = &clock_, session](
                                               const Outcome<QStringList>& o) -> Future<ProviderStatus> {
        if (o.isCancelled() || !session)
            return Future<ProviderStatus>::ready(Cancelled{});
        const QStringList names = o.valueOr({});
        if (!names.isEmpty())
            return Future<ProviderStatus>::ready(ProviderStatus::ready(Providers::modelsAvailableText(names.size())));
        const QString asSet = base ? base() : QString();
        auto probe = Providers::get(*clock, *session, Providers::endpoint(asSet, QStringLiteral("api/version")), QString());
        return map<ProviderStatus>(probe, [asSet](const Outcome<QByteArray>& p) -> Outcome<ProviderStatus> {
            if (p.isCancelled())
                return Cancelled{};
            if (p.hasValue())
                return ProviderStatus::unavailable(text("Ollama is running but has no models"));
            const QString at = asSet.trimmed();
            return ProviderStatus::unavailable(at.isEmpty() ? text("Ollama isn't running.")
                                                            : text("Ollama isn't running at %1.").arg(at));
        });
    });
}

} // namespace tq
