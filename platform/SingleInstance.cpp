#include "platform/SingleInstance.h"

#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QElapsedTimer>
#include <QThread>

#include <optional>

#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {

namespace {
constexpr int kWaitMs = 1000;
constexpr qint64 kMaxMessage = 64 * 1024;
} // namespace

struct LocalSocketInstance::Impl {
    QLocalServer server;
};

LocalSocketInstance::LocalSocketInstance(QString socketPath, QObject* parent)
    : SingleInstance(parent), socketPath_(std::move(socketPath)), d(std::make_unique<Impl>())
{
    connect(&d->server, &QLocalServer::newConnection, this, [this] { accept(); });
}

LocalSocketInstance::~LocalSocketInstance() = default;

QString LocalSocketInstance::defaultSocketPath()
{
    return socketPathIn(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath());
}

QString LocalSocketInstance::socketPathIn(const QString& runtimeFolder, const QString& tempFolder)
{
    const QString name = QStringLiteral("tessaquill.sock");
    if (!runtimeFolder.isEmpty() && isPrivateFolder(runtimeFolder))
        return QDir(runtimeFolder).filePath(name);
    const QString own = QDir(tempFolder).filePath(QStringLiteral("tessaquill-%1").arg(::geteuid()));
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST) {
        log::warning(QStringLiteral("The folder for later launches could not be made: ") + own);
        return {};
    }
    if (!isPrivateFolder(own)) {
        log::warning(QStringLiteral("The folder for later launches is not private to this user, so it is not used: ") + own);
        return {};
    }
    return QDir(own).filePath(name);
}

bool LocalSocketInstance::isPrivateFolder(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

qint64 LocalSocketInstance::peerUid(qintptr socketDescriptor)
{
    struct ucred credentials = {};
    socklen_t length = sizeof credentials;
    if (socketDescriptor < 0
        || ::getsockopt(int(socketDescriptor), SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0)
        return -1;
    return credentials.uid;
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
    if (d->server.isListening() || socketPath_.isEmpty())
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
    if (socketPath_.isEmpty())
        return true;
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
    if (peerUid(socket.socketDescriptor()) != qint64(::geteuid())) {
        log::warning(QStringLiteral("The program listening for later launches belongs to another user; it is not told anything."));
        socket.abort();
        return false;
    }
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
        if (peerUid(socket->socketDescriptor()) != qint64(::geteuid())) {
            log::warning(QStringLiteral("A connection from another user was turned away."));
            socket->abort();
            socket->deleteLater();
            continue;
        }
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
