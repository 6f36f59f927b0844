#include "app/IntroWindow.h"

#include "app/AppModel.h"
#include "app/WindowManager.h"
#include "completion/CompletionEngine.h"
#include "platform/ReduceMotion.h"
#include "ui/design/Animation.h"
#include "ui/design/Components.h"
#include "ui/onboarding/IntroView.h"
#include "platform/Platform.h"

#include <QVBoxLayout>

#include <memory>

namespace tq {

namespace {
// Holds the motion context for as long as the intro that animates with it.
class IntroContent final : public QWidget {
public:
    IntroContent(AppModel& model, std::function<void()> close)
        : motion_(std::make_unique<MotionContext>(model.engine().clock(), model.platform().reduceMotion()))
    {
        auto* layout = bareColumn(this);
        view_ = makeIntroView(model, *motion_, std::move(close), this);
        layout->addWidget(view_);
    }
    ~IntroContent() override { delete view_; }

private:
    std::unique_ptr<MotionContext> motion_;
    QWidget* view_ = nullptr;
};
} // namespace

QWidget* makeIntroView(AppModel& model, MotionContext& motion, std::function<void()> done, QWidget* parent)
{
    IntroServices services{model.prefs(), motion, model.engine().clock(), model.localOnly()};
    return new IntroView(std::move(services), std::move(done), parent);
}

void installIntroWindow(AppModel& model)
{
    model.windows().setContent(WindowManager::Kind::intro, [](AppModel& m, std::function<void()> close) -> QWidget* {
        return new IntroContent(m, std::move(close));
    });
}

} // namespace tq
