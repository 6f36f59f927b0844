#pragma once
// The settings window's panes and the selected pane live with the settings window.

#include "ui/settings/SettingsRouter.h"
