#include "engines/PlainHttp.h"

#include "platform/Text.h"

#include <QNetworkReply>
#include <QObject>
#include <QTcpSocket>

namespace tq::Providers {

namespace {
constexpr qint64 kSocketBuffer = 64 << 10;
constexpr qsizetype kMaxHead = 64 << 10;

int networkErrorOf(QAbstractSocket::SocketError e)
{
    switch (e) {
    case QAbstractSocket::ConnectionRefusedError:
        return QNetworkReply::ConnectionRefusedError;
    case QAbstractSocket::RemoteHostClosedError:
        return QNetworkReply::RemoteHostClosedError;
    case QAbstractSocket::HostNotFoundError:
        return QNetworkReply::HostNotFoundError;
    case QAbstractSocket::SocketTimeoutError:
        return QNetworkReply::TimeoutError;
    default:
        return QNetworkReply::UnknownNetworkError;
    }
}
} // namespace

QString unreachedText(int networkError)
{
    switch (QNetworkReply::NetworkError(networkError)) {
    case QNetworkReply::ConnectionRefusedError:
        return text("The server refused the connection. Check that it is running and that the address is right.");
    case QNetworkReply::HostNotFoundError:
        return text("The server's name couldn't be found. Check the address.");
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError:
        return text("The request timed out.");
    case QNetworkReply::SslHandshakeFailedError:
    case QNetworkReply::InsecureRedirectError:
        return text("A secure connection to the server couldn't be made.");
    case QNetworkReply::RemoteHostClosedError:
        return text("The server closed the connection before it answered.");
    case QNetworkReply::ProxyConnectionRefusedError:
    case QNetworkReply::ProxyConnectionClosedError:
    case QNetworkReply::ProxyNotFoundError:
    case QNetworkReply::ProxyTimeoutError:
    case QNetworkReply::ProxyAuthenticationRequiredError:
        return text("The network proxy couldn't be reached.");
    default:
        return text("The server couldn't be reached.");
    }
}

bool breaksHeaderLine(const QByteArray& text)
{
    return text.contains('\r') || text.contains('\n') || text.contains('\0');
}

class PlainExchange : public QObject {
public:
    PlainExchange(QObject& owner, PlainRequest request, std::function<void(PlainAnswer)> done)
        : QObject(&owner), request_(std::move(request)), done_(std::move(done))
    {
        socket_.setReadBufferSize(kSocketBuffer);
        connect(&socket_, &QTcpSocket::connected, this, [this] { sendRequest(); });
        connect(&socket_, &QTcpSocket::readyRead, this, [this] { read(); });
        connect(&socket_, &QTcpSocket::errorOccurred, this, [this](QAbstractSocket::SocketError e) { failed(e); });
        // Whatever put it there, a header that breaks its line never reaches the server.
        for (const auto& [name, value] : request_.headers) {
            if (breaksHeaderLine(name) || breaksHeaderLine(value)) {
                finishWith(failure(QNetworkReply::ProtocolInvalidOperationError,
                                   QString::fromLatin1(kUnsafeHeaderMessage)));
                return;
            }
        }
        const QUrl& url = request_.url;
        socket_.connectToHost(url.host(), quint16(url.port(80)));
    }

    // Its owner ended before the answer: the socket closes here, the caller hears "stopped".
    ~PlainExchange() override
    {
        if (finished_)
            return;
        finished_ = true;
        socket_.disconnect(this);
        socket_.abort();
        if (auto done = std::exchange(done_, nullptr))
            done({});
    }

    // Ends the exchange without calling back.
    void stop()
    {
        done_ = nullptr;
        finishWith({});
    }

private:
    enum class Body { untilClose, length, chunked };

    void sendRequest()
    {
        const QUrl& url = request_.url;
        QByteArray target = url.path(QUrl::FullyEncoded).toUtf8();
        if (target.isEmpty())
            target = "/";
        if (url.hasQuery())
            target += '?' + url.query(QUrl::FullyEncoded).toUtf8();
        QByteArray host = url.host(QUrl::FullyEncoded).toUtf8();
        if (host.contains(':'))
            host = '[' + host + ']';
        if (url.port() != -1)
            host += ':' + QByteArray::number(url.port());
        QByteArray out = request_.method + ' ' + target + " HTTP/1.1\r\nHost: " + host
            + "\r\nConnection: close\r\nAccept-Encoding: identity\r\n";
        for (const auto& [name, value] : request_.headers)
            out += name + ": " + value + "\r\n";
        if (request_.method == "POST")
            out += "Content-Length: " + QByteArray::number(request_.body.size()) + "\r\n";
        out += "\r\n" + request_.body;
        socket_.write(out);
    }

    void read()
    {
        while (!finished_ && socket_.bytesAvailable() > 0) {
            buffer_ += socket_.read(kSocketBuffer);
            process();
        }
    }

    void process()
    {
        if (!headRead_) {
            const qsizetype end = buffer_.indexOf("\r\n\r\n");
            if (end < 0) {
                if (buffer_.size() > kMaxHead)
                    finishWith(tooLong());
                return;
            }
            if (!parseHead(buffer_.left(end)))
                return;
            buffer_.remove(0, end + 4);
        }
        switch (body_) {
        case Body::untilClose:
            take(buffer_.size());
            break;
        case Body::length:
            take(std::min<qint64>(buffer_.size(), length_ - received_.size()));
            if (!finished_ && received_.size() >= length_)
                answered();
            break;
        case Body::chunked:
            chunks();
            break;
        }
    }

