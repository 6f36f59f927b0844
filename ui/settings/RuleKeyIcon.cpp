#include "ui/settings/RuleKeyIcon.h"

#include "ui/design/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/settings/AppsLogic.h"

#include <QHash>

namespace tq {

namespace {
QIcon symbolIcon(const QString& name)
{
    return symbols::icon(name, palette::paperDim());
}

QHash<QString, QIcon>& iconCache()
{
    static QHash<QString, QIcon> cache;
    return cache;
}
} // namespace

QIcon ruleKeyIcon(const QString& key, const std::function<QList<DesktopApp>()>& installed)
{
    QHash<QString, QIcon>& cache = iconCache();
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;
    QIcon icon;
    if (isWebKey(key)) {
        icon = symbolIcon(QStringLiteral("globe"));
    } else {
        const QString id = ruleIdentifier(key);
        if (installed) {
            for (const DesktopApp& app : installed()) {
                if (app.id == id) {
                    icon = desktopIcon(app.icon);
                    break;
                }
            }
        }
        if (icon.isNull())
            icon = symbolIcon(QStringLiteral("app.dashed"));
    }
    cache.insert(key, icon);
    return icon;
}

} // namespace tq
