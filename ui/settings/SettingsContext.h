#pragma once
// What every settings pane is built over: the model's objects, the clock and motion, and the
// few things only the application knows, as callbacks it fills in.

#include "field/RestartHint.h"
#include "settings/KeyCombo.h"
#include "ui/settings/SettingsRouter.h"

#include <QList>

#include <functional>
#include <optional>

class QObject;
class QWidget;

namespace tq {

class AppLanguage;
class AppRules;
class Clock;
class InstalledApps;
class CompletionEngine;
class KeyLayout;
class KeychainService;
class ModelStore;
class MotionContext;
class Permissions;
class PowerMonitor;
class Preferences;
class ProviderHub;
class RivalWatcher;
class StatsStore;
class TrayHost;
class WritingMemory;

struct SettingsHooks {
    // The practice field that runs the real engine; none shows a plain stand-in.
    std::function<QWidget*(const QString& placeholder, QWidget* parent)> practiceField;
    // Switches the system's own inline predictions off (nothing to do where there are none).
    std::function<void()> turnOffSystemPredictions;
    // Whether the system-wide key tap runs; the field inspector reports it.
    std::function<bool()> tapRunning;
    std::function<void(QObject* receiver, std::function<void()> changed)> watchTapRunning;
    // The shortcuts another program holds (the key tap cannot have them), and their changes.
    std::function<QList<KeyCombo>()> takenKeys = [] { return QList<KeyCombo>{}; };
    std::function<void(QObject* receiver, std::function<void()> changed)> watchTakenKeys;
    // Replaces the clipboard's content with plain text (the inspector's report).
    std::function<void(const QString&)> copyText;
    // The front program built on Chromium that shares no text, and a way to hear of changes.
    std::function<std::optional<RestartHint>()> restartHint = [] { return std::nullopt; };
    std::function<void(QObject* receiver, std::function<void()> changed)> watchRestartHint;
    // The About pane's maintenance: the onboarding and the intro again, the program's data
    // folder, and a file or folder opened with the user's default application.
    std::function<void()> showOnboarding;
    std::function<void()> showIntro;
    std::function<QString()> dataFolder;
    std::function<void(const QString& path)> openPath;
};

struct SettingsContext {
    Preferences& prefs;
    AppRules& rules;
    StatsStore& stats;
    WritingMemory& memory;
    Permissions& permissions;
    RivalWatcher& rivals;
    ProviderHub& hub;
    CompletionEngine& engine;
    Clock& clock;
    const KeyLayout& keyLayout; // names the keys of shortcuts
    MotionContext& motion;
    SettingsRouter& router;
    AppLanguage& language;
    ModelStore& modelStore;
    PowerMonitor& power;
    KeychainService& keychain;
    InstalledApps& installedApps; // "Add App…" and the rule keys' icons
    TrayHost& trayHost;           // whether the tray shows today's count beside the icon
    SettingsHooks hooks;
};

} // namespace tq
