#include "platform/SingleInstance.h"

#include "platform/Log.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QElapsedTimer>
#include <QThread>

#include <optional>
#include <unistd.h>

namespace tq {

namespace {
constexpr int kWaitMs = 1000;
constexpr qint64 kMaxMessage = 64 * 1024;
} // namespace

struct LocalSocketInstance::Impl {
    QLocalServer server;
};

std::unique_ptr<SingleInstance> SingleInstance::system()
{
    return std::make_unique<LocalSocketInstance>();
}

LocalSocketInstance::LocalSocketInstance(QString socketPath, QObject* parent)
    : SingleInstance(parent), socketPath_(std::move(socketPath)), d(std::make_unique<Impl>())
{
    connect(&d->server, &QLocalServer::newConnection, this, [this] { accept(); });
}

LocalSocketInstance::~LocalSocketInstance() = default;

QString LocalSocketInstance::defaultSocketPath()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists())
        return QDir(runtime).filePath(QStringLiteral("tessaquill.sock"));
    return QDir(QDir::tempPath()).filePath(QStringLiteral("tessaquill-%1.sock").arg(::getuid()));
}

QByteArray LocalSocketInstance::encode(const QStringList& arguments)
{
    return QJsonDocument(QJsonArray::fromStringList(arguments)).toJson(QJsonDocument::Compact);
}

std::optional<QStringList> LocalSocketInstance::decode(const QByteArray& message)
{
    QJsonParseError error;
    const auto doc = QJsonDocument::fromJson(message, &error);
    if (error.error != QJsonParseError::NoError || !doc.isArray())
        return std::nullopt;
    QStringList out;
    for (const auto& v : doc.array()) {
        if (!v.isString())
            return std::nullopt;
        out << v.toString();
    }
    return out;
}

bool LocalSocketInstance::isListening() const
{
    return d->server.isListening();
}

bool LocalSocketInstance::claim(const QStringList& arguments)
{
    if (d->server.isListening())
        return true;
    if (handOver(arguments))
        return false;
    // Nobody answers: a socket file left by a crashed run is removed before listening.
    QLocalServer::removeServer(socketPath_);
    d->server.setSocketOptions(QLocalServer::UserAccessOption);
    if (!d->server.listen(socketPath_)) {
        log::warning(QStringLiteral("Cannot listen for later launches: ") + d->server.errorString());
        return true; // run all the same; later launches then start their own instance
    }
    return true;
}

bool LocalSocketInstance::waitUntilFree(int timeoutMs)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        QLocalSocket probe;
        probe.connectToServer(socketPath_);
        if (!probe.waitForConnected(200))
            return true;
        probe.abort(); // an empty connection: the running instance ignores it
        if (waited.elapsed() >= timeoutMs)
            return false;
        QThread::msleep(100);
    }
}

bool LocalSocketInstance::handOver(const QStringList& arguments)
{
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(kWaitMs))
        return false;
    socket.write(encode(arguments));
    socket.flush();
    socket.waitForBytesWritten(kWaitMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(kWaitMs);
    return true;
}

void LocalSocketInstance::accept()
{
    while (QLocalSocket* socket = d->server.nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        connect(socket, &QLocalSocket::readyRead, socket, [socket, buffer] {
            buffer->append(socket->readAll());
            if (buffer->size() > kMaxMessage)
                socket->abort();
        });
        connect(socket, &QLocalSocket::disconnected, this, [this, socket, buffer] {
            buffer->append(socket->readAll());
            socket->deleteLater();
            if (buffer->size() > kMaxMessage || buffer->isEmpty())
                return;
            if (auto arguments = decode(*buffer))
                emit handedOver(*arguments);
            else
                log::warning(QStringLiteral("A later launch sent a message that is not a list of arguments."));
        });
    }
}

} // namespace tq
