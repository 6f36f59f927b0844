#include "platform/LoginItem.h"

#include "platform/DesktopEntry.h"

#include "platform/Text.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace tq {

namespace {
QString configHome()
{
    const QString env = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (QDir::isAbsolutePath(env))
        return env;
    return QDir::homePath() + QStringLiteral("/.config");
}

QStringList configDirs()
{
    QStringList dirs;
    for (const QString& d : qEnvironmentVariable("XDG_CONFIG_DIRS").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(d))
            dirs << d;
    }
    if (dirs.isEmpty())
        dirs << QStringLiteral("/etc/xdg");
    return dirs;
}

// Whether a desktop entry asks to be started: absent, hidden or switched off entries do not.
bool entryStarts(const QString& path)
{
    const auto keys = desktopentry::readMainGroup(path);
    if (!keys)
        return false;
    return keys->value(QStringLiteral("Hidden")) != QLatin1String("true")
        && keys->value(QStringLiteral("X-GNOME-Autostart-enabled")) != QLatin1String("false");
}

// Escapes a desktop entry string value (backslash sequences of the format).
QString escapeValue(const QString& s)
{
    QString out;
    for (QChar c : s) {
        switch (c.unicode()) {
        case '\\': out += QStringLiteral("\\\\"); break;
        case '\n': out += QStringLiteral("\\n"); break;
        case '\t': out += QStringLiteral("\\t"); break;
        case '\r': out += QStringLiteral("\\r"); break;
        default: out += c;
        }
    }
    return out;
}
} // namespace

XdgAutostartItem::XdgAutostartItem(QString desktopId, QString program)
    : desktopId_(std::move(desktopId)), program_(std::move(program))
{
}

QString XdgAutostartItem::entryPath() const
{
    return configHome() + QStringLiteral("/autostart/") + desktopId_ + QStringLiteral(".desktop");
}

QString XdgAutostartItem::systemEntryPath() const
{
    for (const QString& dir : configDirs()) {
        const QString path = dir + QStringLiteral("/autostart/") + desktopId_ + QStringLiteral(".desktop");
        if (QFileInfo::exists(path))
            return path;
    }
    return {};
}

bool XdgAutostartItem::isEnabled() const
{
    const QString user = entryPath();
    if (QFileInfo::exists(user))
        return entryStarts(user);
    const QString sys = systemEntryPath();
    return !sys.isEmpty() && entryStarts(sys);
}

QString XdgAutostartItem::execLine(const QString& program)
{
    // Arguments holding reserved characters are double-quoted, with ", `, $ and \ escaped;
    // a literal % is doubled so it is not read as a field code.
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    bool quote = program.isEmpty();
    for (QChar c : program)
        quote = quote || reserved.contains(c);
    QString arg;
    for (QChar c : program) {
        if (quote && (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\')))
            arg += QLatin1Char('\\');
        arg += c;
    }
    arg.replace(QStringLiteral("%"), QStringLiteral("%%"));
    if (quote)
        arg = QLatin1Char('"') + arg + QLatin1Char('"');
    return escapeValue(arg);
}

QString XdgAutostartItem::entryText(bool hidden) const
{
    QString program = program_;
    if (program.isEmpty()) {
        // An AppImage runs from a temporary mount; the image itself is what starts again.
        program = qEnvironmentVariable("APPIMAGE");
        if (program.isEmpty())
            program = QCoreApplication::applicationFilePath();
    }
    QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
    text += QStringLiteral("Name=") + escapeValue(appName()) + QLatin1Char('\n');
    text += QStringLiteral("Exec=") + execLine(program) + QLatin1Char('\n');
    text += QStringLiteral("Terminal=false\nX-GNOME-Autostart-enabled=true\n");
    if (hidden)
        text += QStringLiteral("Hidden=true\n");
    return text;
}

bool XdgAutostartItem::setEnabled(bool enabled, QString* error)
{
    const QString path = entryPath();
    const bool overrideSystem = !enabled && !systemEntryPath().isEmpty();
    if (!enabled && !overrideSystem) {
        QFile f(path);
        if (!f.exists() || f.remove())
            return true;
        if (error)
            *error = QStringLiteral("Could not remove the autostart entry %1: %2.").arg(path, f.errorString());
        return false;
    }
    const QString dir = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(dir)) {
        if (error)
            *error = QStringLiteral("Could not create the autostart folder %1.").arg(dir);
        return false;
    }
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(entryText(overrideSystem).toUtf8()) < 0 || !f.commit()) {
        if (error)
            *error = QStringLiteral("Could not write the autostart entry %1: %2.").arg(path, f.errorString());
        return false;
    }
    return true;
}

} // namespace tq
