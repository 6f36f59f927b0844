#include "app/AppDelegate.h"

#include "app/AppModel.h"
#include "app/OnboardingWindow.h"
#include "app/WindowManager.h"
#include "platform/Log.h"
#include "platform/SessionEnd.h"
#include "platform/SingleInstance.h"
#include "settings/Preferences.h"
#include "platform/ReduceMotion.h"
#include "ui/design/Animation.h"
#include "ui/menubar/TrayItem.h"
#include "ui/onboarding/PlaygroundField.h"
#include "ui/settings/SettingsRoot.h"

#include <QClipboard>
#include <QGuiApplication>

#include <unistd.h>

namespace tq {

AppDelegate::AppDelegate(AppModel& model, SingleInstance& instance, SessionEnd& sessionEnd,
                         std::function<void(int)> exit, QObject* parent)
    : QObject(parent), model_(model), exit_(exit ? std::move(exit) : [](int code) { ::_exit(code); })
{
    tray_ = std::make_unique<TrayItem>([this] { model_.windows().showSettings(); }, [this] { terminate(); });
    model_.iconHidden = [] { return TrayItem::iconHidden(); };
    installOnboardingWindow(model_);
    model_.windows().onQuitRequested = [this] { terminate(); };
    reduceMotion_ = std::make_unique<SystemReduceMotion>();
    motion_ = std::make_unique<MotionContext>(Clock::shared(), *reduceMotion_);
    model_.windows().setContent(WindowManager::Kind::settings, [this](AppModel& m, std::function<void()>) -> QWidget* {
        SettingsContext context{m.prefs(), m.rules(),  m.stats(), m.memory(), m.permissions(), m.rivals(), m.hub(),
                                m.engine(), Clock::shared(), *motion_, m.windows().router(), {}};
        context.hooks.practiceField = [&m](const QString& placeholder, QWidget* parent) -> QWidget* {
            auto* field = new PlaygroundField(
                m.engine(), [&m](FieldSource* source, bool focused) { m.playgroundFocusChanged(source, focused); }, parent);
            field->setPlaceholderText(placeholder);
            return field;
        };
        context.hooks.tapRunning = [&m] { return m.tapRunning(); };
        context.hooks.copyText = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
        return new SettingsRoot(std::move(context));
    });
    connect(&instance, &SingleInstance::handedOver, this, [this](const QStringList& arguments) { reopen(arguments); });
    connect(&sessionEnd, &SessionEnd::ending, this, [this] { terminate(); }, Qt::DirectConnection);
    sessionEnd.start();
}

AppDelegate::~AppDelegate()
{
    // The settings content draws over this delegate's motion: it goes first.
    model_.windows().setContent(WindowManager::Kind::settings, {});
    delete model_.windows().settingsWindow();
}

void AppDelegate::didFinishLaunching(const QStringList& arguments)
{
    model_.start();
    tray_->setVisible(model_.prefs().showMenuBarIcon());
    connect(&model_.prefs(), &Preferences::changed, this, [this](const QString& key) {
        if (key == QLatin1String("showMenuBarIcon"))
            tray_->setVisible(model_.prefs().showMenuBarIcon());
    });
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
