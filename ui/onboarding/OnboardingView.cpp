#include "ui/onboarding/OnboardingView.h"

#include "services/Permissions.h"
#include "platform/Text.h"
#include "ui/design/Animation.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Effects.h"
#include "ui/design/Transition.h"
#include "ui/design/Buttons.h"
#include "look/Palette.h"
#include "ui/onboarding/OnboardingSteps.h"

#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QHBoxLayout>
#include <QPainter>
#include <QProgressBar>
#include <QScrollArea>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

namespace tq {

namespace {
// The ending's two bursts of ink from the trailing end of the footer, over everything, taking
// no clicks.
class FinishBurst final : public QWidget {
public:
    FinishBurst(MotionContext& motion, QWidget* parent) : QWidget(parent), motion_(motion), driver_(motion.frames(), this)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        markDecorative(this);
        first_.count = 36;
        first_.speedLow = 180;
        first_.speedHigh = 420;
        first_.lift = 260;
        first_.gravity = 640;
        first_.lifetime = 0.9;
        first_.colors = {palette::gold(), palette::withOpacity(palette::paper(), 0.9), palette::withOpacity(palette::gold(), 0.65)};
        second_.count = 24;
        second_.speedLow = 120;
        second_.speedHigh = 300;
        second_.lift = 320;
        second_.gravity = 600;
        second_.lifetime = 0.8;
        second_.colors = {palette::gold(), palette::withOpacity(palette::gold(), 0.8)};
        hide();
    }
    void start()
    {
        start_ = motion_.frames().seconds();
        setGeometry(parentWidget()->rect());
        show();
        raise();
        driver_.run([this] { return elapsed() < first_.lifetime + 0.2; });
    }
    double elapsed() const { return motion_.frames().seconds() - start_; }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const double t = elapsed();
        const double w = width(), h = height();
        first_.draw(p, QPointF(w - 86, h - 34), t);
        second_.draw(p, QPointF(w - 106, h - 44), t - 0.12);
    }

private:
    MotionContext& motion_;
    FrameDriver driver_;
    InkDrops first_;
    InkDrops second_;
    double start_ = 0;
};


// The step page: at most 480 wide, leading-aligned, centred vertically when short. A new page
// comes in 8 points low and transparent and settles over the shared curve.
class PageFrame final : public QWidget {
public:
    static constexpr int kMargin = 24;
    static constexpr double kDrop = 8;

    PageFrame(QWidget* step, QScrollArea* scroll, MotionContext& motion)
        : scroll_(scroll), entrance_(motion.frames(), 1), driver_(motion.frames(), this)
    {
        outer_ = new QVBoxLayout(this);
        auto* outer = outer_;
        outer->setContentsMargins(40, kMargin, 40, kMargin);
        outer->addStretch(1);
        auto* row = new QHBoxLayout;
        step->setMaximumWidth(480);
        row->addWidget(step, 1);
        row->addStretch(0);
        outer->addLayout(row);
        outer->addStretch(1);
    }
    QSize minimumSizeHint() const override
    {
        const QSize hint = QWidget::minimumSizeHint();
        return {hint.width(), std::max(hint.height(), int(scroll_->viewport()->height() * 0.92))};
    }

    void enter()
    {
        opacity_ = new QGraphicsOpacityEffect(this);
        setGraphicsEffect(opacity_);
        entrance_.setTo(0);
        entrance_.animateTo(1, Animation::timing(motion::standard()));
        follow();
        driver_.run([this] {
            follow();
            return entrance_.isMoving();
        });
    }
    double entrance() const { return entrance_.value(); }

private:
    void follow()
    {
        const double p = entrance_.value();
        const int drop = int(std::lround(kDrop * (1 - p)));
        outer_->setContentsMargins(40, kMargin + drop, 40, kMargin - drop);
        if (!opacity_)
            return;
        if (p >= 1) {
            setGraphicsEffect(nullptr); // deletes the effect
            opacity_ = nullptr;
        } else {
            opacity_->setOpacity(p);
        }
    }

    QScrollArea* scroll_;
    QVBoxLayout* outer_ = nullptr;
    QGraphicsOpacityEffect* opacity_ = nullptr;
    AnimatedValue entrance_;
    FrameDriver driver_;
};
} // namespace

