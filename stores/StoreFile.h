#pragma once
// File handling shared by the stores: atomic replacement, reading that tells a missing file
// from an unreadable one, and moving a file aside instead of losing it.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <sys/types.h>

namespace tq::storefile {

enum class ReadStatus { Ok, Missing, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Missing;
    QByteArray data;
    QString error;
};

ReadResult read(const QString& path);

// Writes to a temporary file beside `path`, flushes it to disk and renames it over `path`.
// `mode` is the new file's permission bits (the umask still applies). On failure the old
// file is untouched and `error` says why.
bool writeAtomically(const QString& path, const QByteArray& data, mode_t mode = 0666, QString* error = nullptr);

// Renames `path` to "<path>.unreadable-<yyyyMMdd-HHmmss>" (with a number added when that name
// is taken) so that a file the program cannot use is kept for the user. Returns the new
// path, or an empty string when the rename failed.
QString moveAside(const QString& path, const QDateTime& when);

} // namespace tq::storefile
