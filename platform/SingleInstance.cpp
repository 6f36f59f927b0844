#include "platform/SingleInstance.h"

#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalServer>
#include <QLocalSocket>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QStandardPaths>
#include <QThread>

#include <optional>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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
    return socketPathIn(qEnvironmentVariable("XDG_RUNTIME_DIR"), QDir::tempPath(), defaultRecordFolder());
}

QString LocalSocketInstance::defaultRecordFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Tessaquill");
}

namespace {

// Holds an exclusive lock on an open file until it ends; waits at most `waitMs` for it.
struct FileLock {
    int fd = -1;
    bool held = false;
    FileLock(int descriptor, int waitMs) : fd(descriptor)
    {
        QElapsedTimer waited;
        waited.start();
        while (fd >= 0 && !(held = ::flock(fd, LOCK_EX | LOCK_NB) == 0) && errno == EWOULDBLOCK
               && waited.elapsed() < waitMs)
            QThread::msleep(20);
    }
    ~FileLock()
    {
        if (fd >= 0)
            ::close(fd); // the lock goes with it
    }
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;
};

// Opens (or makes) a file of this user's that nobody else can write; -1 otherwise.
int openOwnFile(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    struct stat info = {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid() || (info.st_mode & 022) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// A record to rely on: a plain file of this user's that nobody else can write.
bool isTrustedRecord(const struct stat& info)
{
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 022) == 0;
}

// The record "instance-folder" in the folder `dir`, opened for reading and writing. One that
// cannot be trusted (a link, not a plain file, another user's, writable by others) is removed
// or, when it cannot be, moved aside, and a fresh one made. -1 when there is none to be had.
int openRecord(int dir)
{
    static const char* const name = "instance-folder";
    struct stat info = {};
    if (::fstatat(dir, name, &info, AT_SYMLINK_NOFOLLOW) == 0 && !isTrustedRecord(info)) {
        log::warning(QStringLiteral("The record of the folder for later launches cannot be trusted, so it is replaced."));
        if (::unlinkat(dir, name, 0) != 0 && ::unlinkat(dir, name, AT_REMOVEDIR) != 0) {
            const QByteArray aside = QByteArray(name) + ".untrusted-" + QByteArray::number(::getpid());
            if (::renameat(dir, name, dir, aside.constData()) != 0)
                return -1;
        }
    }
    const int fd = ::openat(dir, name, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0)
        return -1;
    if (::fstat(fd, &info) != 0 || !isTrustedRecord(info)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The private folder recorded in `recordFolder`, or a fresh one recorded there. The folder
// holding the record is locked meanwhile (and the record too, as earlier versions lock it), so
// launches at the same moment agree on one folder, also when one of them replaces the record.
QString recordedFolder(const QString& tempFolder, const QString& recordFolder)
{
    if (recordFolder.isEmpty())
        return {};
    QDir().mkpath(recordFolder);
    if (!LocalSocketInstance::isOwnFolder(recordFolder))
        return {};
    const QString prefix = QDir(tempFolder).filePath(QStringLiteral("tessaquill-%1-").arg(::geteuid()));
    int dir = ::open(QFile::encodeName(recordFolder).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    struct stat info = {};
    if (dir >= 0 && (::fstat(dir, &info) != 0 || info.st_uid != ::geteuid() || (info.st_mode & S_IWOTH) != 0)) {
        ::close(dir);
        dir = -1;
    }
    const FileLock turn(dir, 3000);
    if (!turn.held)
        return {};
    const FileLock record(openRecord(dir), 3000);
    if (!record.held)
        return {};
    QByteArray stored(4096, '\0');
    const ssize_t length = ::pread(record.fd, stored.data(), size_t(stored.size()), 0);
    stored.resize(length > 0 ? length : 0);
    const QString recorded = QFile::decodeName(stored.trimmed());
    if (recorded.startsWith(prefix) && !recorded.mid(prefix.size()).contains(QLatin1Char('/'))
        && LocalSocketInstance::isPrivateFolder(recorded))
        return recorded;
    QByteArray pattern = QFile::encodeName(prefix) + "XXXXXX";
    if (!::mkdtemp(pattern.data()))
        return {};
    if (::ftruncate(record.fd, 0) != 0 || ::pwrite(record.fd, pattern.constData(), size_t(pattern.size()), 0) != pattern.size()
        || ::fsync(record.fd) != 0) {
        ::rmdir(pattern.constData());
        return {};
    }
    return QFile::decodeName(pattern);
}

} // namespace

QString LocalSocketInstance::socketPathIn(const QString& runtimeFolder, const QString& tempFolder,
                                          const QString& recordFolder)
{
    const QString name = QStringLiteral("tessaquill.sock");
    if (!runtimeFolder.isEmpty() && isPrivateFolder(runtimeFolder))
        return QDir(runtimeFolder).filePath(name);
    const QString own = QDir(tempFolder).filePath(QStringLiteral("tessaquill-%1").arg(::geteuid()));
    if (::mkdir(QFile::encodeName(own).constData(), 0700) != 0 && errno != EEXIST)
        log::warning(QStringLiteral("The folder for later launches could not be made: ") + own);
    else if (isPrivateFolder(own))
        return QDir(own).filePath(name);
    // Another user made or replaced the usual folder: one of our own, which only we know of.
    const QString fresh = recordedFolder(tempFolder, recordFolder);
    if (fresh.isEmpty()) {
        log::warning(QStringLiteral("The folder for later launches is not private to this user and no other private "
                                    "place could be made, so later launches start their own instance: ")
                     + own);
        return {};
    }
    log::warning(QStringLiteral("The folder for later launches is not private to this user, so a private one of its "
                                "own is used: ")
                 + fresh);
    return QDir(fresh).filePath(name);
}

bool LocalSocketInstance::isPrivateFolder(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

bool LocalSocketInstance::isOwnFolder(const QString& path)
{
    struct stat info = {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() && (info.st_mode & S_IWOTH) == 0;
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
    // Launches at the same moment take turns: each either hands over to the one that listens
    // or listens itself, never both listening.
    const QString lockPath = QFileInfo(socketPath_).dir().filePath(QStringLiteral("tessaquill.lock"));
    const FileLock turn(openOwnFile(lockPath), 3000);
    if (!turn.held)
        log::warning(QStringLiteral("Launches could not take turns: the lock beside the socket is not at hand."));
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
