#pragma once
// Telling programs built on Chromium (browsers, Electron and CEF applications) from others by
// their process, and the command that starts one.

#include "platform/ActiveApp.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tq::webruntime {

// What a process shows of itself under /proc.
struct ProcessFacts {
    QString executable;           // resolved path of the executable
    QStringList arguments;        // its command line
    QList<QStringList> children;  // command lines of its child processes
    QStringList libraries;        // file names of the shared objects it maps
    QStringList resources;        // names in the "resources" folder beside the executable
    QString desktopId;            // its identifier on this desktop
};

WebRuntime classify(const ProcessFacts& facts);

// Reads the facts of a running process; the mapped libraries only when `withLibraries`.
ProcessFacts readProcess(qint64 pid, const QString& desktopId, bool withLibraries);
// classify() over the facts, reading the mapped libraries only when the rest tells nothing.
WebRuntime detect(qint64 pid, const QString& desktopId);

// A desktop entry's Exec value without its field codes ("%U", Flatpak's "@@u" …), trimmed.
QString commandFromExec(const QString& exec);
// How the user starts the process: the Exec of the desktop entry it was launched from (or
// that its identifier or CHROME_DESKTOP names), else its launcher script (CHROME_WRAPPER),
// else its executable.
QString launchCommand(qint64 pid, const QString& desktopId);

} // namespace tq::webruntime
