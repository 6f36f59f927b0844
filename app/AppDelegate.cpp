#include "app/AppDelegate.h"

#include "app/AppModel.h"
#include "app/IntroWindow.h"
#include "app/OnboardingWindow.h"
#include "app/RivalWindow.h"
#include "app/SettingsWindow.h"
#include "app/WindowManager.h"
#include "platform/Log.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "settings/Preferences.h"
#include "completion/CompletionEngine.h"
#include "engines/ModelStore.h"
#include "engines/ProviderHub.h"
#include "platform/ReduceMotion.h"
#include "ui/design/Animation.h"
#include "ui/menubar/HiddenIconPrompt.h"
#include "ui/menubar/StatusItem.h"
#include "platform/Platform.h"
#include "platform/PointerWatcher.h"

#include <QClipboard>
#include <QCursor>
#include <QGuiApplication>

#include <unistd.h>

namespace tq {

AppDelegate::AppDelegate(AppModel& model, SingleInstance& instance, SessionEnd& sessionEnd, TrayHost& trayHost,
                         DesktopSettings& desktopSettings, Clock& clock, std::function<void(int)> exit, QObject* parent)
    : QObject(parent), model_(model), exit_(exit ? std::move(exit) : [](int code) { ::_exit(code); }),
      motion_(std::make_unique<MotionContext>(clock, model.platform().reduceMotion()))
{
    MenuCallbacks callbacks;
    callbacks.frontApp = [this]() -> std::optional<MenuFrontApp> {
        if (const auto& app = model_.frontApp())
            return MenuFrontApp{app->bundleID, app->name};
        return std::nullopt;
    };
    callbacks.restartHint = [this] { return model_.axSource().restartHint(); };
    callbacks.engineSilent = [this]() -> std::optional<menu::EngineSilence> {
        const std::optional<QString> reason = model_.hub().silentReason();
        if (!reason)
            return std::nullopt;
        using K = ModelStore::Phase::Kind;
        const K phase = model_.modelStore().phase().kind;
        const auto why = phase == K::downloading ? menu::EngineSilence::Why::downloading
                         : phase == K::verifying ? menu::EngineSilence::Why::checking
                                                 : menu::EngineSilence::Why::notDownloaded;
        return menu::EngineSilence{why, *reason};
    };
    callbacks.watchEngines = [this](QObject* receiver, std::function<void()> changed) {
        connect(&model_.hub(), &ProviderHub::statusChanged, receiver, [changed] { changed(); });
        connect(&model_.modelStore(), &ModelStore::phaseChanged, receiver, [changed] { changed(); });
    };
    callbacks.openEngineSettings = [this] { model_.windows().showSettings(SettingsPane::engine); };
    callbacks.copyText = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
    callbacks.pauseFrontApp = [this](std::optional<double> seconds) { model_.pauseFrontApp(seconds); };
    callbacks.refreshEngine = [this] {
        model_.engine().cancelRefreshTask();
        model_.engine().refresh(false);
    };
    callbacks.openPlayground = [this] { model_.windows().showSettings(SettingsPane::overview); };
    callbacks.openSettings = [this] { model_.windows().showSettings(); };
    callbacks.quit = [this] { terminate(); };
    tray_ = std::make_unique<menu::StatusItem>(
        MenuServices{model_.prefs(), model_.rules(), model_.stats(), model_.permissions(), model_.rivals(), clock,
                     trayHost, desktopSettings, *motion_},
        std::move(callbacks));
    connect(&model_, &AppModel::frontAppChanged_, tray_.get(), &menu::StatusItem::frontAppChanged);
    connect(&model_, &AppModel::pointerPressed, tray_.get(), [tray = tray_.get()] { tray->pointerPressed(QCursor::pos()); },
            Qt::QueuedConnection);
    connect(tray_.get(), &menu::StatusItem::panelOpenChanged, this, [this](bool open) {
        PointerWatcher& pointer = model_.platform().pointerWatcher();
        if (open)
            pointer.start();
        else
            pointer.stop();
    });
    connect(&model_, &AppModel::restartHintChanged, tray_.get(), &menu::StatusItem::frontAppChanged);
    model_.iconHidden = [this] { return tray_->iconHidden(); };
    model_.windows().setContent(WindowManager::Kind::hiddenIcon,
                                [this, &desktopSettings, &trayHost](AppModel& m, std::function<void()> close) -> QWidget* {
                                    return new HiddenIconPrompt(m.prefs(), desktopSettings, trayHost, *motion_,
                                                                std::move(close));
                                });
    // A tray that starts while the prompt is open shows the icon: the prompt has done its work.
    connect(tray_.get(), &menu::StatusItem::trayHostChanged, this, [this](bool running) {
        if (QWidget* prompt = model_.windows().hiddenIconWindow(); running && prompt && !tray_->iconHidden())
            prompt->close();
    });
    installOnboardingWindow(model_);
    installIntroWindow(model_);
    installRivalWindow(model_);
    installSettingsWindow(model_);
    model_.windows().onQuitRequested = [this] { terminate(); };
    connect(&instance, &SingleInstance::handedOver, this, [this](const QStringList& arguments) { reopen(arguments); });
    connect(&sessionEnd, &SessionEnd::ending, this, [this] { terminate(); }, Qt::DirectConnection);
    sessionEnd.start();
}

AppDelegate::~AppDelegate()
{
    model_.iconHidden = nullptr; // it asks the tray item, which goes with this
}

void AppDelegate::didFinishLaunching(const QStringList& arguments)
{
    model_.start();
    tray_->refresh();
    applyArguments(arguments);
}

bool AppDelegate::applyArguments(const QStringList& arguments)
{
    bool opened = false;
    if (arguments.contains(QStringLiteral("--play-intro"))) {
        model_.windows().showIntro();
        opened = true;
    }
    const qsizetype at = arguments.indexOf(QStringLiteral("--open-settings"));
    if (at >= 0 && at + 1 < arguments.size()) {
        model_.windows().showSettings(settingsPaneFromName(arguments[at + 1]));
        opened = true;
    }
    return opened;
}

void AppDelegate::reopen(const QStringList& arguments)
{
    if (!applyArguments(arguments))
        model_.windows().showSettings();
}

void AppDelegate::terminate()
{
    if (terminating_)
        return;
    terminating_ = true;
    log::info(QStringLiteral("quitting: writing the stores"));
    model_.windows().saveFrames();
    model_.flushStores();
    exit_(0);
}

} // namespace tq
