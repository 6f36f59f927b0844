#pragma once

#include "ui/settings/DesktopApps.h"

#include <QIcon>
#include <QList>

#include <functional>

namespace tq {

// The icon of a rule key, looked up once per key for the whole run: a website's globe, an
// installed application's icon, else a dashed placeholder.
QIcon ruleKeyIcon(const QString& key, const std::function<QList<DesktopApp>()>& installed);

} // namespace tq
