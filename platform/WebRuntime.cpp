#include "platform/WebRuntime.h"

#include "platform/DesktopEntry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <QStandardPaths>

namespace tq::webruntime {

namespace {

// Executables and desktop ids of the browsers built on Chromium.
bool isChromiumBrowser(const QString& executable, const QString& desktopId)
{
    static const QStringList executables{
        QStringLiteral("chrome"),  QStringLiteral("chromium"),    QStringLiteral("chromium-browser"),
        QStringLiteral("brave"),   QStringLiteral("msedge"),      QStringLiteral("vivaldi-bin"),
        QStringLiteral("opera"),   QStringLiteral("thorium"),     QStringLiteral("yandex_browser"),
    };
    static const QStringList desktopIds{
        QStringLiteral("google-chrome"),      QStringLiteral("google-chrome-beta"), QStringLiteral("google-chrome-unstable"),
        QStringLiteral("chromium"),           QStringLiteral("chromium-browser"),   QStringLiteral("org.chromium.Chromium"),
        QStringLiteral("com.google.Chrome"),  QStringLiteral("brave-browser"),      QStringLiteral("com.brave.Browser"),
        QStringLiteral("microsoft-edge"),     QStringLiteral("com.microsoft.Edge"), QStringLiteral("vivaldi-stable"),
        QStringLiteral("com.vivaldi.Vivaldi"), QStringLiteral("opera"),             QStringLiteral("com.opera.Opera"),
    };
    return executables.contains(QFileInfo(executable).fileName())
        || desktopIds.contains(desktopId, Qt::CaseInsensitive);
}

// Chromium starts its helpers as copies of itself with "--type=zygote", "--type=renderer" …
bool hasChromiumHelpers(const QList<QStringList>& children)
{
    static const QStringList types{QStringLiteral("--type=zygote"), QStringLiteral("--type=renderer"),
                                   QStringLiteral("--type=gpu-process"), QStringLiteral("--type=utility")};
    for (const QStringList& child : children)
        for (const QString& arg : child)
            if (types.contains(arg))
                return true;
    return false;
}

bool isElectron(const ProcessFacts& f)
{
    if (QFileInfo(f.executable).fileName().startsWith(QLatin1String("electron")))
        return true;
    for (const QString& lib : f.libraries)
        if (lib.startsWith(QLatin1String("libelectron")))
            return true;
    for (const char* name : {"app.asar", "electron.asar", "default_app.asar"})
        if (f.resources.contains(QLatin1String(name)))
            return true;
    for (const QString& arg : f.arguments.mid(1))
        if (arg.endsWith(QLatin1String(".asar")) || arg.contains(QLatin1String(".asar/")))
            return true;
    // An unpacked application folder (VS Code's) says it only beside Chromium's helpers.
    return f.resources.contains(QLatin1String("app")) && hasChromiumHelpers(f.children);
}

QByteArray readProcFile(qint64 pid, const char* name)
{
    QFile f(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList nulSeparated(const QByteArray& data)
{
    QStringList out;
    for (const QByteArray& part : data.split('\0'))
        if (!part.isEmpty())
            out.append(QString::fromLocal8Bit(part));
    return out;
}

QString environment(qint64 pid, const QByteArray& name)
{
    const QByteArray prefix = name + '=';
    for (const QByteArray& v : readProcFile(pid, "environ").split('\0'))
        if (v.startsWith(prefix))
            return QString::fromLocal8Bit(v.mid(prefix.size()));
    return {};
}

QString execOf(const QString& pathOrId)
{
    if (pathOrId.isEmpty())
        return {};
    QString path = pathOrId;
    if (!QFileInfo(path).isAbsolute()) {
        QString id = pathOrId;
        if (!id.endsWith(QLatin1String(".desktop")))
            id += QLatin1String(".desktop");
        path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id);
        if (path.isEmpty())
            path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, id.toLower());
    }
    if (path.isEmpty())
        return {};
    const auto keys = desktopentry::readMainGroup(path);
    return keys ? commandFromExec(keys->value(QStringLiteral("Exec"))) : QString();
}

} // namespace

WebRuntime classify(const ProcessFacts& f)
{
    if (isElectron(f))
        return WebRuntime::electron;
    if (isChromiumBrowser(f.executable, f.desktopId) || hasChromiumHelpers(f.children))
        return WebRuntime::chromium;
    return WebRuntime::none;
}

ProcessFacts readProcess(qint64 pid, const QString& desktopId, bool withLibraries)
{
    ProcessFacts f;
    f.desktopId = desktopId;
    if (pid <= 0)
        return f;
    f.executable = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    f.arguments = nulSeparated(readProcFile(pid, "cmdline"));
    if (!f.executable.isEmpty())
        f.resources = QDir(QFileInfo(f.executable).dir().filePath(QStringLiteral("resources"))).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile list(tasks.filePath(task + QStringLiteral("/children")));
        if (!list.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& child : list.readAll().simplified().split(' '))
            if (const qint64 c = child.toLongLong(); c > 0)
                f.children.append(nulSeparated(readProcFile(c, "cmdline")));
    }
    if (withLibraries) {
        for (const QByteArray& line : readProcFile(pid, "maps").split('\n')) {
            const int slash = line.lastIndexOf('/');
            if (slash < 0 || !line.contains(".so"))
                continue;
            const QString name = QString::fromLocal8Bit(line.mid(slash + 1));
            if (!f.libraries.contains(name))
                f.libraries.append(name);
        }
    }
    return f;
}

WebRuntime detect(qint64 pid, const QString& desktopId)
{
    // A process keeps its kind for its life: remembered by process id and start time.
    static QMutex mutex;
    static QHash<qint64, std::pair<QByteArray, WebRuntime>> known;
    const QByteArray stat = readProcFile(pid, "stat");
    const QByteArray started = stat.mid(stat.lastIndexOf(')') + 2).split(' ').value(19);
    {
        QMutexLocker lock(&mutex);
        if (auto it = known.constFind(pid); it != known.cend() && it->first == started && !started.isEmpty())
            return it->second;
    }
    WebRuntime kind = classify(readProcess(pid, desktopId, false));
    if (kind == WebRuntime::none)
        kind = classify(readProcess(pid, desktopId, true));
    QMutexLocker lock(&mutex);
    if (known.size() > 500)
        known.clear();
    known.insert(pid, {started, kind});
    return kind;
}

QString commandFromExec(const QString& exec)
{
    static const QRegularExpression fieldCode(QStringLiteral("^(%[fFuUdDnNickvm]|@@[uf]?)$"));
    QStringList kept;
    for (const QString& token : exec.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        if (!fieldCode.match(token).hasMatch())
            kept.append(QString(token).replace(QLatin1String("%%"), QLatin1String("%")));
    return kept.join(QLatin1Char(' '));
}

QString launchCommand(qint64 pid, const QString& desktopId)
{
    for (const QString& entry : {environment(pid, "GIO_LAUNCHED_DESKTOP_FILE"), environment(pid, "CHROME_DESKTOP"), desktopId})
        if (const QString command = execOf(entry); !command.isEmpty())
            return command;
    QString program = environment(pid, "CHROME_WRAPPER");
    if (program.isEmpty())
        program = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
    return program.contains(QLatin1Char(' ')) ? QLatin1Char('"') + program + QLatin1Char('"') : program;
}

} // namespace tq::webruntime
