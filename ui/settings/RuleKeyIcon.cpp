#include "ui/settings/RuleKeyIcon.h"

#include "platform/InstalledApps.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/settings/AppsLogic.h"

namespace tq {

QIcon ruleKeyIcon(const QString& key, InstalledApps& installed)
{
    if (isWebKey(key))
        return symbols::icon(QStringLiteral("globe"), palette::paperDim());
    const QString id = ruleIdentifier(key);
    QIcon icon;
    if (const DesktopApp* app = installed.find(id))
        icon = desktopIcon(app->icon);
    if (icon.isNull() && !id.isEmpty())
        icon = QIcon::fromTheme(id);
    if (icon.isNull())
        icon = symbols::icon(QStringLiteral("app.dashed"), palette::paperDim());
    return icon;
}

} // namespace tq
