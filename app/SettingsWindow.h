#pragma once
// Fills the settings window with the settings panes over the application model.

namespace tq {

class AppModel;

void installSettingsWindow(AppModel& model);

} // namespace tq
