#pragma once
// The composition root: builds every long-lived service once, in a fixed order, wires their
// callbacks and starts the system-wide machinery when the application has finished launching.
// Also routes what the services report (field changes, tapped events, access granted,
// competing applications) to the completion engine and the windows. Main thread only.

#include "engines/ProviderHub.h"
#include "input/TapEvent.h"
#include "field/AXFieldSource.h"
#include "platform/Clock.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

namespace tq {

class AppLanguage;
class AppModel;
class AppRules;
class CompletionEngine;
class FieldSource;
class KeyTap;
class Keychain;
class KeychainQueue;
class ModelStore;
class Platform;
class Permissions;
class PowerMonitor;
class Relauncher;
class Preferences;
class RivalWatcher;
class StatsStore;
class TextInjector;
class TypoChecker;
class WindowManager;
class WritingMemory;

// Choices of a run that are not services (those come from the Platform).
struct AppOptions {
    QString folder; // the program's data folder; default: applicationSupportFolder()
    ProviderHub::BuiltInFactory builtIn; // default: the real built-in engine
    std::optional<bool> localOnly;       // default: TESSAQUILL_LOCAL_ONLY is exactly "1"
    bool importEarlierProduct = true;
    qint64 ownPid = 0; // default: this process
    QString interfaceLanguage; // default: the stored choice, else the system's languages
    std::function<std::unique_ptr<Relauncher>(AppModel&)> relauncher; // default: this program again
};

class AppModel final : public QObject {
    Q_OBJECT
public:
    struct FrontApp {
        QString bundleID;
        QString name;
        friend bool operator==(const FrontApp&, const FrontApp&) = default;
    };

    static constexpr Nanos kReminderDelay = std::chrono::seconds(4);
    static constexpr Nanos kReminderRecheck = std::chrono::seconds(3);
    static constexpr double kWaitingWindowSeconds = 300;

    explicit AppModel(Platform& platform, AppOptions options = {}, QObject* parent = nullptr);
    ~AppModel() override;
    // True when TESSAQUILL_LOCAL_ONLY is exactly "1".
    static bool localOnlyFromEnvironment();

    Permissions& permissions() { return *permissions_; }
    RivalWatcher& rivals() { return *rivals_; }
    PowerMonitor& power() { return *power_; }
    WindowManager& windows() { return *windows_; }
    AXFieldSource& axSource() { return *axSource_; }
    KeyTap& keyTap() { return *keyTap_; }
    Preferences& prefs() { return *prefs_; }
    AppRules& rules() { return *rules_; }
    StatsStore& stats() { return *stats_; }
    WritingMemory& memory() { return *memory_; }
    ModelStore& modelStore() { return *modelStore_; }
    ProviderHub& hub() { return *hub_; }
    CompletionEngine& engine() { return *engine_; }
    // The interface language and the switch to another one.
    AppLanguage& language() { return *language_; }
    const QString& folder() const { return folder_; }
    bool localOnly() const { return localOnly_; }
    bool isStarted() const { return started_; }
    Platform& platform() const { return platform_; }
    bool isReminderPending() const { return reminder_.isActive(); }

    // Observed state.
    const std::optional<FrontApp>& frontApp() const { return frontApp_; }
    bool tapRunning() const { return tapRunning_; }

    // Whether the tray icon cannot be seen (no system tray); asked once by the reminder.
    std::function<bool()> iconHidden;

    // One-time start once the application has launched; a second call does nothing.
    void start();
    // Starts the key tap and attaches to the front application when access is granted and
    // the mode is not local-only.
    void startSystemWide();

    // Routing.
    void fieldSourceChanged(AXFieldSource::Change change);
    bool handleTap(const TapEvent& event);
    void accessibilityGranted();
    void frontAppChanged();
    void playgroundFocusChanged(FieldSource* field, bool focused);
    void introFinished();
    std::optional<QString> holdReason() const;
    void rivalsChanged();
    void rivalAppeared();
    std::optional<QString> frontAppKey() const;
    void pauseFrontApp(std::optional<double> seconds);

    // Quit: writes the rules, the statistics, the writing memory and the settings now, pending
    // saves or not.
    void flushStores();

signals:
    void frontAppChanged_(); // frontApp took another value
    void restartHintChanged(); // axSource().restartHint() took another value
    void tapRunningChanged(bool running);
    void glyphInputsChanged();
    void pointerPressed(); // a mouse button press anywhere in the session (not a wheel turn)

private:
    void setFrontApp(const FrontApp& app);
    void setTapRunning(bool running);
    void memoryPressure();
    void checkHiddenIcon();
    void syncTapKeys();
    void readFieldAfterCancel();

    Platform& platform_;
    AppOptions options_;
    bool localOnly_ = false;
    qint64 ownPid_ = 0;
    QString folder_;

    // Built in this order.
    std::unique_ptr<Permissions> permissions_;
    std::unique_ptr<RivalWatcher> rivals_;
    std::unique_ptr<PowerMonitor> power_;
    std::unique_ptr<WindowManager> windows_;
    std::optional<FrontApp> frontApp_;
    bool tapRunning_ = false;
    std::unique_ptr<TextInjector> injector_;
    std::unique_ptr<AXFieldSource> axSource_;
    std::unique_ptr<KeyTap> keyTap_;
    FieldSource* playground_ = nullptr; // the practice field while it has focus
    bool started_ = false;
    std::unique_ptr<Preferences> prefs_;
    std::unique_ptr<AppRules> rules_;
    std::unique_ptr<StatsStore> stats_;
    std::unique_ptr<WritingMemory> memory_;
    std::unique_ptr<ModelStore> modelStore_;
    std::unique_ptr<Keychain> keychain_;
    std::unique_ptr<KeychainQueue> importQueue_; // the import's keyring step
    std::unique_ptr<ProviderHub> hub_;
    std::unique_ptr<TypoChecker> typo_;
    std::unique_ptr<CompletionEngine> engine_;
    std::unique_ptr<Relauncher> relauncher_;
    std::unique_ptr<AppLanguage> language_;

    Timer reminder_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace tq
