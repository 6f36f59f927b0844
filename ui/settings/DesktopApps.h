#pragma once
// The installed applications, read from their desktop entries, for "Add App…".

#include <QIcon>
#include <QList>
#include <QString>
#include <QStringList>

namespace tq {

struct DesktopApp {
    QString id;   // desktop entry id: the application identifier of a rule key
    QString name; // localised Name
    QString icon; // icon theme name or absolute path; may be empty
};

// Entries of type Application that are not hidden, from `folders` in order (an id found
// earlier wins, as XDG_DATA_HOME comes before XDG_DATA_DIRS), sorted by name.
QList<DesktopApp> desktopAppsIn(const QStringList& folders);
// The same over the XDG application folders.
QList<DesktopApp> installedDesktopApps();
// The icon of an entry's Icon value: a file when it is a path, else from the icon theme;
// a null icon when neither has it.
QIcon desktopIcon(const QString& icon);

} // namespace tq
