#include "ui/design/GrantSeal.h"

#include "ui/design/Decoration.h"
#include "look/Palette.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {
constexpr double kLength = 0.92;

double springTo(double from, double to, double t, double duration, double bounce)
{
    if (t >= duration)
        return to;
    return from + (to - from) * motion::springPosition(motion::springFromBounce(duration, bounce), t);
}
// The ring bursts out to 1.8 times the seal: it is drawn on an ancestor big enough to hold it,
// so the seal keeps its own size in the layout.
class SealBurst final : public QWidget {
public:
    SealBurst(GrantSeal* seal, QWidget* host) : QWidget(host), seal_(seal)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_TranslucentBackground);
        markDecorative(this);
    }
    void follow(double size)
    {
        if (!seal_)
            return;
        const double reach = size * 1.8 / 2 + std::max(size * 0.06, 1.0) + 2;
        const QPointF c = QPointF(seal_->mapTo(parentWidget(), QPoint(0, 0))) + QRectF(seal_->rect()).center();
        setGeometry(QRectF(c.x() - reach, c.y() - reach, 2 * reach, 2 * reach).toAlignedRect());
        size_ = size;
        centre_ = c - QPointF(geometry().topLeft());
        raise();
        show();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!seal_)
            return;
        QPainter p(this);
        p.setOpacity(seal_->opacity());
        paintSeal(p, QRectF(centre_ - QPointF(size_ / 2, size_ / 2), QSizeF(size_, size_)), size_, seal_->phase(),
                  SealParts::ring);
    }

private:
    QPointer<GrantSeal> seal_;
    double size_ = 0;
    QPointF centre_;
};

// The nearest ancestor whose rectangle holds the whole burst around `seal`.
QWidget* burstHost(QWidget* seal, double size)
{
    const double reach = size * 0.9 + std::max(size * 0.06, 1.0) + 2;
    const QPointF c = QRectF(seal->rect()).center();
    const QRectF burst(c.x() - reach, c.y() - reach, 2 * reach, 2 * reach);
    QWidget* host = seal->parentWidget();
    while (host && !host->isWindow()) {
        const QPoint at = seal->mapTo(host, QPoint(0, 0));
        if (QRectF(host->rect()).contains(burst.translated(at)))
            return host;
        host = host->parentWidget();
    }
    return host ? host : seal->window();
}
} // namespace

SealPhase sealPhaseAt(double t)
{
    if (t < 0 || t >= kLength)
        return {};
    SealPhase s;
    s.disc = springTo(0.55, 1, t, 0.5, 0.32);
    s.fill = std::min(t / 0.1, 1.0);
    s.check = t < 0.16 ? 0 : springTo(0, 1, t - 0.16, 0.34, 0);
    s.ring = t < 0.12 ? 0.85 : springTo(0.85, 1.8, t - 0.12, 0.8, 0);
    if (t < 0.12) {
        s.ringOpacity = 0;
    } else if (t < 0.17) {
        s.ringOpacity = 0.6 * (t - 0.12) / 0.05;
    } else {
        const double u = std::min((t - 0.17) / 0.75, 1.0);
        s.ringOpacity = 0.6 * (1 - u * u * (3 - 2 * u));
    }
    return s;
}

void paintSeal(QPainter& p, const QRectF& box, double size, const SealPhase& ph, SealParts parts)
{
    const QPointF c = box.center();
    const QRectF square(c.x() - size / 2, c.y() - size / 2, size, size);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QColor green = palette::green();
    const double base = p.opacity();

    if (parts != SealParts::body && ph.ringOpacity > 0) {
        const double line = std::max(size * 0.06, 1.0);
        p.save();
        p.setOpacity(base * ph.ringOpacity);
        p.translate(c);
        p.scale(ph.ring, ph.ring);
        p.translate(-c);
        p.setPen(QPen(green, line, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(square.adjusted(line / 2, line / 2, -line / 2, -line / 2));
        p.restore();
    }

    if (parts == SealParts::ring) {
        p.restore();
        return;
    }
    p.translate(c);
    p.scale(ph.disc, ph.disc);
    p.translate(-c);
    if (ph.fill > 0) {
        p.save();
        p.setOpacity(base * ph.fill);
        QLinearGradient g(square.topLeft(), square.bottomLeft());
        g.setColorAt(0, green.lighter(118));
        g.setColorAt(1, green.darker(108));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(square);
        p.restore();
    }
    if (ph.check > 0) {
        const double w = size, h = size, x = square.left(), y = square.top();
        const QPointF a(x + 0.29 * w, y + 0.52 * h), b(x + 0.44 * w, y + 0.67 * h), e(x + 0.72 * w, y + 0.37 * h);
        const double l1 = QLineF(a, b).length(), l2 = QLineF(b, e).length();
        double drawn = std::min(ph.check, 1.0) * (l1 + l2);
        QPainterPath path(a);
        if (drawn <= l1) {
            path.lineTo(a + (b - a) * (drawn / l1));
        } else {
            path.lineTo(b);
            path.lineTo(b + (e - b) * ((drawn - l1) / l2));
        }
        p.setPen(QPen(Qt::white, std::max(size * 0.1, 1.6), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
    }
    p.restore();
}

GrantSeal::GrantSeal(double size, bool celebrate, std::function<void()> onPlayed, MotionContext& motion,
                     QWidget* parent)
    : QWidget(parent), size_(size), celebrate_(celebrate), onPlayed_(std::move(onPlayed)), motion_(motion),
      driver_(motion.frames(), this), fade_(motion.frames(), 1)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    markDecorative(this);
}

GrantSeal::~GrantSeal()
{
    delete burst_;
}

QSize GrantSeal::sizeHint() const
{
    // The seal's own square; a widget given 1.8 times that shows the whole ring burst.
    const int s = int(std::ceil(size_));
    return {s, s};
}

SealPhase GrantSeal::phase() const
{
    if (plays_ == 0)
        return {};
    return sealPhaseAt(motion_.frames().seconds() - started_);
}

double GrantSeal::opacity() const
{
    const bool hidden = hidden_ ? *hidden_ : celebrate_;
    return hidden ? 0 : fade_.value();
}

void GrantSeal::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    appear();
}

void GrantSeal::appear()
{
    if (celebrate_ && !hidden_) {
        if (onPlayed_)
            onPlayed_();
        // Haptic feedback has no counterpart here.
        if (motion_.reduceMotion()) {
            hidden_ = false;
            fade_.setTo(0);
            fade_.animateTo(1, Animation::timing(motion::easeOut(250)));
            driver_.run([this] { return fade_.isMoving(); });
            return;
        }
        hidden_ = false;
        ++plays_;
        started_ = motion_.frames().seconds();
        driver_.run([this] {
            const bool moving = motion_.frames().seconds() - started_ < kLength;
            followBurst(moving);
            return moving;
        });
        followBurst(true);
        return;
    }
    hidden_ = false;
    update();
}

void GrantSeal::followBurst(bool playing)
{
    if (!playing || !isVisible()) {
        delete burst_;
        return;
    }
    if (!burst_)
        burst_ = new SealBurst(this, burstHost(this, size_));
    static_cast<SealBurst*>(burst_.data())->follow(size_);
}

void GrantSeal::paintEvent(QPaintEvent*)
{
    const double o = opacity();
    if (o <= 0)
        return;
    QPainter p(this);
    p.setOpacity(o);
    paintSeal(p, QRectF(rect()), size_, phase(), burst_ ? SealParts::body : SealParts::all);
}

} // namespace tq
