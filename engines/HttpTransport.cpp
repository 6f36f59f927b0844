#include "engines/HttpTransport.h"

#include "platform/Clock.h"
#include "platform/Grapheme.h"
#include "platform/Text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>

#include <algorithm>
#include <memory>
#include <vector>

namespace tq::Providers {

namespace {

QString trimSpacesAndTabs(const QString& s)
{
    qsizetype from = 0, to = s.size();
    while (from < to && (s[from] == u' ' || s[from] == u'\t'))
        ++from;
    while (to > from && (s[to - 1] == u' ' || s[to - 1] == u'\t'))
        --to;
    return s.mid(from, to - from);
}

ProviderError invalidAddress() { return ProviderError{QStringLiteral("That address isn't valid")}; }

Future<QByteArray> send(Clock& clock, QNetworkRequest request, const QByteArray* postBody, int timeoutMs, const QString& key)
{
    if (!key.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + key.toUtf8());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

    Promise<QByteArray> promise;
    QNetworkReply* reply = postBody ? session().post(request, *postBody) : session().get(request);
    QPointer<QNetworkReply> guard(reply);
    auto timedOut = std::make_shared<bool>(false);
    const TimerId timer = clock.start(std::chrono::milliseconds(timeoutMs), [guard, timedOut] {
        if (guard && guard->isRunning()) {
            *timedOut = true;
            guard->abort();
        }
    });
    // The clock outlives the request: the engines' clock is the program's.
    const auto stopTimer = [&clock, timer] { clock.cancel(timer); };
    promise.onCancel([guard, stopTimer] {
        stopTimer();
        if (guard)
            guard->abort();
    });
    QObject::connect(reply, &QNetworkReply::finished, reply, [promise, reply, timedOut, stopTimer] {
        stopTimer();
        reply->deleteLater();
        if (promise.isSettled())
            return;
        const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (*timedOut) {
            promise.finish(PlatformError{QStringLiteral("network"), int(QNetworkReply::TimeoutError),
                                         QStringLiteral("The request timed out.")});
            return;
        }
        const QByteArray body = reply->readAll();
        if (code.isValid()) {
            const int status = code.toInt();
            if (status < 200 || status > 299) {
                promise.finish(answerError(status, body));
                return;
            }
            promise.finish(body);
            return;
        }
        if (reply->error() != QNetworkReply::NoError) {
            promise.finish(PlatformError{QStringLiteral("network"), int(reply->error()), reply->errorString()});
            return;
        }
        promise.finish(body);
    });
    return promise.future();
}

} // namespace

QNetworkAccessManager& session()
{
    static QNetworkAccessManager* nam = [] {
        auto* m = new QNetworkAccessManager(QCoreApplication::instance());
        m->setAutoDeleteReplies(false);
        return m;
    }();
    return *nam;
}

std::optional<QUrl> endpoint(const QString& baseText, const QString& path)
{
    const QString trimmed = trimSpacesAndTabs(baseText);
    if (trimmed.isEmpty())
        return std::nullopt;
    QUrl base(trimmed, QUrl::StrictMode);
    if (!base.isValid() || base.isRelative() || base.host().isEmpty())
        return std::nullopt;
    QString p = base.path();
    while (p.endsWith(u'/'))
        p.chop(1);
    QString rel = path;
    while (rel.startsWith(u'/'))
        rel.remove(0, 1);
    base.setPath(p + u'/' + rel);
    return base;
}

std::optional<QUrl> endpoint(const BaseAddress& base, const QString& path)
{
    return endpoint(base ? base() : QString(), path);
}

ProviderError answerError(int status, const QByteArray& body)
{
    QString text;
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = decoder.decode(body);
        if (decoder.hasError())
            text.clear();
    }
    if (grapheme::count(text) > 160)
        text = grapheme::prefix(text, 160) + QStringLiteral("…");
    return ProviderError{QStringLiteral("The server answered %1. ").arg(status) + text};
}

PlatformError decodingError(bool missing)
{
    return PlatformError{QStringLiteral("json"), missing ? 1 : 0,
                         missing ? QStringLiteral("The data couldn't be read because it is missing.")
                                 : QStringLiteral("The data couldn't be read because it isn't in the correct format.")};
}

Outcome<QJsonObject> decodeObject(const Outcome<QByteArray>& reply)
{
    if (!reply.hasValue())
        return reply.failureAs<QJsonObject>();
    QJsonParseError err;
    const QJsonDocument doc = QJsonDocument::fromJson(reply.value(), &err);
    if (err.error != QJsonParseError::NoError || !doc.isObject())
        return decodingError();
    return doc.object();
}

Outcome<QStringList> listedNames(const Outcome<QByteArray>& reply, const QString& listKey, const QString& nameKey)
{
    if (reply.isCancelled())
        return Cancelled{};
    const auto object = decodeObject(reply);
    if (!object.hasValue())
        return QStringList{};
    const QJsonValue list = object.value().value(listKey);
    if (!list.isArray())
        return QStringList{};
    QStringList names;
    for (const QJsonValue& entry : list.toArray()) {
        const QJsonValue name = entry.toObject().value(nameKey);
        if (!name.isString())
            return QStringList{}; // the whole reply fails to decode
        names.push_back(name.toString());
    }
    return sortedByCodePoint(names);
}

QStringList sortedByCodePoint(QStringList names)
{
    std::vector<std::pair<QList<uint>, QString>> keyed;
    keyed.reserve(names.size());
    for (const QString& n : names)
        keyed.emplace_back(n.normalized(QString::NormalizationForm_C).toUcs4(), n);
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList out;
    for (auto& k : keyed)
        out.push_back(std::move(k.second));
    return out;
}

QString modelsAvailableText(qsizetype n)
{
    if (n == 1)
        return text("1 model available");
    return text("%1 models available").arg(n);
}

Future<QByteArray> get(Clock& clock, const std::optional<QUrl>& url, const QString& key)
{
    if (!url)
        return Future<QByteArray>::ready(invalidAddress());
    QNetworkRequest request(*url);
    return send(clock, request, nullptr, kShortTimeoutMs, key);
}

Future<QByteArray> postJSON(Clock& clock, const std::optional<QUrl>& url, const QJsonObject& body, const QString& key)
{
    if (!url)
        return Future<QByteArray>::ready(invalidAddress());
    QNetworkRequest request(*url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    const QByteArray data = QJsonDocument(body).toJson(QJsonDocument::Compact);
    return send(clock, request, &data, kLongTimeoutMs, key);
}

} // namespace tq::Providers
