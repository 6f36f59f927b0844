#pragma once
#include "platform/DiskSpace.h"

namespace tq {

// A volume with a set amount of free space; none means it cannot be read.
class FakeDiskSpace final : public DiskSpace {
public:
    std::optional<qint64> available;
    mutable QString lastPath;
    std::optional<qint64> availableBytes(const QString& path) const override
    {
        lastPath = path;
        return available;
    }
};

} // namespace tq