OnboardingView::OnboardingView(OnboardingServices services, std::function<void()> finish, QWidget* parent)
    : QWidget(parent), services_(std::move(services))
{
    setObjectName(QStringLiteral("onboardingView"));
    setAutoFillBackground(true);

    flow_ = new OnboardingFlow(services_.prefs, services_.clock, bool(services_.makeIntro), std::move(finish), this);
    flow_->setReduceMotion(services_.motion.reduceMotion());
    connect(&services_.motion, &MotionContext::reduceMotionChanged, flow_, &OnboardingFlow::setReduceMotion);
    flow_->setAccessGranted(services_.permissions.accessibility());
    connect(&services_.permissions, &Permissions::accessibilityChanged, flow_, &OnboardingFlow::setAccessGranted);

    stack_ = new QStackedLayout(this);
    steps_ = new QWidget(this);
    auto* column = bareColumn(steps_);

    header_ = new QWidget(steps_);
    auto* headerRow = new QHBoxLayout(header_);
    headerRow->setContentsMargins(80, 34, 80, 0);
    progress_ = new InkProgressBar(10, services_.motion, header_);
    progress_->setObjectName(QStringLiteral("onboardingProgress"));
    headerRow->addWidget(progress_);
    column->addWidget(header_);

    scroll_ = new QScrollArea(steps_);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->viewport()->setAutoFillBackground(false);
    column->addWidget(scroll_, 1);

    auto* footer = new ButtonBar(steps_);
    auto* footerRow = new QHBoxLayout(footer);
    footerRow->setContentsMargins(24, 16, 24, 16);
    footerRow->setSpacing(14);
    if (services_.makeLanguageButton) {
        if (QWidget* language = services_.makeLanguageButton(footer))
            footerRow->addWidget(language);
    }
    footerRow->addStretch(1);
    back_ = new HandButton(tq::text("Back"), footer);
    back_->setObjectName(QStringLiteral("backButton"));
    primary_ = new PrimaryButton(QString(), services_.motion, footer);
    primary_->setObjectName(QStringLiteral("primaryButton"));
    footerRow->addWidget(back_);
    footerRow->addWidget(primary_);
    column->addWidget(footer);
    connect(back_, &QAbstractButton::clicked, flow_, &OnboardingFlow::back);
    connect(primary_, &QAbstractButton::clicked, flow_, &OnboardingFlow::advance);

    // Return and Escape as the window's default and cancel actions; a focused practice field
    // takes them first.
    auto* ret = new QShortcut(QKeySequence(Qt::Key_Return), steps_);
    auto* enter = new QShortcut(QKeySequence(Qt::Key_Enter), steps_);
    for (QShortcut* s : {ret, enter}) {
        s->setContext(Qt::WidgetWithChildrenShortcut);
        connect(s, &QShortcut::activated, primary_, &QAbstractButton::click);
    }
    auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), steps_);
    esc->setContext(Qt::WidgetWithChildrenShortcut);
    connect(esc, &QShortcut::activated, flow_, &OnboardingFlow::back);

    burst_ = new FinishBurst(services_.motion, steps_);
    connect(flow_, &OnboardingFlow::burstStarted, this, [this] { static_cast<FinishBurst*>(burst_)->start(); });

    stack_->addWidget(steps_);
    connect(flow_, &OnboardingFlow::stepChanged, this, &OnboardingView::showStep);
    connect(flow_, &OnboardingFlow::primaryTitleChanged, this, &OnboardingView::followTitle);
    connect(flow_, &OnboardingFlow::introChanged, this, &OnboardingView::showContent);
    showStep();
    showContent();
}

QAbstractButton* OnboardingView::backButton() const { return back_; }
QAbstractButton* OnboardingView::primaryButton() const { return primary_; }

void OnboardingView::showContent()
{
    if (flow_->showsIntro()) {
        if (!intro_) {
            intro_ = services_.makeIntro([flow = QPointer<OnboardingFlow>(flow_)] {
                if (flow)
                    flow->introDone();
            });
            if (intro_) {
                stack_->addWidget(intro_);
                stack_->setCurrentWidget(intro_);
            }
        }
        return;
    }
    const bool fromIntro = intro_ != nullptr;
    stack_->setCurrentWidget(steps_);
    if (intro_)
        intro_->deleteLater();
    intro_ = nullptr;
    // After the intro the step screen grows into place from 0.97 as it fades in (a plain fade
    // under Reduce Motion).
    if (fromIntro) {
        const bool reduce = services_.motion.reduceMotion();
        transitionIn(steps_, services_.motion, {Animation::timing(motion::slow()), reduce ? 1.0 : 0.97, Qt::AlignCenter});
    }
}

void OnboardingView::showStep()
{
    const OnboardingStep step = flow_->step();
    progress_->setValue(flow_->progress());
    progress_->setAccessibleName(flow_->progressLabel());
    back_->setVisible(flow_->hasBack());
    followTitle();

    // Every step change makes a new page.
    QWidget* content = nullptr;
    switch (step) {
    case OnboardingStep::welcome: content = new WelcomeStep(services_); break;
    case OnboardingStep::access: content = new AccessStep(services_); break;
    case OnboardingStep::engine: content = new EngineStep(services_); break;
    case OnboardingStep::practice: content = new PracticeStep(services_); break;
    }
    auto* frame = new PageFrame(content, scroll_, services_.motion);
    frame->setAutoFillBackground(false);
    // Nothing of the old page is on the call stack (the buttons and keys live outside it), and
    // its animations must not outlive the motion context: it goes now.
    QWidget* current = scroll_->widget();
    const bool animate = current && !services_.motion.reduceMotion();
    QWidget* leaving = nullptr;
    if (animate && current->isVisible()) {
        QWidget* old = current;
        // The old page leaves as a picture that fades out where it stood.
        auto* picture = new QLabel(scroll_);
        picture->setPixmap(old->grab(QRect(QPoint(0, 0) - old->pos(), scroll_->viewport()->size())));
        picture->setGeometry(scroll_->viewport()->geometry());
        picture->setAttribute(Qt::WA_TransparentForMouseEvents);
        markDecorative(picture);
        leaving = picture;
    }
    std::unique_ptr<QWidget> old(scroll_->takeWidget());
    scroll_->setWidget(frame);
    page_ = content;
    // The first page is there at once; later ones come in, except under Reduce Motion.
    if (animate)
        frame->enter();
    if (leaving) {
        leaving->show();
        leaving->raise();
        transitionOut(leaving, services_.motion, {Animation::timing(motion::standard())}, [leaving] { leaving->deleteLater(); });
    }
}

void OnboardingView::followTitle()
{
    primary_->setText(flow_->primaryTitle());
    primary_->updateGeometry();
}

} // namespace tq
