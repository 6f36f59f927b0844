#include "platform/InstalledApps.h"

#include "platform/DesktopEntry.h"

#include <QCollator>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLocale>
#include <QSet>
#include <QStandardPaths>

#include <algorithm>

namespace tq {

namespace {
QString localizedName(const QHash<QString, QString>& keys)
{
    const QString lang = QLocale().name();
    QString name = keys.value(QStringLiteral("Name[%1]").arg(lang));
    if (name.isEmpty())
        name = keys.value(QStringLiteral("Name[%1]").arg(lang.section(QLatin1Char('_'), 0, 0)));
    return name.isEmpty() ? keys.value(QStringLiteral("Name")) : name;
}
} // namespace

QList<DesktopApp> desktopAppsIn(const QStringList& folders)
{
    QList<DesktopApp> apps;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QDir root(folder);
        QDirIterator it(folder, {QStringLiteral("*.desktop")}, QDir::Files, QDirIterator::Subdirectories);
        QStringList paths;
        while (it.hasNext())
            paths.append(it.next());
        paths.sort();
        for (const QString& path : paths) {
            // Entries in sub-folders have ids joined with "-" (kde/app.desktop → kde-app).
            QString id = root.relativeFilePath(path);
            id.chop(8);
            id.replace(QLatin1Char('/'), QLatin1Char('-'));
            if (seen.contains(id))
                continue;
            seen.insert(id); // a hidden entry still hides the same id further down
            const auto keys = desktopentry::readMainGroup(path);
            if (!keys || keys->value(QStringLiteral("Type")) != QLatin1String("Application")
                || keys->value(QStringLiteral("NoDisplay")) == QLatin1String("true")
                || keys->value(QStringLiteral("Hidden")) == QLatin1String("true"))
                continue;
            const QString name = localizedName(*keys);
            if (name.isEmpty())
                continue;
            apps.append({id, name, keys->value(QStringLiteral("Icon"))});
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(apps.begin(), apps.end(),
                     [&](const DesktopApp& a, const DesktopApp& b) { return collator.compare(a.name, b.name) < 0; });
    return apps;
}

const DesktopApp* InstalledApps::find(const QString& id)
{
    for (const DesktopApp& app : apps())
        if (app.id == id)
            return &app;
    return nullptr;
}

const QList<DesktopApp>& XdgInstalledApps::apps()
{
    if (!read_) {
        apps_ = desktopAppsIn(QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation));
        read_ = true;
    }
    return apps_;
}

QIcon desktopIcon(const QString& icon)
{
    if (icon.isEmpty())
        return {};
    if (QFileInfo(icon).isAbsolute())
        return QFileInfo::exists(icon) ? QIcon(icon) : QIcon();
    return QIcon::fromTheme(icon);
}

} // namespace tq
