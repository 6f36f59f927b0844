#include "platform/AppFolder.h"

#include "platform/Clock.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tq {

QString applicationSupportFolder()
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Tessaquill");
    if (!QDir().mkpath(path))
        log::warning(QStringLiteral("The data folder could not be created: ") + path);
    return path;
}

bool writeFileAtomically(const QString& path, const QByteArray& bytes, QString* error)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        if (error)
            *error = QStringLiteral("The folder ") + folder + QStringLiteral(" could not be created.");
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

QString moveAside(const QString& path, const QDateTime& now)
{
    const QString stamp = now.toUTC().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QStringLiteral(".corrupt-") + stamp;
    QString target = base;
    for (int n = 2; QFileInfo::exists(target); ++n)
        target = base + QLatin1Char('-') + QString::number(n);
    if (!QFile::rename(path, target)) {
        log::error(QStringLiteral("A file that could not be read could not be moved aside either: ") + path);
        return {};
    }
    log::warning(QStringLiteral("A file that could not be read was moved aside to ") + target);
    return target;
}

} // namespace tq
