#pragma once
// What the tray item, its panel and the hidden-icon prompt read and call. The services are
// the program's own; what only the application model knows comes through the callbacks,
// which app/ fills in.

#include "field/RestartHint.h"
#include "ui/menubar/MenuState.h"

#include <QString>

class QObject;

#include <functional>
#include <optional>

namespace tq {

class AppRules;
class Clock;
class MotionContext;
class DesktopSettings;
class Permissions;
class Preferences;
class RivalWatcher;
class StatsStore;
class TrayHost;

struct MenuServices {
    Preferences& prefs;
    AppRules& rules;
    StatsStore& stats;
    Permissions& permissions;
    RivalWatcher& rivals;
    Clock& clock;
    TrayHost& trayHost;
    DesktopSettings& desktopSettings;
    MotionContext& motion; // frame clock and Reduce Motion
};

struct MenuFrontApp {
    QString bundleID;
    QString name;
};

struct MenuCallbacks {
    // The application whose field was last followed; none before any.
    std::function<std::optional<MenuFrontApp>()> frontApp;
    // Pauses the front application (none: until resumed) and makes the engine re-read.
    std::function<void(std::optional<double>)> pauseFrontApp;
    // Set while the front program is built on Chromium and shares no text.
    std::function<std::optional<RestartHint>()> restartHint;
    // Why no engine can answer now; none when one can.
    std::function<std::optional<menu::EngineSilence>()> engineSilent;
    // Calls `changed` (while `receiver` lives) whenever the engines or the model download may
    // have changed what engineSilent answers.
    std::function<void(QObject* receiver, std::function<void()> changed)> watchEngines;
    // Opens the settings at the engine pane.
    std::function<void()> openEngineSettings;
    // Puts plain text on the clipboard.
    std::function<void(const QString&)> copyText;
    // Makes the engine re-read the focused field and re-run its gates at once.
    std::function<void()> refreshEngine;
    std::function<void()> openPlayground;
    std::function<void()> openSettings;
    std::function<void()> quit;
};

} // namespace tq
