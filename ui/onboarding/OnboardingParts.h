#pragma once
// What the onboarding's views need of the application, and the small pieces the steps share:
// the step header (title and explanation) and a bullet line with a symbol.

#include "ui/onboarding/PlaygroundField.h"

#include <QWidget>

#include <functional>

namespace tq {

class Clock;
class CompletionEngine;
class MotionContext;
class ModelStore;
class Permissions;
class Preferences;
class ProviderHub;
class TrayHost;
enum class TrayHelp;

struct OnboardingServices {
    Preferences& prefs;
    Permissions& permissions;
    ProviderHub& hub;
    ModelStore& modelStore;
    CompletionEngine& engine;
    MotionContext& motion;
    Clock& clock;
    // The practice field's focus, handed to the application.
    PlaygroundField::FocusHandler playgroundFocusChanged;
    // The intro played once inside the window; `done` ends it. None: no intro to play.
    std::function<QWidget*(std::function<void()> done)> makeIntro;
    // The footer's language button.
    std::function<QWidget*(QWidget* parent)> makeLanguageButton;
    // Whether a tray shows the icon; none: taken to show it.
    TrayHost* trayHost = nullptr;
};

class StepHeader final : public QWidget {
    Q_OBJECT
public:
    StepHeader(const QString& title, const QString& detail, QWidget* parent = nullptr);
};

class Bullet final : public QWidget {
    Q_OBJECT
public:
    Bullet(const QString& symbol, const QString& text, QWidget* parent = nullptr);
};

// A rounded card of the raised ink with a hairline border behind its children.
class InkCard final : public QWidget {
    Q_OBJECT
public:
    explicit InkCard(double radius = 12, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double radius_;
};

} // namespace tq
