#include "engines/HttpTransport.h"

#include "engines/PlainHttp.h"
#include "platform/Chars.h"
#include "platform/Clock.h"
#include "platform/Text.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QStringDecoder>

#include <algorithm>
#include <climits>
#include <malloc.h>
#include <memory>
#include <utility>
#include <vector>

namespace tq::Providers {

namespace {

ProviderError invalidAddress() { return ProviderError{text("That address isn't valid")}; }
ProviderError unsafeHeader() { return ProviderError{QString::fromLatin1(kUnsafeHeaderMessage)}; }

bool breaksAnyHeader(const QNetworkRequest& request)
{
    const QList<QByteArray> names = request.rawHeaderList();
    return std::any_of(names.cbegin(), names.cend(), [&](const QByteArray& name) {
        return breaksHeaderLine(name) || breaksHeaderLine(request.rawHeader(name));
    });
}

// Qt's own buffer of a reply between two reads.
constexpr qint64 kReadBuffer = 64 << 10;

Future<QByteArray> send(Clock& clock, QNetworkAccessManager& network, QNetworkRequest request,
                        const QByteArray* postBody, int timeoutMs, const QString& key, qint64 maxBytes)
{
    if (!key.isEmpty())
        request.setRawHeader("Authorization", "Bearer " + key.toUtf8());
    if (breaksAnyHeader(request))
        return Future<QByteArray>::ready(unsafeHeader());
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);

    Promise<QByteArray> promise;
    QNetworkReply* reply = postBody ? network.post(request, *postBody) : network.get(request);
    reply->setReadBufferSize(kReadBuffer);
    QPointer<QNetworkReply> guard(reply);
    // The session ended with the reply in flight. The clock is left alone: its timer finds
    // the reply gone.
    QObject::connect(reply, &QObject::destroyed, [promise] { promise.finish(Cancelled{}); });
    auto timedOut = std::make_shared<bool>(false);
    auto tooLong = std::make_shared<bool>(false);
    auto received = std::make_shared<QByteArray>();
    // Read as it arrives, and stop the transfer as soon as the reply outgrows its cap.
    const auto stopIfTooLong = [reply, tooLong, maxBytes](qint64 size) {
        if (size <= maxBytes || *tooLong)
            return false;
        *tooLong = true;
        reply->abort();
        return true;
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, stopIfTooLong] {
        bool known = false;
        const qint64 declared = reply->header(QNetworkRequest::ContentLengthHeader).toLongLong(&known);
        if (known)
            stopIfTooLong(declared);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, received, tooLong, maxBytes, stopIfTooLong] {
        while (!*tooLong && reply->bytesAvailable() > 0) {
            const qint64 room = maxBytes + 1 - received->size();
            received->append(reply->read(std::min(reply->bytesAvailable(), std::max<qint64>(room, 1))));
            if (stopIfTooLong(received->size()))
                *received = QByteArray();
        }
    });
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
    QObject::connect(reply, &QNetworkReply::finished, reply, [promise, reply, timedOut, tooLong, received, maxBytes,
                                                              stopTimer] {
        stopTimer();
        reply->deleteLater();
        if (promise.isSettled())
            return;
        const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (*timedOut) {
            promise.finish(PlatformError{QStringLiteral("network"), int(QNetworkReply::TimeoutError),
                                         text("The request timed out.")});
            return;
        }
        if (!*tooLong && reply->bytesAvailable() > 0)
            received->append(reply->read(std::max<qint64>(maxBytes + 1 - received->size(), 1)));
        if (*tooLong || received->size() > maxBytes) {
            *received = QByteArray();
            promise.finish(replyTooLong());
#ifdef __GLIBC__
            // What the network layer read ahead of the stop is freed by now: hand it back.
            malloc_trim(0);
#endif
            return;
        }
        const QByteArray body = std::exchange(*received, QByteArray());
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
            promise.finish(PlatformError{QStringLiteral("network"), int(reply->error()), unreachedText(int(reply->error()))});
            return;
        }
        promise.finish(body);
    });
    return promise.future();
}

Outcome<QByteArray> outcomeOf(const PlainAnswer& a)
{
    switch (a.kind) {
    case PlainAnswer::Kind::answered:
        if (a.status < 200 || a.status > 299)
            return answerError(a.status, a.body);
        return a.body;
    case PlainAnswer::Kind::tooLong:
        return replyTooLong();
    case PlainAnswer::Kind::failed:
        return PlatformError{QStringLiteral("network"), a.networkError, a.message};
    case PlainAnswer::Kind::stopped:
        break;
    }
    return Cancelled{};
}

