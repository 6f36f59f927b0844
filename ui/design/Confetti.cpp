#include "ui/design/Confetti.h"

#include "ui/design/Decoration.h"

#include <QEvent>
#include <QPainter>

namespace tq {

ConfettiBurst::ConfettiBurst(QWidget* over, MotionContext& motion)
    : QWidget(over), motion_(motion), driver_(motion.frames(), this), timer_(motion.frames().clock())
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    markDecorative(this);
    if (over) {
        over->installEventFilter(this);
        setGeometry(over->rect());
    }
    hide();
}

ConfettiBurst::~ConfettiBurst() = default;

bool ConfettiBurst::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

double ConfettiBurst::elapsed() const
{
    return burst_ ? motion_.frames().seconds() - started_ : 0;
}

void ConfettiBurst::setTrigger(std::int64_t trigger)
{
    const bool first = !trigger_;
    const bool changed = trigger_ && *trigger_ != trigger;
    trigger_ = trigger;
    if (first || !changed)
        return;
    burst_ = trigger;
    confetti_ = std::make_unique<GoldConfetti>(trigger);
    started_ = motion_.frames().seconds();
    show();
    raise();
    if (!motion_.reduceMotion())
        driver_.run([this] { return burst_ && elapsed() < GoldConfetti::kDuration; });
    const std::int64_t mine = trigger;
    timer_.start(Millis(2700), [this, mine] {
        if (burst_ == mine) {
            burst_.reset();
            confetti_.reset();
            driver_.stop();
            hide();
        }
    });
}

void ConfettiBurst::paintEvent(QPaintEvent*)
{
    if (!confetti_ || motion_.reduceMotion())
        return;
    QPainter p(this);
    confetti_->draw(p, QSizeF(size()), elapsed());
}

} // namespace tq
