#pragma once
// The onboarding window's content as the window manager builds it: the onboarding view over
// the application model's services, with its own motion context.

namespace tq {

class AppModel;

// Registers the content of the onboarding window with the model's window manager.
void installOnboardingWindow(AppModel& model);

} // namespace tq
