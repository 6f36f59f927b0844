// What the model does when its services report something.

#include "platform/Text.h"
#include "app/AppModel.h"

#include "app/WindowManager.h"
#include "services/Permissions.h"
#include "completion/CompletionEngine.h"
#include "field/ContextCollector.h"
#include "input/RivalWatcher.h"
#include "platform/ActiveApp.h"
#include "platform/Log.h"
#include "platform/Platform.h"
#include "completion/CompletionEngine.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"

namespace tq {

void AppModel::fieldSourceChanged(AXFieldSource::Change change)
{
    if (change == AXFieldSource::Change::app) {
        const auto& app = axSource_->app();
        if (app && app->pid != ownPid_) {
            const FrontApp front{app->bundleIdentifier.isEmpty() ? QStringLiteral("unknown") : app->bundleIdentifier,
                                 app->localizedName.isEmpty() ? QStringLiteral("app") : app->localizedName};
            setFrontApp(front);
            if (ContextCollector* collector = engine_->contextCollector())
                collector->glance(front.bundleID, front.name);
        }
        frontAppChanged();
    }
    if (engine_->source() != axSource_.get())
        return;
    if (change == AXFieldSource::Change::value) {
        if (engine_->refresh(true))
            engine_->cancelRefreshTask();
    } else {
        readFieldAfterCancel();
    }
}

void AppModel::readFieldAfterCancel()
{
    engine_->cancelRefreshTask();
    engine_->refresh(false);
}

bool AppModel::handleTap(const TapEvent& event)
{
    if (engine_->source() != axSource_.get())
        return false;
    if (!event.isKey()) {
        engine_->pointerDown();
        return false;
    }
    const KeyPress& press = event.key;
    const bool used = engine_->handleKey(press, event.held);
    if (press.keyCode == keycode::kTab || press.keyCode == keycode::kAboveTab || press.keyCode == keycode::kEscape) {
        // Key codes only: never the characters.
        log::info(QStringLiteral("key %1 mods %2 used %3")
                      .arg(press.keyCode)
                      .arg(press.modifiers.rawValue)
                      .arg(used ? 1 : 0));
    }
    return used;
}

void AppModel::accessibilityGranted()
{
    startSystemWide();
    engine_->announce(tq::text("Accessibility is on. %app is ready in your other apps."));
    if (const auto asked = permissions_->accessibilityRequestedAt()) {
        const double since = asked->msecsTo(platform_.clock().now()) / 1000.0;
        if (since >= 0 && since < kWaitingWindowSeconds)
            windows_->presentWaitingWindow();
    }
}

void AppModel::frontAppChanged()
{
    const auto pid = platform_.activeApp().frontmostPid();
    const bool ownInFront = pid && *pid == ownPid_;
    if (!ownInFront) {
        if (engine_->source() != axSource_.get())
            engine_->setSource(axSource_.get());
    } else if (engine_->source() == axSource_.get()) {
        // Nothing is suggested into this program's own windows.
        engine_->setSource(nullptr);
        engine_->sourceChanged();
    }
}

void AppModel::playgroundFocusChanged(FieldSource* field, bool focused)
{
    if (focused) {
        playground_ = field;
        engine_->setSource(field);
        engine_->sourceChanged();
    } else if (field && engine_->source() == field) {
        if (playground_ == field)
            playground_ = nullptr;
        engine_->setSource(nullptr);
        engine_->sourceChanged();
    }
}

void AppModel::introFinished()
{
    if (!permissions_->accessibility()) {
        prefs_->setOnboardingDone(false);
        windows_->showOnboarding();
    } else {
        windows_->showSettings(SettingsPane::overview);
    }
}

std::optional<QString> AppModel::holdReason() const
{
    const auto& running = rivals_->running();
    if (running.isEmpty())
        return std::nullopt;
    return tq::text("Paused while %1 is open").arg(running.first().name);
}

void AppModel::rivalsChanged()
{
    readFieldAfterCancel();
}

void AppModel::rivalAppeared()
{
    log::info(QStringLiteral("rival app running, auto quit ") +
              (prefs_->quitRivalsAutomatically() ? QStringLiteral("1") : QStringLiteral("0")));
    if (prefs_->quitRivalsAutomatically())
        rivals_->quitRivals(false);
    else
        windows_->showRivalPrompt();
}

std::optional<QString> AppModel::frontAppKey() const
{
    if (!frontApp_)
        return std::nullopt;
    return QStringLiteral("app:") + frontApp_->bundleID;
}

void AppModel::pauseFrontApp(std::optional<double> seconds)
{
    if (!frontApp_)
        return;
    const QString key = *frontAppKey();
    rules_->rememberName(frontApp_->name, key);
    rules_->pause(key, seconds, platform_.clock().now());
    readFieldAfterCancel();
}

} // namespace tq
