#pragma once
// A server on 127.0.0.1 that answers every request with a head and then as many bytes as it
// is told (or without end), written on a thread of its own as fast as the client takes them:
// the client's event loop does not pace it.

#include <QByteArray>
#include <QString>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <thread>
#include <vector>

namespace tq::test {

class FloodServer {
public:
    struct Answer {
        int status = 200;
        QByteArray prefix;        // the body's first bytes
        qint64 floodBytes = -1;   // then this many of `fill` (-1: for ever)
        bool declareLength = false;
        QByteArray fill = "aaaaaaaa";
    };

    explicit FloodServer(Answer answer) : answer_(std::move(answer))
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(listener_, 16);
        socklen_t len = sizeof addr;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&addr), &len);
        port_ = ntohs(addr.sin_port);
        acceptor_ = std::thread([this] { acceptLoop(); });
    }
    ~FloodServer()
    {
        stop_ = true;
        ::shutdown(listener_, SHUT_RDWR);
        ::close(listener_);
        acceptor_.join();
        for (std::thread& t : writers_)
            t.join();
    }
    QString base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port_); }
    qint64 bytesSent() const { return sent_; }

private:
    void acceptLoop()
    {
        while (!stop_) {
            pollfd p{listener_, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const int fd = ::accept(listener_, nullptr, nullptr);
            if (fd < 0)
                continue;
            writers_.emplace_back([this, fd] { serve(fd); });
        }
    }

    bool writeAll(int fd, const QByteArray& data)
    {
        qsizetype done = 0;
        while (done < data.size() && !stop_) {
            pollfd p{fd, POLLOUT, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const ssize_t n = ::send(fd, data.constData() + done, size_t(data.size() - done), MSG_NOSIGNAL);
            if (n <= 0)
                return false;
            done += n;
            sent_ += n;
        }
        return !stop_;
    }

    void serve(int fd)
    {
        // Read the request head and its body.
        QByteArray in;
        char buf[4096];
        while (!stop_) {
            const int end = in.indexOf("\r\n\r\n");
            if (end >= 0) {
                const int at = in.toLower().indexOf("content-length:");
                const int length = at < 0 ? 0 : in.mid(at + 15, in.indexOf('\r', at) - at - 15).trimmed().toInt();
                if (in.size() >= end + 4 + length)
                    break;
            }
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 50) <= 0)
                continue;
            const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n <= 0)
                break;
            in.append(buf, n);
        }
        const bool chunked = !answer_.declareLength;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(answer_.status) + " X\r\nContent-Type: application/json\r\n"
                          "Connection: close\r\n";
        head += chunked ? QByteArray("Transfer-Encoding: chunked\r\n\r\n")
                        : "Content-Length: " + QByteArray::number(answer_.prefix.size() + answer_.floodBytes) + "\r\n\r\n";
        const auto frame = [chunked](const QByteArray& data) {
            return chunked ? QByteArray::number(data.size(), 16) + "\r\n" + data + "\r\n" : data;
        };
        bool ok = writeAll(fd, head + frame(answer_.prefix));
        QByteArray block;
        while (block.size() < (64 << 10))
            block += answer_.fill;
        qint64 left = answer_.floodBytes;
        while (ok && left != 0) {
            const qint64 n = left < 0 ? block.size() : std::min<qint64>(left, block.size());
            ok = writeAll(fd, frame(block.left(n)));
            if (left > 0)
                left -= n;
        }
        if (ok && chunked)
            writeAll(fd, "0\r\n\r\n");
        ::close(fd);
    }

    Answer answer_;
    int listener_ = -1;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> sent_{0};
    std::thread acceptor_;
    std::vector<std::thread> writers_;
};

} // namespace tq::test
