#pragma once

#include <QIcon>
#include <QString>

namespace tq {

class InstalledApps;

// The icon of a rule key, the same in every pane: a website's globe; an application's icon
// from its desktop entry, else the icon theme's icon named as its id; else a dashed placeholder.
QIcon ruleKeyIcon(const QString& key, InstalledApps& installed);

} // namespace tq
