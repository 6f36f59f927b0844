#include "ui/design/BrandMark.h"

#include "ui/design/Decoration.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"

#include <QPainter>
#include <QShowEvent>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {
constexpr double kGrid = 103;

QRectF unitRect(double x, double y, double w, double h, double u)
{
    return QRectF(x * u, y * u, w * u, h * u);
}

// Scales about `anchor`.
void scaleAbout(QPainter& p, const QPointF& anchor, double sx, double sy)
{
    p.translate(anchor);
    p.scale(sx, sy);
    p.translate(-anchor);
}
} // namespace

void paintBrandMark(QPainter& p, const QPointF& origin, double size, const BrandMarkProgress& pr)
{
    const double u = size / kGrid;
    const QPointF caretCentre(43.875 * u, 51.5 * u);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(origin);
    p.setPen(Qt::NoPen);

    // Plate with its sheen and inner border.
    if (pr.plate > 0) {
        p.save();
        p.setOpacity(p.opacity() * std::min(1.6 * pr.plate, 1.0));
        const double s = 0.35 + 0.65 * pr.plate;
        scaleAbout(p, caretCentre, s, s);
        const QRectF plate(0, 0, size, size);
        const QPainterPath shape = continuousRect(plate, 23.25 * u);
        QLinearGradient g(0, 0, 0, size);
        g.setColorAt(0, palette::plateTop());
        g.setColorAt(1, palette::plateBottom());
        p.setBrush(g);
        p.drawPath(shape);
        // The sheen only reaches 0.61 of the way down; fill no further.
        QRadialGradient sheen(QPointF(0.5 * size, -0.07 * size), size * 0.68);
        sheen.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.1));
        sheen.setColorAt(1, QColor::fromRgbF(1, 1, 1, 0));
        p.setBrush(sheen);
        p.drawPath(shape.intersected(continuousRect(QRectF(0, 0, size, size * 0.62), 0)));
        const double line = std::max(size * 0.0036, 0.5);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.1), line));
        p.drawPath(continuousRect(plate.adjusted(line / 2, line / 2, -line / 2, -line / 2), 23.25 * u - line / 2));
        p.restore();
    }

    // Typed bar, growing from its leading edge.
    if (pr.typed > 0) {
        p.save();
        p.setOpacity(p.opacity() * pr.typed);
        const QRectF bar = unitRect(12, 47.25, 24.5, 8.5, u);
        scaleAbout(p, QPointF(bar.left(), bar.center().y()), std::max(pr.typed, 0.001), 1);
        p.setBrush(QColor::fromRgbF(1, 1, 1, 0.94));
        p.drawPath(continuousCapsule(bar));
        p.restore();
    }

    // Caret: stem and serifs.
    if (pr.caret > 0) {
        p.save();
        p.setOpacity(p.opacity() * pr.caret);
        scaleAbout(p, caretCentre, 0.6 + 0.4 * pr.caret, std::max(0.2 + 0.8 * pr.caret, 0.001));
        p.setBrush(palette::gold());
        p.drawPath(continuousCapsule(unitRect(42, 30.5, 3.75, 42, u)));
        p.drawPath(continuousCapsule(unitRect(37, 30, 13.75, 2.75, u)));
        p.drawPath(continuousCapsule(unitRect(37, 70.25, 13.75, 2.75, u)));
        p.restore();
    }

    // Ghost bars slide in from the left.
    if (pr.ghost > 0) {
        p.save();
        p.setOpacity(p.opacity() * pr.ghost);
        p.setBrush(QColor::fromRgbF(1, 1, 1, 0.3));
        p.drawPath(continuousCapsule(unitRect(53.75, 47.25, 18.75, 8.5, u).translated(-size * (1 - pr.ghost) * 0.06, 0)));
        p.restore();
        const double o2 = std::clamp(1.4 * pr.ghost - 0.4, 0.0, 1.0);
        if (o2 > 0) {
            p.save();
            p.setOpacity(p.opacity() * o2);
            p.setBrush(QColor::fromRgbF(1, 1, 1, 0.18));
            p.drawPath(continuousCapsule(unitRect(76, 47.25, 15, 8.5, u).translated(-size * (1 - pr.ghost) * 0.1, 0)));
            p.restore();
        }
    }
    p.restore();
}

