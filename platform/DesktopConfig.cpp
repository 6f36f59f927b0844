#include "platform/DesktopConfig.h"

#include <QDateTime>
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

namespace {
// What tells a rewritten file from an untouched one.
QString fileState(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    return QString::number(info.lastModified().toMSecsSinceEpoch()) + QLatin1Char(' ') + QString::number(info.size());
}
} // namespace

Watch::Watch(const QString& gsettings, const char* schema, const QStringList& keys, QObject* parent) : QObject(parent)
{
    if (!gsettings.isEmpty()) {
        // Lines of "key: value"; the rest of the schema's keys are not our business.
        connect(&monitor_, &QProcess::readyReadStandardOutput, this, [this, keys] {
            bool ours = false;
            while (monitor_.canReadLine()) {
                const QString line = QString::fromUtf8(monitor_.readLine());
                ours = ours || keys.contains(line.section(QLatin1Char(':'), 0, 0).trimmed());
            }
            if (ours)
                emit changed();
        });
        QStringList args{QStringLiteral("monitor"), QString::fromLatin1(schema)};
        if (keys.size() == 1)
            args << keys.front();
        monitor_.start(gsettings, args);
    }
    // Watch the folder too: editors replace the file, which drops a file watch. Other files
    // come and go there as well: only a change to this one counts.
    const QString path = kdeglobalsPath();
    watcher_.addPath(QFileInfo(path).absolutePath());
    if (QFile::exists(path))
        watcher_.addPath(path);
    seen_ = fileState(path);
    auto onChange = [this, path](bool inFolder) {
        const QString state = fileState(path);
        if (inFolder && state == seen_)
            return;
        seen_ = state;
        if (QFile::exists(path) && !watcher_.files().contains(path))
            watcher_.addPath(path);
        emit changed();
    };
    connect(&watcher_, &QFileSystemWatcher::fileChanged, this, [onChange] { onChange(false); });
    connect(&watcher_, &QFileSystemWatcher::directoryChanged, this, [onChange] { onChange(true); });
}

Watch::~Watch()
{
    if (monitor_.state() != QProcess::NotRunning) {
        monitor_.kill();
        monitor_.waitForFinished(1000);
    }
}

} // namespace tq::desktopconfig
