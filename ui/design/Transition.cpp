#include "ui/design/Transition.h"

#include "ui/design/Decoration.h"

#include <QLabel>
#include <QLayout>
#include <QPainter>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace {
const char* kGlide = "tqLayoutGlide";

// Lays out `host` and every widget in it afresh, whatever geometry a glide left behind:
// the innermost layouts first, so that each outer one sees its parts' new sizes.
void relayout(QWidget* host, const QList<QWidget*>& parts)
{
    QList<QWidget*> owners;
    for (QWidget* part : parts) {
        for (QWidget* w = part; w; w = w->parentWidget()) {
            if (w->layout() && !owners.contains(w))
                owners << w;
            if (w == host)
                break;
        }
    }
    if (host->layout() && !owners.contains(host))
        owners << host;
    const auto depth = [](QWidget* w) {
        int d = 0;
        for (; w; w = w->parentWidget())
            ++d;
        return d;
    };
    std::stable_sort(owners.begin(), owners.end(), [&](QWidget* a, QWidget* b) { return depth(a) > depth(b); });
    for (QWidget* w : owners)
        w->layout()->invalidate();
    for (QWidget* w : owners)
        w->layout()->activate();
}

// The widget as drawn over whatever lies behind it: no window background of its own.
QPixmap pictureOf(QWidget* w)
{
    const qreal dpr = w->devicePixelRatioF();
    QPixmap pm(w->size() * dpr);
    pm.setDevicePixelRatio(dpr);
    pm.fill(Qt::transparent);
    w->render(&pm, QPoint(), QRegion(), QWidget::DrawChildren);
    return pm;
}

QRect between(const QRect& a, const QRect& b, double k)
{
    const auto mix = [k](int x, int y) { return int(std::lround(x + (y - x) * k)); };
    return {mix(a.x(), b.x()), mix(a.y(), b.y()), mix(a.width(), b.width()), mix(a.height(), b.height())};
}

// Moves the staying parts of one layout change over the frames, then hands them back to the
// layout. A child of the frame clock, like Runner, and replaced by the host's next change.
class Glide final : public QObject {
public:
    struct Move {
        QPointer<QWidget> widget;
        QRect from, to;
    };
    Glide(QWidget* host, MotionContext& motion, const Animation& animation, const QList<QWidget*>& parts, std::vector<Move> moves)
        : QObject(&motion.frames()), host_(host), frames_(&motion.frames()), progress_(motion.frames(), 0),
          moves_(std::move(moves))
    {
        for (QWidget* part : parts)
            parts_ << part;
        host->setProperty(kGlide, QVariant::fromValue<QObject*>(this));
        connect(host, &QObject::destroyed, this, &QObject::deleteLater);
        progress_.animateTo(1, animation);
        apply();
        if (host_)
            id_ = frames_->listen([this] { apply(); });
    }
    // The layout changed again without its own animation: the parts glide on to their new
    // places along the same curve.
    void retarget()
    {
        for (Move& m : moves_)
            if (m.widget)
                m.to = m.widget->geometry();
        apply();
    }
    ~Glide() override
    {
        if (id_ && frames_)
            frames_->unlisten(id_);
        if (host_ && host_->property(kGlide).value<QObject*>() == this)
            host_->setProperty(kGlide, QVariant());
    }

private:
    void apply()
    {
        if (!host_)
            return finish();
        const double k = progress_.value();
        for (const Move& m : moves_)
            if (m.widget)
                m.widget->setGeometry(between(m.from, m.to, k));
        if (!progress_.isMoving())
            finish();
    }
    void finish()
    {
        if (id_ && frames_)
            frames_->unlisten(id_);
        id_ = 0;
        if (host_) {
            host_->setProperty(kGlide, QVariant());
            QList<QWidget*> parts;
            for (QWidget* part : parts_)
                if (part)
                    parts << part;
            relayout(host_, parts);
        }
        host_ = nullptr;
        deleteLater();
    }

    QPointer<QWidget> host_;
    QPointer<FrameClock> frames_;
    AnimatedValue progress_;
    QList<QPointer<QWidget>> parts_;
    std::vector<Move> moves_;
    FrameClock::ListenerId id_ = 0;
};
} // namespace

void transitionLayout(QWidget* host, MotionContext& motion, const Animation& animation, const QList<QWidget*>& parts,
                      const std::function<void()>& change)
{
    const bool animated = animation.kind != Animation::Kind::none && host->isVisible();
    struct Before {
        QPointer<QWidget> widget;
        QRect geometry;
        bool shown;
        QPixmap picture;
    };
    std::vector<Before> before;
    for (QWidget* part : parts)
        before.push_back({part, part->geometry(), part->isVisible(), animated && part->isVisible() ? pictureOf(part) : QPixmap()});

    auto* running = dynamic_cast<Glide*>(host->property(kGlide).value<QObject*>());
    if (running && animated) {
        // It stops where it is: the new glide starts from there.
        delete running;
        running = nullptr;
    }
    change();
    relayout(host, parts);
    if (!animated) {
        if (running)
            running->retarget();
        return;
    }

    const TransitionSpec fade{animation};
    std::vector<Glide::Move> moves;
    for (const Before& b : before) {
        QWidget* w = b.widget;
        if (!w)
            continue;
        const bool shown = w->isVisible();
        if (b.shown && shown && w->geometry() != b.geometry) {
            moves.push_back({w, b.geometry, w->geometry()});
        } else if (b.shown && !shown && w->parentWidget()) {
            // Gone: its picture fades out where it stood.
            auto* picture = new QLabel(w->parentWidget());
            picture->setPixmap(b.picture);
            picture->setGeometry(b.geometry);
            picture->setAttribute(Qt::WA_TransparentForMouseEvents);
            markDecorative(picture);
            picture->show();
            picture->raise();
            transitionOut(picture, motion, fade, [picture] { picture->deleteLater(); });
        } else if (!b.shown && shown) {
            transitionIn(w, motion, fade);
        }
    }
    if (!moves.empty() && !motion.reduceMotion())
        new Glide(host, motion, animation, parts, std::move(moves));
}

} // namespace tq
