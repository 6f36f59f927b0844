#pragma once
// Reads the model's objects into the inputs of the setup items and the overview's state line.

#include "ui/settings/OverviewText.h"
#include "ui/settings/SettingsContext.h"
#include "ui/settings/SetupItems.h"

namespace tq {

SetupInputs setupInputs(const SettingsContext& context);
StateInputs stateInputs(const SettingsContext& context);

} // namespace tq
