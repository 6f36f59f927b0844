#include "platform/DesktopConfig.h"

#include <QFile>
#include <QFileInfo>
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

Watch::Watch(const QString& gsettings, const char* schema, const char* key, QObject* parent) : QObject(parent)
{
    if (!gsettings.isEmpty()) {
        connect(&monitor_, &QProcess::readyReadStandardOutput, this, [this] {
            monitor_.readAllStandardOutput();
            emit changed();
        });
        QStringList args{QStringLiteral("monitor"), QString::fromLatin1(schema)};
        if (key)
            args << QString::fromLatin1(key);
        monitor_.start(gsettings, args);
    }
    // Watch the folder too: editors replace the file, which drops a file watch.
    const QString path = kdeglobalsPath();
    watcher_.addPath(QFileInfo(path).absolutePath());
    if (QFile::exists(path))
        watcher_.addPath(path);
    auto onChange = [this, path] {
        if (QFile::exists(path) && !watcher_.files().contains(path))
            watcher_.addPath(path);
        emit changed();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, onChange);
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, onChange);
}

Watch::~Watch()
{
    if (monitor_.state() != QProcess::NotRunning) {
        monitor_.kill();
        monitor_.waitForFinished(1000);
    }
}

} // namespace tq::desktopconfig
