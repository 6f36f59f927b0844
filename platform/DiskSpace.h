#pragma once
// Free space of the volume that holds a folder.

#include <QString>

#include <optional>

namespace tq {

class DiskSpace {
public:
    virtual ~DiskSpace() = default;
    // Bytes available to this user on the volume of `path` (the nearest existing folder
    // above it counts); none when it cannot be read.
    virtual std::optional<qint64> availableBytes(const QString& path) const = 0;

    // The real volume query.
    static std::unique_ptr<DiskSpace> createSystem();
};

} // namespace tq
