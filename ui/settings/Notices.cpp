#include "ui/settings/Notices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tq {

namespace {
const QString kRelative = QStringLiteral("tessaquill/ThirdPartyNotices.txt");
}

QStringList noticesFileCandidates(const QString& programDir)
{
    QStringList out;
    if (!programDir.isEmpty())
        out << QDir::cleanPath(programDir + QStringLiteral("/../share/") + kRelative);
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        out << QDir::cleanPath(dir + QLatin1Char('/') + kRelative);
    return out;
}

QString noticesFilePath()
{
    for (const QString& path : noticesFileCandidates(QCoreApplication::applicationDirPath())) {
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

} // namespace tq
