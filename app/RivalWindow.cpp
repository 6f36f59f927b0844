#include "app/RivalWindow.h"

#include "app/AppModel.h"
#include "app/WindowManager.h"
#include "completion/CompletionEngine.h"
#include "platform/ReduceMotion.h"
#include "ui/design/Animation.h"
#include "ui/design/Components.h"
#include "ui/onboarding/RivalPromptView.h"
#include "platform/Platform.h"

#include <QVBoxLayout>

#include <memory>

namespace tq {

namespace {
// Holds the motion context for as long as the prompt that animates with it.
class RivalContent final : public QWidget {
public:
    RivalContent(AppModel& model, std::function<void()> close)
        : motion_(std::make_unique<MotionContext>(model.engine().clock(), model.platform().reduceMotion()))
    {
        auto* layout = bareColumn(this);
        CompletionEngine* engine = &model.engine();
        RivalPromptServices services{model.rivals(), model.prefs(), *motion_, model.engine().clock(),
                                     [engine](const QString& text) { engine->announce(text); }};
        view_ = new RivalPromptView(std::move(services), std::move(close), this);
        layout->addWidget(view_);
    }
    ~RivalContent() override { delete view_; }

private:
    std::unique_ptr<MotionContext> motion_;
    QWidget* view_ = nullptr;
};
} // namespace

void installRivalWindow(AppModel& model)
{
    model.windows().setContent(WindowManager::Kind::rival, [](AppModel& m, std::function<void()> close) -> QWidget* {
        return new RivalContent(m, std::move(close));
    });
}

} // namespace tq
