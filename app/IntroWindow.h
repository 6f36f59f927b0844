#pragma once
// The intro window's content and the intro inside the onboarding, over the model's services.

#include <QWidget>

#include <functional>

namespace tq {

class AppModel;
class MotionContext;

// Registers the content of the intro window with the model's window manager.
void installIntroWindow(AppModel& model);
// An intro for a window that already has a motion context (the onboarding).
QWidget* makeIntroView(AppModel& model, MotionContext& motion, std::function<void()> done, QWidget* parent = nullptr);

} // namespace tq
