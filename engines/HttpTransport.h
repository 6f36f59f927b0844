#pragma once
// The small HTTP transport of the server engines: joins a base address and a path, sends a
// GET (3 s time-out) or a JSON POST (20 s), adds a bearer key when there is one, and turns a
// non-success answer into a ProviderError. Time-outs run on the caller's Clock. No more of a
// reply than its cap is ever read: a longer one is stopped and fails with replyTooLong().
// Plain "http" addresses (the local servers) go through a socket with a bounded buffer
// (engines/PlainHttp.h), so a flooding server waits in the kernel; "https" ones through Qt's
// network access. Both belong to the caller's network session (ProviderHub owns the engines'
// one, on the main thread): ending the session ends what is still in flight as cancelled.
// Transport failures come back as PlatformError (domain "network"); a time-out has the code
// QNetworkReply::TimeoutError.

#include "engines/Async.h"
#include "engines/Replies.h"

#include <QByteArray>
#include <QJsonObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QNetworkAccessManager;

namespace tq {
class Clock;
}

namespace tq::Providers {

using BaseAddress = std::function<QString()>;

inline constexpr int kShortTimeoutMs = 3000;
inline constexpr int kLongTimeoutMs = 20000;

// The most read of a model list, a status probe or an error answer.
inline constexpr qint64 kReplyCap = 1 << 20;
// The most read of a completion asked for `maxTokens` tokens: room for every token written as
// JSON escapes, and for the fields a server adds around the text.
constexpr qint64 completionReplyCap(int maxTokens) { return (64 << 10) + qint64(maxTokens > 0 ? maxTokens : 0) * 128; }
// The failure of a reply that outgrew its cap.
ProviderError replyTooLong();

// The base address (trimmed of spaces and tabs) with `path` appended after exactly one "/";
// an address without "://" is taken as http. None when it does not parse as a URL with a host.
std::optional<QUrl> endpoint(const BaseAddress& base, const QString& path);
std::optional<QUrl> endpoint(const QString& base, const QString& path);

// GET with a 3 s time-out; the body of a 2xx answer of at most `maxBytes`.
Future<QByteArray> get(Clock& clock, QNetworkAccessManager& network, const std::optional<QUrl>& url,
                       const QString& key, qint64 maxBytes = kReplyCap);
// JSON POST with a 20 s time-out; the body of a 2xx answer of at most `maxBytes`.
Future<QByteArray> postJSON(Clock& clock, QNetworkAccessManager& network, const std::optional<QUrl>& url,
                            const QJsonObject& body, const QString& key, qint64 maxBytes = kReplyCap);

// "The server answered 404." or "The server answered 500: " + the body cut to 160 characters with "…".
ProviderError answerError(int status, const QByteArray& body);

// "1 model available", "2 models available", … (n ≥ 1).
QString modelsAvailableText(qsizetype n);

} // namespace tq::Providers
