#include "platform/DesktopConfig.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace tq::desktopconfig {

QString gsettingsProgram()
{
    return QStandardPaths::findExecutable(QStringLiteral("gsettings"));
}

QString gsettingsGet(const QString& program, const char* schema, const char* key)
{
    if (program.isEmpty())
        return {};
    QProcess p;
    p.start(program, {QStringLiteral("get"), QString::fromLatin1(schema), QString::fromLatin1(key)});
    if (!p.waitForFinished(2000) || p.exitCode() != 0)
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString kdeglobalsPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/kdeglobals");
}

QString readKdeglobals()
{
    QFile f(kdeglobalsPath());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

} // namespace tq::desktopconfig
