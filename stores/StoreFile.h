#pragma once
// File handling of the stores beyond platform/AppFolder.h: reading that tells a missing file
// from an unreadable one, and an atomic replacement that sets the new file's permissions.

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace tq::storefile {

enum class ReadStatus { ok, missing, failed };

struct ReadResult {
    ReadStatus status = ReadStatus::missing;
    QByteArray data;
    QString error;
};

ReadResult read(const QString& path);

// Writes to a temporary file beside `path`, flushes it to disk and renames it over `path`.
// `mode` is the new file's permission bits (the umask still applies), whatever the old
// file's were. On failure the old
// file is untouched and `error` says why.
bool writeAtomically(const QString& path, const QByteArray& data, mode_t mode = 0666, QString* error = nullptr);

} // namespace tq::storefile
