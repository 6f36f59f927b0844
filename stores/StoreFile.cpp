#include "stores/StoreFile.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

namespace tq::storefile {

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
        p += n;
        left -= n;
    }
    return true;
}

void syncDirectory(const QString& dir)
{
    const int fd = ::open(QFile::encodeName(dir).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ReadResult read(const QString& path)
{
    ReadResult result;
    QFile file(path);
    if (!file.exists()) {
        result.status = ReadStatus::missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::failed;
        result.error = QStringLiteral("The file could not be opened: %1").arg(file.errorString());
        return result;
    }
    result.data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = ReadStatus::failed;
        result.error = QStringLiteral("The file could not be read: %1").arg(file.errorString());
        result.data.clear();
        return result;
    }
    result.status = ReadStatus::ok;
    return result;
}

bool writeAtomically(const QString& path, const QByteArray& data, mode_t mode, QString* error)
{
    static std::atomic<unsigned> serial{0};
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };

    QString temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = QStringLiteral("%1/.%2.tmp-%3-%4").arg(dir, info.fileName()).arg(::getpid()).arg(serial++);
        fd = ::open(QFile::encodeName(temp).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return fail(QStringLiteral("The file %1 could not be written: %2").arg(info.fileName(), systemError(errno)));
    }
    if (fd < 0)
        return fail(QStringLiteral("The file %1 could not be written: no free temporary name.").arg(info.fileName()));

    const QByteArray tempName = QFile::encodeName(temp);
    if (!writeAll(fd, data) || ::fsync(fd) != 0) {
        const int code = errno;
        ::close(fd);
        ::unlink(tempName.constData());
        return fail(QStringLiteral("The file %1 could not be written: %2").arg(info.fileName(), systemError(code)));
    }
    ::close(fd);
    if (::rename(tempName.constData(), QFile::encodeName(path).constData()) != 0) {
        const int code = errno;
        ::unlink(tempName.constData());
        return fail(QStringLiteral("The file %1 could not be replaced: %2").arg(info.fileName(), systemError(code)));
    }
    syncDirectory(dir);
    return true;
}

} // namespace tq::storefile
