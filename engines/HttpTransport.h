#pragma once
// The small HTTP transport of the server engines: joins a base address and a path, sends a
// GET (3 s time-out) or a JSON POST (20 s), adds a bearer key when there is one, and turns a
// non-success answer into a ProviderError. Time-outs run on the caller's Clock.
// Transport failures come back as PlatformError (domain "network"); a time-out has the code
// QNetworkReply::TimeoutError.

#include "engines/Async.h"

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

// The base address (trimmed of spaces and tabs) with `path` appended after exactly one "/";
// none when the base does not parse as an absolute URL.
std::optional<QUrl> endpoint(const BaseAddress& base, const QString& path);
std::optional<QUrl> endpoint(const QString& base, const QString& path);

// GET with a 3 s time-out; the body of a 2xx answer.
Future<QByteArray> get(Clock& clock, const std::optional<QUrl>& url, const QString& key);
// JSON POST with a 20 s time-out; the body of a 2xx answer.
Future<QByteArray> postJSON(Clock& clock, const std::optional<QUrl>& url, const QJsonObject& body, const QString& key);

// "The server answered 404. " + the body cut to 160 characters with "…".
ProviderError answerError(int status, const QByteArray& body);

// The shared HTTP session of the engines (main thread).
QNetworkAccessManager& session();

// A reply that is not JSON, or lacks a key the format requires (`missing`).
PlatformError decodingError(bool missing = false);

// The JSON object of a successful reply; a failure or cancellation passes through, a body that
// is not a JSON object becomes a decoding error.
Outcome<QJsonObject> decodeObject(const Outcome<QByteArray>& reply);

// The model list of a reply: the string `nameKey` of every object in the array `listKey`,
// sorted; empty on any failure (a cancellation stays one).
Outcome<QStringList> listedNames(const Outcome<QByteArray>& reply, const QString& listKey, const QString& nameKey);

// Names sorted by the Unicode scalar values of their canonically composed forms.
QStringList sortedByCodePoint(QStringList names);
// "1 model available", "2 models available", … (n ≥ 1).
QString modelsAvailableText(qsizetype n);

} // namespace tq::Providers
