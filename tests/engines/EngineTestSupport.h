#pragma once
// Helpers of the engine tests: waiting for a future, and a scripted HTTP server on 127.0.0.1.

#include "engines/Async.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

#include <functional>
#include <optional>

namespace tq::test {

// Runs the event loop until `condition` holds or `ms` pass; true when it held.
inline bool spinUntil(const std::function<bool()>& condition, int ms = 10000)
{
    QElapsedTimer t;
    t.start();
    while (!condition()) {
        if (t.elapsed() > ms)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::usleep(200);
    }
    return true;
}

// The outcome of `f` once its continuation has run.
template <class T>
std::optional<Outcome<T>> await(const Future<T>& f, int ms = 10000)
{
    std::optional<Outcome<T>> out;
    f.then([&out](const Outcome<T>& o) { out = o; });
    spinUntil([&] { return out.has_value(); }, ms);
    return out;
}

// The head of one HTTP request, once a buffer holds all of it.
struct RequestHead {
    QByteArray method;
    QByteArray path;
    QHash<QByteArray, QByteArray> headers; // lower-case names
    int bodyStart = 0;
};
inline std::optional<RequestHead> parseHead(const QByteArray& buf)
{
    const int end = buf.indexOf("\r\n\r\n");
    if (end < 0)
        return std::nullopt;
    RequestHead h;
    const QList<QByteArray> lines = buf.left(end).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    h.method = first.value(0);
    h.path = first.value(1);
    for (int i = 1; i < lines.size(); ++i) {
        const int colon = lines[i].indexOf(':');
        if (colon > 0)
            h.headers[lines[i].left(colon).trimmed().toLower()] = lines[i].mid(colon + 1).trimmed();
    }
    h.bodyStart = end + 4;
    return h;
}

// A little HTTP/1.1 server: every request is recorded, then answered by the handler of its
// path (or 404). A handler may hold the answer back for ever.
class FakeHttpServer {
public:
    struct Request {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // lower-case names
        QByteArray body;
    };
    struct Response {
        int status = 200;
        QByteArray body;
        bool hang = false; // never answer
        QByteArray contentType = "application/json";
    };
    using Handler = std::function<Response(const Request&)>;

    FakeHttpServer()
    {
        server_.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* s = server_.nextPendingConnection()) {
                s->setParent(&server_);
                QObject::connect(s, &QTcpSocket::readyRead, s, [this, s] { onData(s); });
            }
        });
    }

    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()); }
    void on(const QByteArray& path, Handler h) { handlers_[path] = std::move(h); }
    void reply(const QByteArray& path, int status, QByteArray body)
    {
        on(path, [status, body](const Request&) { return Response{status, body}; });
    }
    const QList<Request>& requests() const { return requests_; }
    QList<Request> requestsTo(const QByteArray& path) const
    {
        QList<Request> out;
        for (const auto& r : requests_)
            if (r.path == path)
                out << r;
        return out;
    }

private:
    void onData(QTcpSocket* s)
    {
        QByteArray& buf = buffers_[s];
        buf += s->readAll();
        const auto head = parseHead(buf);
        if (!head)
            return;
        Request r{head->method, head->path, head->headers, {}};
        const int length = r.headers.value("content-length").toInt();
        if (buf.size() < head->bodyStart + length)
            return;
        r.body = buf.mid(head->bodyStart, length);
        buffers_.remove(s);
        requests_ << r;
        QByteArray key = r.path;
        if (!handlers_.contains(key) && key.startsWith('/'))
            key = key.mid(1);
        Response resp = handlers_.contains(r.path) ? handlers_[r.path](r)
            : handlers_.contains(key)              ? handlers_[key](r)
                                                   : Response{404, {}};
        if (resp.hang)
            return;
        QByteArray out = "HTTP/1.1 " + QByteArray::number(resp.status) + " X\r\n";
        if (!resp.body.isEmpty() || resp.status != 204)
            out += "Content-Type: " + resp.contentType + "\r\n";
        out += "Content-Length: " + QByteArray::number(resp.body.size()) + "\r\nConnection: close\r\n\r\n";
        s->write(out + resp.body);
        s->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QByteArray, Handler> handlers_;
    QHash<QTcpSocket*, QByteArray> buffers_;
    QList<Request> requests_;
};

// A port on 127.0.0.1 where nothing listens.
inline quint16 closedPort()
{
    QTcpServer s;
    s.listen(QHostAddress(QStringLiteral("127.0.0.1")), 0);
    const quint16 port = s.serverPort();
    s.close();
    return port;
}

} // namespace tq::test
