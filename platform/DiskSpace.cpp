#include "platform/DiskSpace.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

namespace tq {

namespace {

class SystemDiskSpace final : public DiskSpace {
public:
    std::optional<qint64> availableBytes(const QString& path) const override
    {
        QString p = QFileInfo(path).absoluteFilePath();
        while (!p.isEmpty() && !QFileInfo::exists(p)) {
            const QString up = QFileInfo(p).path();
            if (up == p)
                break;
            p = up;
        }
        QStorageInfo info(p);
        if (!info.isValid() || !info.isReady())
            return std::nullopt;
        const qint64 free = info.bytesAvailable();
        if (free < 0)
            return std::nullopt;
        return free;
    }
};

} // namespace

std::unique_ptr<DiskSpace> DiskSpace::createSystem()
{
    return std::make_unique<SystemDiskSpace>();
}

} // namespace tq
