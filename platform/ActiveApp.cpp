#include "platform/ActiveApp.h"

#include "platform/DesktopEntry.h"

#include "platform/X11ActiveApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

namespace tq {

namespace appid {

QString normalizedDesktopId(QString id)
{
    id = QFileInfo(id).fileName();
    if (id.endsWith(QLatin1String(".desktop")))
        id.chop(8);
    return id;
}

bool processExists(qint64 pid)
{
    return pid > 0 && QFileInfo::exists(QStringLiteral("/proc/%1").arg(pid));
}

QString launchedDesktopId(qint64 pid)
{
    if (pid <= 0)
        return {};
    QFile environ(QStringLiteral("/proc/%1/environ").arg(pid));
    if (environ.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> vars = environ.readAll().split('\0');
        for (const QByteArray& v : vars) {
            if (v.startsWith("GIO_LAUNCHED_DESKTOP_FILE="))
                return normalizedDesktopId(QString::fromLocal8Bit(v.mid(26)));
            if (v.startsWith("FLATPAK_ID="))
                return QString::fromLocal8Bit(v.mid(11));
        }
    }
    return {};
}

QString executableName(qint64 pid)
{
    if (pid <= 0)
        return {};
    const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    if (!exe.isEmpty())
        return QFileInfo(exe).fileName();
    QFile comm(QStringLiteral("/proc/%1/comm").arg(pid));
    if (comm.open(QIODevice::ReadOnly))
        return QString::fromLocal8Bit(comm.readAll()).trimmed();
    return {};
}

QString desktopEntryName(const QString& desktopId)
{
    if (desktopId.isEmpty())
        return {};
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, desktopId + QLatin1String(".desktop"));
    if (path.isEmpty())
        return {};
    const auto keys = desktopentry::readMainGroup(path);
    if (!keys)
        return {};
    const QString lang = QLocale().name(); // de_DE
    const QString shortLang = lang.section(QLatin1Char('_'), 0, 0);
    const QString name = keys->value(QStringLiteral("Name"));
    QString localized = keys->value(QStringLiteral("Name[%1]").arg(lang));
    if (localized.isEmpty())
        localized = keys->value(QStringLiteral("Name[%1]").arg(shortLang));
    return localized.isEmpty() ? name : localized;
}

} // namespace appid

} // namespace tq
