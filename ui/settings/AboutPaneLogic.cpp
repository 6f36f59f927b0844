#include "ui/settings/AboutPaneLogic.h"

#include "platform/Text.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"

#include <QList>

#include <algorithm>

namespace tq {

void resetAllSettings(Preferences& prefs, AppRules& rules)
{
    prefs.resetToDefaults();
    rules.setRules({});
    rules.setPauses({});
    rules.setGlobalPauseUntil(std::nullopt);
    rules.scheduleSave();
}

QString aboutVersion(const QString& buildVersion)
{
    const QString v = buildVersion.trimmed();
    return v.isEmpty() ? QStringLiteral("1.0") : v;
}

QString aboutVersionText(const QString& buildVersion)
{
    return text("Version %1").arg(aboutVersion(buildVersion));
}

bool fitsInOneRow(const QList<int>& widths, int spacing, int available)
{
    int total = 0;
    for (int w : widths)
        total += w;
    total += spacing * std::max<qsizetype>(0, widths.size() - 1);
    return total <= available;
}

} // namespace tq
