#include "app/SettingsWindow.h"

#include "app/AppModel.h"
#include "app/WindowManager.h"
#include "completion/CompletionEngine.h"
#include "input/KeyTap.h"
#include "platform/Platform.h"
#include "platform/Keychain.h"
#include "platform/ReduceMotion.h"
#include "ui/design/Animation.h"
#include "ui/onboarding/PlaygroundField.h"
#include "ui/settings/SettingsRoot.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QUrl>
#include <QGuiApplication>
#include <QVBoxLayout>

#include <memory>

namespace tq {

namespace {
// Holds the motion context for as long as the panes that animate with it.
class SettingsContent final : public QWidget {
public:
    explicit SettingsContent(AppModel& m)
        : motion_(std::make_unique<MotionContext>(m.engine().clock(), m.platform().reduceMotion()))
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        SettingsContext context = settingsContext(m, *motion_);
        context.hooks.practiceField = [&m](const QString& placeholder, QWidget* parent) -> QWidget* {
            auto* field = new PlaygroundField(
                m.engine(), [&m](FieldSource* source, bool focused) { m.playgroundFocusChanged(source, focused); }, parent);
            field->setPlaceholderText(placeholder);
            return field;
        };
        context.hooks.tapRunning = [&m] { return m.tapRunning(); };
        context.hooks.watchTapRunning = [&m](QObject* receiver, std::function<void()> changed) {
            QObject::connect(&m, &AppModel::tapRunningChanged, receiver, [changed = std::move(changed)](bool) { changed(); });
        };
        context.hooks.copyText = [](const QString& text) { QGuiApplication::clipboard()->setText(text); };
        context.hooks.restartHint = [&m] { return m.axSource().restartHint(); };
        context.hooks.watchRestartHint = [&m](QObject* receiver, std::function<void()> changed) {
            QObject::connect(&m, &AppModel::restartHintChanged, receiver, std::move(changed));
        };
        context.hooks.showOnboarding = [&m] { m.windows().showOnboarding(); };
        context.hooks.showIntro = [&m] { m.windows().showIntro(); };
        context.hooks.dataFolder = [&m] { return m.folder(); };
        context.hooks.openPath = [](const QString& path) { QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
        root_ = new SettingsRoot(std::move(context), this);
        layout->addWidget(root_);
    }
    ~SettingsContent() override
    {
        delete root_; // the panes animate over the motion context: they go first
    }

private:
    std::unique_ptr<MotionContext> motion_;
    SettingsRoot* root_ = nullptr;
};
} // namespace

SettingsContext settingsContext(AppModel& m, MotionContext& motion)
{
    SettingsContext c{m.prefs(), m.rules(), m.stats(), m.memory(), m.permissions(), m.rivals(), m.hub(), m.engine(),
                      m.engine().clock(), m.platform().keyLayout(), motion, m.windows().router(), m.language(),
                      m.modelStore(), m.power(), m.platform().keychain(), m.platform().installedApps(),
                      m.platform().trayHost(), {}};
    c.hooks.takenKeys = [&m] { return m.keyTap().refusedKeys(); };
    c.hooks.watchTakenKeys = [&m](QObject* receiver, std::function<void()> changed) {
        QObject::connect(&m.keyTap(), &KeyTap::refusedKeysChanged, receiver, std::move(changed));
    };
    return c;
}

void installSettingsWindow(AppModel& model)
{
    model.windows().setContent(WindowManager::Kind::settings,
                               [](AppModel& m, std::function<void()>) -> QWidget* { return new SettingsContent(m); });
}

} // namespace tq
