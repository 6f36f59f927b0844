#pragma once
// The installed applications, read from their desktop entries.

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

class InstalledApps {
public:
    virtual ~InstalledApps() = default;
    // Every installed application, sorted by name. The system implementation reads the entries
    // the first time it is asked and keeps them for the run.
    virtual const QList<DesktopApp>& apps() = 0;
    // The application with desktop entry id `id`, if installed.
    const DesktopApp* find(const QString& id);
};

// The XDG application folders, read once.
class XdgInstalledApps final : public InstalledApps {
public:
    const QList<DesktopApp>& apps() override;

private:
    bool read_ = false;
    QList<DesktopApp> apps_;
};

// Entries of type Application that are not hidden, from `folders` in order (an id found
// earlier wins, as XDG_DATA_HOME comes before XDG_DATA_DIRS), sorted by name.
QList<DesktopApp> desktopAppsIn(const QStringList& folders);
// The icon of an entry's Icon value: a file when it is a path, else from the icon theme;
// a null icon when neither has it.
QIcon desktopIcon(const QString& icon);

} // namespace tq
