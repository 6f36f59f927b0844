#pragma once
// The panes of the settings window: their names as launch arguments give them, their sidebar
// titles, subtitles and symbols, and the sidebar's sections.

#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace tq {

enum class SettingsPane { overview, general, engine, context, personal, keys, emoji, apps, power, insights, inspector, about };

// Every pane, in sidebar order.
inline constexpr std::array kAllSettingsPanes{SettingsPane::overview, SettingsPane::general,  SettingsPane::engine,
                                       SettingsPane::context,  SettingsPane::personal, SettingsPane::keys,
                                       SettingsPane::emoji,    SettingsPane::apps,     SettingsPane::power,
                                       SettingsPane::insights, SettingsPane::inspector, SettingsPane::about};

// The pane's name ("overview", "keys", …), as launch arguments give it.
QString settingsPaneName(SettingsPane pane);
// Exact, case-sensitive; none for any text that names no pane.
std::optional<SettingsPane> settingsPaneFromName(const QString& name);

QString paneTitle(SettingsPane pane);
QString paneSubtitle(SettingsPane pane);
// The symbol painter's name for the pane's sidebar symbol.
QString paneSymbol(SettingsPane pane);

struct PaneSection {
    QString title; // empty: no header
    std::vector<SettingsPane> panes;
};
// The sidebar's six sections; their panes in order are kAllSettingsPanes.
const std::vector<PaneSection>& paneSections();

// The pane `step` places before (-1) or after (+1) in sidebar order; none past either end.
std::optional<SettingsPane> adjacentPane(SettingsPane pane, int step);

} // namespace tq