QImage brandMarkImage(int pixels, const BrandMarkProgress& progress)
{
    QImage img(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    paintBrandMark(p, QPointF(0, 0), pixels, progress);
    return img;
}

QList<int> appIconSizes()
{
    return {16, 22, 24, 32, 48, 64, 128, 256, 512};
}

QIcon appIcon()
{
    static const QIcon icon = [] {
        QIcon i;
        for (int s : appIconSizes())
            i.addPixmap(QPixmap::fromImage(brandMarkImage(s)));
        return i;
    }();
    return icon;
}

BrandMark::BrandMark(double size, QWidget* parent) : QWidget(parent), size_(size)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    markDecorative(this);
}

void BrandMark::setProgress(const BrandMarkProgress& progress)
{
    progress_ = progress;
    update();
}

QSize BrandMark::sizeHint() const
{
    const int s = int(std::ceil(size_));
    return {s, s};
}

void BrandMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintBrandMark(p, QPointF((width() - size_) / 2, (height() - size_) / 2), size_, progress_);
}

namespace {
int swellMargin(double size)
{
    return int(std::ceil(size * 0.03)) + 1;
}
} // namespace

LiveBrandMark::LiveBrandMark(double size, MotionContext& motion, QWidget* parent)
    : QWidget(parent), size_(size), motion_(motion), driver_(motion.frames(), this), timer_(motion.frames().clock()),
      caret_(motion.frames(), 0), typed_(motion.frames(), 0), ghost_(motion.frames(), 0), scale_(motion.frames(), 1)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_Hover);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    markDecorative(this);
}

QSize LiveBrandMark::sizeHint() const
{
    const int s = int(std::ceil(size_)) + 2 * swellMargin(size_);
    return {s, s};
}

BrandMarkProgress LiveBrandMark::progress() const
{
    return {1, caret_.value(), typed_.value(), ghost_.value()};
}

void LiveBrandMark::setStep(int step, bool animated)
{
    step_ = step;
    const Animation a = animated ? Animation::springy(0.45, 0.65) : Animation::none();
    caret_.animateTo(step_ >= 1 ? 1 : 0, a);
    typed_.animateTo(step_ >= 2 ? 1 : 0, a);
    ghost_.animateTo(step_ >= 3 ? 1 : 0, a);
    animate();
}

void LiveBrandMark::animate()
{
    driver_.run([this] { return caret_.isMoving() || typed_.isMoving() || ghost_.isMoving() || scale_.isMoving(); });
}

void LiveBrandMark::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // The window system's own show (the window mapped, restored) does not start the entrance again.
    if (event->spontaneous())
        return;
    timer_.cancel();
    if (motion_.reduceMotion()) {
        setStep(3, false);
        return;
    }
    setStep(0, false);
    timer_.start(Millis(220), [this] {
        setStep(1, true);
        timer_.start(Millis(150), [this] {
            setStep(2, true);
            timer_.start(Millis(150), [this] { setStep(3, true); });
        });
    });
}

void LiveBrandMark::hideEvent(QHideEvent* event)
{
    // A cut-short entrance ends complete.
    timer_.cancel();
    if (step_ < 3)
        setStep(3, false);
    driver_.stop();
    QWidget::hideEvent(event);
}

void LiveBrandMark::enterEvent(QEnterEvent* event)
{
    if (!motion_.reduceMotion()) {
        scale_.animateTo(1.06, Animation::springy(0.35, 0.6));
        animate();
    }
    QWidget::enterEvent(event);
}

void LiveBrandMark::leaveEvent(QEvent* event)
{
    scale_.animateTo(1, motion_.reduceMotion() ? Animation::none() : Animation::springy(0.35, 0.6));
    animate();
    QWidget::leaveEvent(event);
}

void LiveBrandMark::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QPointF c = QRectF(rect()).center();
    const double s = scale_.value();
    p.translate(c);
    p.scale(s, s);
    p.translate(-c);
    paintBrandMark(p, QPointF(c.x() - size_ / 2, c.y() - size_ / 2), size_, progress());
}

} // namespace tq
