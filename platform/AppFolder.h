#pragma once
// The program's data folder and the file operations every store uses: reading that never
// blocks and never swallows more than a cap, atomic writes that cannot lose the old file, and
// moving aside a file that could not be decoded.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <sys/types.h>

namespace tq {

// "Tessaquill" under the XDG data folder ($XDG_DATA_HOME, else ~/.local/share), created with
// its parents on every call when missing; a failure to create it is logged and the path is
// returned all the same.
QString applicationSupportFolder();

// The largest store file read whole (the writing memory allows more).
inline constexpr qint64 kStoreFileCap = 16 << 20;

struct StoreFileRead {
    // refused: there is something at the path, but not a regular file of at most the cap.
    enum class Status { ok, missing, refused, failed };
    Status status = Status::missing;
    QByteArray data;
    QString error; // why, for the log, when refused or failed
};

// Reads a store file without ever waiting on it: a FIFO, a device or anything else that is not
// a regular file is refused, and so is a file larger than `cap` bytes.
StoreFileRead readStoreFile(const QString& path, qint64 cap = kStoreFileCap);

// Writes `bytes` to a temporary file beside `path` (permission bits `mode`, less the umask),
// flushes it to disk, checks its size and only then renames it into place and flushes the
// folder. On any failure the old file is untouched, the temporary file is gone, false is
// returned and `error` (when given) says why.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr, mode_t mode = 0666);

// Renames a file that failed to decode to "<path>.corrupt-<UTC time>" (plus a number when that
// exists) so that the next save cannot overwrite it. Returns the new path, or an empty text
// when the file could not be moved. Logged either way. `now` is the clock's wall time.
QString moveAside(const QString& path, const QDateTime& now);

} // namespace tq
