#pragma once
// Fills the settings window with the settings panes over the application model.

#include "ui/settings/SettingsContext.h"

namespace tq {

class AppModel;
class MotionContext;

void installSettingsWindow(AppModel& model);

// The model's services for the panes, their hooks not yet filled in.
SettingsContext settingsContext(AppModel& model, MotionContext& motion);

} // namespace tq