    bool parseHead(const QByteArray& head)
    {
        headRead_ = true;
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> status = lines.value(0).trimmed().split(' ');
        bool ok = false;
        status_ = status.value(1).toInt(&ok);
        if (!status.value(0).startsWith("HTTP/1.") || !ok) {
            finishWith(failure(QNetworkReply::ProtocolFailure, text("The server's answer is not HTTP.")));
            return false;
        }
        bool chunked = false, hasLength = false;
        for (qsizetype i = 1; i < lines.size(); ++i) {
            const qsizetype colon = lines[i].indexOf(':');
            if (colon <= 0)
                continue;
            const QByteArray name = lines[i].left(colon).trimmed().toLower();
            const QByteArray value = lines[i].mid(colon + 1).trimmed();
            if (name == "transfer-encoding" && value.toLower().contains("chunked"))
                chunked = true;
            else if (name == "content-length")
                length_ = value.toLongLong(&hasLength);
        }
        if (status_ == 204 || status_ == 304 || (status_ >= 100 && status_ < 200)) {
            body_ = Body::length;
            length_ = 0;
        } else if (chunked) {
            body_ = Body::chunked;
        } else if (hasLength) {
            if (length_ < 0 || length_ > request_.maxBytes) {
                finishWith(tooLong());
                return false;
            }
            body_ = Body::length;
        }
        if (body_ == Body::length && length_ == 0)
            answered();
        return !finished_;
    }

    // Moves `n` bytes of the buffer to the body, stopping at the cap.
    void take(qint64 n)
    {
        received_ += buffer_.left(n);
        buffer_.remove(0, n);
        if (received_.size() > request_.maxBytes)
            finishWith(tooLong());
    }

    void chunks()
    {
        while (!finished_) {
            if (chunkLeft_ == 0) {
                const qsizetype eol = buffer_.indexOf("\r\n");
                if (eol < 0) {
                    if (buffer_.size() > 1024)
                        finishWith(failure(QNetworkReply::ProtocolFailure, text("The server's answer is not HTTP.")));
                    return;
                }
                const QByteArray line = buffer_.left(eol);
                buffer_.remove(0, eol + 2);
                if (afterChunk_) { // the line break closing a chunk's data
                    afterChunk_ = false;
                    if (!line.isEmpty()) {
                        finishWith(failure(QNetworkReply::ProtocolFailure, text("The server's answer is not HTTP.")));
                        return;
                    }
                    continue;
                }
                bool ok = false;
                const qint64 size = line.split(';').value(0).trimmed().toLongLong(&ok, 16);
                if (!ok || size < 0) {
                    finishWith(failure(QNetworkReply::ProtocolFailure, text("The server's answer is not HTTP.")));
                    return;
                }
                if (size == 0) {
                    answered(); // trailers, if any, are not needed
                    return;
                }
                if (received_.size() + size > request_.maxBytes) {
                    finishWith(tooLong());
                    return;
                }
                chunkLeft_ = size;
            }
            if (buffer_.isEmpty())
                return;
            const qint64 n = std::min<qint64>(chunkLeft_, buffer_.size());
            take(n);
            chunkLeft_ -= n;
            if (chunkLeft_ == 0)
                afterChunk_ = true;
        }
    }

    void failed(QAbstractSocket::SocketError e)
    {
        if (finished_)
            return;
        if (e == QAbstractSocket::RemoteHostClosedError && headRead_) {
            read();
            if (finished_)
                return;
            if (body_ == Body::untilClose) {
                answered();
                return;
            }
        }
        const int code = networkErrorOf(e);
        finishWith(failure(code, unreachedText(code)));
    }

    PlainAnswer tooLong() const { return {PlainAnswer::Kind::tooLong, status_, {}, 0, {}}; }
    static PlainAnswer failure(int code, const QString& message)
    {
        return {PlainAnswer::Kind::failed, 0, {}, code, message};
    }
    void answered() { finishWith({PlainAnswer::Kind::answered, status_, std::exchange(received_, {}), 0, {}}); }

    void finishWith(PlainAnswer answer)
    {
        if (finished_)
            return;
        finished_ = true;
        socket_.disconnect(this);
        socket_.abort();
        buffer_ = QByteArray();
        received_ = QByteArray();
        if (auto done = std::exchange(done_, nullptr))
            futures::postToMain([done, answer] { done(answer); });
        deleteLater();
    }

    PlainRequest request_;
    std::function<void(PlainAnswer)> done_;
    QTcpSocket socket_;
    QByteArray buffer_;
    QByteArray received_;
    bool headRead_ = false;
    bool finished_ = false;
    int status_ = 0;
    Body body_ = Body::untilClose;
    qint64 length_ = 0;
    qint64 chunkLeft_ = 0;
    bool afterChunk_ = false;
};

PlainHttp::PlainHttp(QObject& owner, PlainRequest request, std::function<void(PlainAnswer)> done)
    : exchange_(std::make_shared<PlainExchange*>(nullptr))
{
    auto slot = exchange_;
    auto* exchange = new PlainExchange(owner, std::move(request), [slot, done](PlainAnswer a) {
        *slot = nullptr;
        done(std::move(a));
    });
    *exchange_ = exchange;
    QObject::connect(exchange, &QObject::destroyed, [slot] { *slot = nullptr; });
}

void PlainHttp::stop()
{
    if (PlainExchange* e = *exchange_) {
        *exchange_ = nullptr;
        e->stop();
    }
}

} // namespace tq::Providers
