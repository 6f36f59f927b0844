#include "app/OnboardingWindow.h"

#include "app/AppModel.h"
#include "app/IntroWindow.h"
#include "app/WindowManager.h"
#include "completion/CompletionEngine.h"
#include "platform/ReduceMotion.h"
#include "ui/design/Animation.h"
#include "ui/design/Components.h"
#include "ui/onboarding/OnboardingView.h"
#include "ui/settings/LanguagePicker.h"
#include "platform/Platform.h"

#include <QVBoxLayout>

#include <memory>

namespace tq {

namespace {
// Holds the motion context for as long as the view that animates with it.
class OnboardingContent final : public QWidget {
public:
    OnboardingContent(AppModel& model, std::function<void()> close)
        : motion_(std::make_unique<MotionContext>(model.engine().clock(), model.platform().reduceMotion()))
    {
        auto* layout = bareColumn(this);
        OnboardingServices services{model.prefs(), model.permissions(), model.hub(), model.modelStore(),
                                    model.engine(), *motion_, model.engine().clock(),
                                    [&model](FieldSource* field, bool focused) {
                                        model.playgroundFocusChanged(field, focused);
                                    },
                                    {}, {}};
        services.makeIntro = [&model, this](std::function<void()> done) -> QWidget* {
            return makeIntroView(model, *motion_, std::move(done));
        };
        services.makeLanguageButton = [&model, this](QWidget* parent) -> QWidget* {
            return new LanguageButton(model.language(), parent, motion_.get());
        };
        services.trayHost = &model.platform().trayHost();
        view_ = new OnboardingView(std::move(services), std::move(close), this);
        layout->addWidget(view_);
    }
    ~OnboardingContent() override
    {
        // The view animates over the motion context: it goes first.
        delete view_;
    }

private:
    std::unique_ptr<MotionContext> motion_;
    OnboardingView* view_ = nullptr;
};
} // namespace

void installOnboardingWindow(AppModel& model)
{
    model.windows().setContent(WindowManager::Kind::onboarding, [](AppModel& m, std::function<void()> close) -> QWidget* {
        return new OnboardingContent(m, std::move(close));
    });
}

} // namespace tq
