#include "ui/design/Transition.h"

#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <algorithm>

namespace tq {

namespace {
const char* kRunner = "tqTransition";

class Runner final : public QObject {
public:
    Runner(QWidget* widget, MotionContext& motion, const TransitionSpec& spec, bool entering, std::function<void()> done)
        : QObject(&motion.frames()), widget_(widget), frames_(&motion.frames()), progress_(motion.frames(), 0), spec_(spec),
          entering_(entering), done_(std::move(done))
    {
        if (auto* old = widget->property(kRunner).value<QObject*>())
            delete old;
        widget->setProperty(kRunner, QVariant::fromValue<QObject*>(this));
        effect_ = new FadeScaleEffect(widget);
        widget->setGraphicsEffect(effect_);
        progress_.animateTo(1, spec.animation);
        apply();
        id_ = frames_->listen([this] { apply(); });
        // A child of the frame clock, not of the widget: it must outlive the widget's own
        // destructor, and goes with the clock.
        connect(widget, &QObject::destroyed, this, &QObject::deleteLater);
    }
    ~Runner() override
    {
        if (id_ && frames_)
            frames_->unlisten(id_);
        if (widget_ && widget_->property(kRunner).value<QObject*>() == this) {
            widget_->setProperty(kRunner, QVariant());
            if (widget_->graphicsEffect() == effect_)
                widget_->setGraphicsEffect(nullptr);
        }
    }

private:
    void apply()
    {
        if (!widget_) {
            if (id_)
                frames_->unlisten(id_);
            id_ = 0;
            return;
        }
        const double p = std::clamp(progress_.value(), 0.0, 1.0);
        const double k = entering_ ? p : 1 - p; // how far the widget is in
        effect_->set(std::clamp(k, 0.0, 1.0), spec_.scale + (1 - spec_.scale) * k, spec_.anchor);
        if (progress_.isMoving())
            return;
        frames_->unlisten(id_);
        id_ = 0;
        auto done = std::move(done_);
        QWidget* w = widget_;
        if (w->graphicsEffect() == effect_)
            w->setGraphicsEffect(nullptr);
        w->setProperty(kRunner, QVariant());
        widget_ = nullptr;
        deleteLater();
        if (done)
            done();
    }

    QPointer<QWidget> widget_;
    QPointer<FrameClock> frames_;
    AnimatedValue progress_;
    TransitionSpec spec_;
    bool entering_;
    std::function<void()> done_;
    FadeScaleEffect* effect_ = nullptr;
    FrameClock::ListenerId id_ = 0;
};
} // namespace

void FadeScaleEffect::set(double opacity, double scale, Qt::Alignment anchor)
{
    if (qFuzzyCompare(opacity_, opacity) && qFuzzyCompare(scale_, scale) && anchor_ == anchor)
        return;
    opacity_ = opacity;
    scale_ = scale;
    anchor_ = anchor;
    update();
}

void FadeScaleEffect::draw(QPainter* painter)
{
    if (opacity_ <= 0)
        return;
    if (opacity_ >= 1 && qFuzzyCompare(scale_, 1.0)) {
        drawSource(painter);
        return;
    }
    QPoint offset;
    const QPixmap pm = sourcePixmap(Qt::LogicalCoordinates, &offset, QGraphicsEffect::NoPad);
    if (pm.isNull())
        return;
    const QRectF bounds = sourceBoundingRect(Qt::LogicalCoordinates);
    QPointF anchor = bounds.center();
    if (anchor_ & Qt::AlignLeading) {
        auto* w = qobject_cast<QWidget*>(parent());
        const bool rtl = w && w->layoutDirection() == Qt::RightToLeft;
        anchor.setX(rtl ? bounds.right() : bounds.left());
    }
    painter->save();
    painter->setOpacity(painter->opacity() * opacity_);
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->translate(anchor);
    painter->scale(scale_, scale_);
    painter->translate(-anchor);
    painter->drawPixmap(offset, pm);
    painter->restore();
}

void transitionIn(QWidget* widget, MotionContext& motion, const TransitionSpec& spec)
{
    if (auto* old = widget->property(kRunner).value<QObject*>())
        delete old;
    widget->show();
    if (spec.animation.kind == Animation::Kind::none)
        return;
    new Runner(widget, motion, spec, true, {});
}

void transitionOut(QWidget* widget, MotionContext& motion, const TransitionSpec& spec, std::function<void()> done)
{
    if (spec.animation.kind == Animation::Kind::none || !widget->isVisible()) {
        if (auto* old = widget->property(kRunner).value<QObject*>())
            delete old;
        if (done)
            done();
        return;
    }
    new Runner(widget, motion, spec, false, std::move(done));
}

bool inTransition(const QWidget* widget)
{
    return widget->property(kRunner).value<QObject*>() != nullptr;
}

} // namespace tq
