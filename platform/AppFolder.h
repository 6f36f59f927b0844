#pragma once
// The program's data folder and the two file operations every store uses: atomic writes and
// moving aside a file that could not be decoded.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tq {

// "Tessaquill" under the XDG data folder ($XDG_DATA_HOME, else ~/.local/share), created with
// its parents on every call when missing; a failure to create it is logged and the path is
// returned all the same.
QString applicationSupportFolder();

// Writes `bytes` to a temporary file beside `path` and renames it into place. On failure the
// old file is untouched, false is returned and `error` (when given) says why.
bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// Renames a file that failed to decode to "<path>.corrupt-<UTC time>" (plus a number when that
// exists) so that the next save cannot overwrite it. Returns the new path, or an empty text
// when the file could not be moved. Logged either way. `now` is the clock's wall time.
QString moveAside(const QString& path, const QDateTime& now);

} // namespace tq
