#pragma once
// One HTTP/1.1 exchange with a plain "http" address over a socket whose read buffer is bounded:
// what a server sends beyond it waits in the kernel, so a server that floods never grows this
// process. The body is read up to its cap; a longer one stops the exchange. One request per
// connection, no redirects followed.

#include "engines/Async.h"

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QUrl>

#include <functional>
#include <memory>

class QObject;

namespace tq::Providers {

struct PlainRequest {
    QUrl url; // scheme "http"
    QByteArray method;
    QList<QPair<QByteArray, QByteArray>> headers;
    QByteArray body; // sent with its length for POST
    qint64 maxBytes = 0;
};

// What an exchange ends with: the status and body, a transport failure, or a stop.
struct PlainAnswer {
    enum class Kind { answered, tooLong, failed, stopped };
    Kind kind = Kind::stopped;
    int status = 0;
    QByteArray body;
    int networkError = 0; // a QNetworkReply::NetworkError for `failed`
    QString message;
};

class PlainExchange;

// The sentence for a server that was not reached (a QNetworkReply::NetworkError): refused, a
// name not found, a time-out, no secure connection, a proxy, or not reached at all.
QString unreachedText(int networkError);

// A header name or value that could end its line early: it holds CR, LF or NUL.
bool breaksHeaderLine(const QByteArray& text);
inline constexpr const char* kUnsafeHeaderMessage = "A request header holds a line break, so the request was not sent.";

// Starts the exchange (main thread) as a child of `owner`; `done` is called once, on the main
// thread, unless stopped first: with the answer, or with Kind::stopped when `owner` ends first.
// Stopping is safe at any time and more than once.
class PlainHttp {
public:
    PlainHttp(QObject& owner, PlainRequest request, std::function<void(PlainAnswer)> done);
    void stop();

private:
    std::shared_ptr<PlainExchange*> exchange_;
};

} // namespace tq::Providers