// Plain "http" addresses (the local servers) go through a socket whose buffer is bounded, so a
// server that floods waits in the kernel rather than in this process's memory.
Future<QByteArray> sendPlain(Clock& clock, QNetworkAccessManager& network, PlainRequest request, int timeoutMs)
{
    struct State {
        std::optional<PlainHttp> http;
        std::function<void()> stopTimer;
    };
    auto state = std::make_shared<State>();
    Promise<QByteArray> promise;
    const TimerId timer = clock.start(std::chrono::milliseconds(timeoutMs), [state, promise] {
        if (state->http)
            state->http->stop();
        promise.finish(PlatformError{QStringLiteral("network"), int(QNetworkReply::TimeoutError),
                                     text("The request timed out.")});
    });
    // As in send(): the clock outlives the request.
    state->stopTimer = [&clock, timer] { clock.cancel(timer); };
    promise.onCancel([state] {
        state->stopTimer();
        if (state->http)
            state->http->stop();
    });
    state->http.emplace(network, std::move(request), [state, promise](const PlainAnswer& answer) {
        // A stop here means the session ended; as above, the clock is left alone.
        if (answer.kind != PlainAnswer::Kind::stopped)
            state->stopTimer();
        promise.finish(outcomeOf(answer));
    });
    return promise.future();
}

PlainRequest plainRequest(const QUrl& url, const QByteArray& method, const QString& key, qint64 maxBytes)
{
    PlainRequest r{url, method, {}, {}, maxBytes};
    if (!key.isEmpty())
        r.headers.append(qMakePair(QByteArray("Authorization"), "Bearer " + key.toUtf8()));
    return r;
}

} // namespace

std::optional<QUrl> endpoint(const QString& baseText, const QString& path)
{
    const QString trimmed = chars::trimSpacesAndTabs(baseText).toString();
    if (trimmed.isEmpty())
        return std::nullopt;
    // "host:port" without a scheme means plain http, as a browser would take it.
    const QString withScheme = trimmed.contains(QLatin1String("://")) ? trimmed : QStringLiteral("http://") + trimmed;
    QUrl base(withScheme, QUrl::StrictMode);
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

ProviderError replyTooLong()
{
    return ProviderError{text("The server's reply was too long, so it was stopped.")};
}

ProviderError answerError(int status, const QByteArray& body)
{
    // The server's own words, as it wrote them.
    QString words;
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        words = decoder.decode(body);
        if (decoder.hasError())
            words.clear();
    }
    if (chars::count(words) > 160)
        words = chars::first(words, 160).toString() + QStringLiteral("…");
    if (words.trimmed().isEmpty())
        return ProviderError{text("The server answered %1.").arg(status)};
    return ProviderError{text("The server answered %1: %2").arg(QString::number(status), words)};
}

QString modelsAvailableText(qsizetype n)
{
    return text("%Ln models available", int(std::min<qsizetype>(n, INT_MAX)));
}

Future<QByteArray> get(Clock& clock, QNetworkAccessManager& network, const std::optional<QUrl>& url,
                       const QString& key, qint64 maxBytes)
{
    if (!url)
        return Future<QByteArray>::ready(invalidAddress());
    if (url->scheme() == QLatin1String("http"))
        return sendPlain(clock, network, plainRequest(*url, "GET", key, maxBytes), kShortTimeoutMs);
    QNetworkRequest request(*url);
    return send(clock, network, request, nullptr, kShortTimeoutMs, key, maxBytes);
}

Future<QByteArray> postJSON(Clock& clock, QNetworkAccessManager& network, const std::optional<QUrl>& url,
                            const QJsonObject& body, const QString& key, qint64 maxBytes)
{
    if (!url)
        return Future<QByteArray>::ready(invalidAddress());
    const QByteArray data = QJsonDocument(body).toJson(QJsonDocument::Compact);
    if (url->scheme() == QLatin1String("http")) {
        PlainRequest plain = plainRequest(*url, "POST", key, maxBytes);
        plain.headers.append(qMakePair(QByteArray("Content-Type"), QByteArray("application/json")));
        plain.body = data;
        return sendPlain(clock, network, std::move(plain), kLongTimeoutMs);
    }
    QNetworkRequest request(*url);
    request.setHeader(QNetworkRequest::ContentTypeHeader, QStringLiteral("application/json"));
    return send(clock, network, request, &data, kLongTimeoutMs, key, maxBytes);
}

} // namespace tq::Providers
