#pragma once
// The open-source notices file the build installs beside the program.

#include <QString>

namespace tq {

// Where the notices file lies: "../share/tessaquill/ThirdPartyNotices.txt" from the program's
// folder (installed or in the build tree), else in the XDG data folders. Empty when missing.
QString noticesFilePath();
// The candidates noticesFilePath() tries, in order, for a program in `programDir`.
QStringList noticesFileCandidates(const QString& programDir);

} // namespace tq
