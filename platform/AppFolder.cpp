#include "platform/AppFolder.h"

#include "platform/Clock.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tq {

namespace {

QString systemError(int code) { return QString::fromLocal8Bit(std::strerror(code)); }

bool writeAll(int fd, const QByteArray& data)
{
    const char* p = data.constData();
    qsizetype left = data.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (n == 0) {
            errno = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

// Closes `fd` once, keeping the first failure's errno.
class FileHandle {
public:
    explicit FileHandle(int fd) : fd_(fd) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    int fd() const { return fd_; }
    bool close()
    {
        if (fd_ < 0)
            return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0 || errno == EINTR;
    }

private:
    int fd_;
};

} // namespace

QString applicationSupportFolder()
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tessaquill");
    if (!QDir().mkpath(path))
        log::warning(QStringLiteral("The data folder could not be created: ") + path);
    return path;
}

StoreFileRead readStoreFile(const QString& path, qint64 cap)
{
    StoreFileRead result;
    auto finish = [&](StoreFileRead::Status status, const QString& why) {
        result.status = status;
        result.error = why;
        result.data.clear();
        return result;
    };
    // Non-blocking: opening a FIFO must not wait for a writer.
    FileHandle file(::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.fd() < 0) {
        if (errno == ENOENT)
            return finish(StoreFileRead::Status::missing, {});
        return finish(StoreFileRead::Status::failed, QStringLiteral("The file could not be opened: ") + systemError(errno));
    }
    struct stat info = {};
    if (::fstat(file.fd(), &info) != 0)
        return finish(StoreFileRead::Status::failed, QStringLiteral("The file could not be examined: ") + systemError(errno));
    if (!S_ISREG(info.st_mode))
        return finish(StoreFileRead::Status::refused, QStringLiteral("It is not a regular file."));
    if (info.st_size > cap)
        return finish(StoreFileRead::Status::refused, QStringLiteral("It is larger than %1 bytes.").arg(cap));
    result.data.resize(qsizetype(info.st_size));
    qsizetype filled = 0;
    for (;;) {
        if (filled == result.data.size()) {
            // The file may have grown since fstat; read on up to the cap.
            if (filled > cap)
                return finish(StoreFileRead::Status::refused, QStringLiteral("It is larger than %1 bytes.").arg(cap));
            result.data.resize(std::min<qsizetype>(filled + 4096, cap + 1));
        }
        const ssize_t n = ::read(file.fd(), result.data.data() + filled, size_t(result.data.size() - filled));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return finish(StoreFileRead::Status::failed, QStringLiteral("The file could not be read: ") + systemError(errno));
        }
        if (n == 0)
            break;
        filled += n;
    }
    result.data.truncate(filled);
    result.status = StoreFileRead::Status::ok;
    return result;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error, mode_t mode)
{
    static std::atomic<unsigned> serial{0};
    const QFileInfo info(path);
    const QString folder = info.absolutePath();
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (!QDir().mkpath(folder))
        return fail(QStringLiteral("The folder ") + folder + QStringLiteral(" could not be created."));

    QString temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = QStringLiteral("%1/.%2.tmp-%3-%4").arg(folder, info.fileName()).arg(::getpid()).arg(serial++);
        fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return fail(QStringLiteral("The file %1 could not be written: %2").arg(info.fileName(), systemError(errno)));
    }
    if (fd < 0)
        return fail(QStringLiteral("The file %1 could not be written: no free temporary name.").arg(info.fileName()));

    const QByteArray tempName = QFile::encodeName(temp);
    FileHandle file(fd);
    auto discard = [&](int code) {
        file.close();
        ::unlink(tempName.constData());
        return fail(QStringLiteral("The file %1 could not be written: %2").arg(info.fileName(), systemError(code)));
    };
    // Every step is checked: a full disk can surface at the write, the flush or the close.
    if (!writeAll(fd, bytes) || ::fsync(fd) != 0)
        return discard(errno);
    struct stat written = {};
    if (::fstat(fd, &written) != 0)
        return discard(errno);
    if (written.st_size != bytes.size())
        return discard(EIO);
    if (!file.close())
        return discard(errno);
    if (::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0) {
        const int code = errno;
        ::unlink(tempName.constData());
        return fail(QStringLiteral("The file %1 could not be replaced: %2").arg(info.fileName(), systemError(code)));
    }
    // The new file is in place; a folder that cannot be flushed only delays its durability.
    FileHandle dir(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.fd() < 0 || ::fsync(dir.fd()) != 0)
        log::warning(QStringLiteral("The folder of %1 could not be flushed to disk: %2").arg(info.fileName(), systemError(errno)));
    return true;
}

QString moveAside(const QString& path, const QDateTime& now)
{
    const QString stamp = now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QStringLiteral(".corrupt-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    // rename(2) itself: whatever sits there (a FIFO, a link to a device) is moved, never copied.
    if (::rename(QFile::encodeName(path).constData(), QFile::encodeName(target).constData()) != 0) {
        log::error(QStringLiteral("A file that could not be read could not be moved aside either: ") + path);
        return {};
    }
    log::warning(QStringLiteral("A file that could not be read was moved aside to ") + target);
    return target;
}

} // namespace tq
