// Which widget shows each pane. Adding a pane is one line in the switch.

#include "ui/settings/AboutPane.h"
#include "ui/settings/AppsPane.h"
#include "ui/settings/BatteryPane.h"
#include "ui/settings/ContextPane.h"
#include "ui/settings/EmojiPane.h"
#include "ui/settings/EnginePane.h"
#include "ui/settings/GeneralPane.h"
#include "ui/settings/InsightsPane.h"
#include "ui/settings/InspectorPane.h"
#include "ui/settings/KeysPane.h"
#include "ui/settings/OverviewPane.h"
#include "ui/settings/PersonalPane.h"
#include "ui/settings/PersonalPaneLogic.h"
#include "ui/settings/SettingsRoot.h"
#include "ui/design/Fonts.h"
#include "ui/design/Text.h"
#include "ui/settings/SettingsStyle.h"

#include "ui/design/Animation.h"
#include "look/Palette.h"

#include <QVBoxLayout>

namespace tq {

namespace {
// A pane whose content is not built yet: its title, honestly nothing more.
QWidget* titleOnly(SettingsPane pane, QWidget* parent)
{
    auto* w = new QWidget(parent);
    auto* column = new QVBoxLayout(w);
    column->setContentsMargins(24, 12, 24, 24);
    column->addWidget(makeLabel(paneTitle(pane), fonts::font(fonts::Role::title, QFont::DemiBold), palette::paper(), false, w));
    column->addStretch(1);
    return w;
}
} // namespace

QWidget* makeSettingsPane(SettingsPane pane, SettingsContext& c, QWidget* parent)
{
    switch (pane) {
    case SettingsPane::overview: return new OverviewPane(c, parent);
    case SettingsPane::apps: return new AppsPane(c, parent);
    case SettingsPane::insights: return new InsightsPane(c.stats, c.rules, c.installedApps, c.motion, parent);
    case SettingsPane::inspector:
        return new InspectorPane({c.engine, c.prefs, c.permissions, c.motion, c.hooks.tapRunning, c.hooks.copyText,
                                  c.hooks.restartHint, c.hooks.watchRestartHint, c.hooks.watchTapRunning},
                                 parent);
    case SettingsPane::general: return new GeneralPane(c, parent);
    case SettingsPane::engine: return new EnginePane(c, parent);
    case SettingsPane::power: return new BatteryPane(c, parent);
    case SettingsPane::context: return new ContextPane(c, parent);
    case SettingsPane::personal: return new PersonalPane(c, kInstructionsLimit, parent);
    case SettingsPane::keys: return new KeysPane(c, parent);
    case SettingsPane::emoji: return new EmojiPane(c, parent);
    case SettingsPane::about: return new AboutPane(c, parent);
    }
    return titleOnly(pane, parent);
}

} // namespace tq
