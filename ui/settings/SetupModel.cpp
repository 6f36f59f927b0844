#include "ui/settings/SetupModel.h"

#include "services/Permissions.h"
#include "completion/CompletionEngine.h"
#include "engines/ProviderHub.h"
#include "input/RivalWatcher.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"

namespace tq {

SetupInputs setupInputs(const SettingsContext& c)
{
    SetupInputs in;
    in.accessibility = c.permissions.accessibility();
    in.accessibilityLooksStuck = c.permissions.accessibilityLooksStuck();
    in.engine = c.prefs.engine();
    in.engineStatus = c.hub.status(in.engine);
    in.systemPredictionsOn = c.permissions.systemPredictionsOn();
    for (const RivalApp& app : c.rivals.running())
        in.rivals.append(app.name);
    in.rivalNames = c.rivals.names();
    switch (c.rivals.quitState()) {
    case RivalWatcher::QuitState::idle: in.quit = RivalQuit::idle; break;
    case RivalWatcher::QuitState::quitting: in.quit = RivalQuit::quitting; break;
    case RivalWatcher::QuitState::refused: in.quit = RivalQuit::refused; break;
    }
    return in;
}

StateInputs stateInputs(const SettingsContext& c)
{
    StateInputs in;
    in.accessibility = c.permissions.accessibility();
    if (!c.rivals.running().isEmpty())
        in.firstRival = c.rivals.running().first().name;
    const CompletionEngine::Status& status = c.engine.status();
    if (status.kind == CompletionEngine::Status::Kind::failed)
        in.engineFailure = status.text;
    else if (const auto silent = c.hub.silentReason())
        in.engineFailure = *silent;
    in.isEnabled = c.prefs.isEnabled();
    in.globalPauseUntil = c.rules.globalPauseUntil();
    in.now = c.clock.now();
    if (const std::optional<qint64> median = c.stats.latencyPercentile(0.5))
        in.medianLatencyMs = *median;
    in.engine = c.prefs.engine();
    return in;
}

} // namespace tq
