#pragma once
// The competing-application prompt's window content over the model's services.

namespace tq {

class AppModel;

// Registers the content of the competing-application window with the model's window manager.
void installRivalWindow(AppModel& model);

} // namespace tq
