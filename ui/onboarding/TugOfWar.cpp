#include "ui/onboarding/TugOfWar.h"

#include "ui/design/Blur.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Effects.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

constexpr double kIcon = 76;
constexpr double kSettle = 2.4;
constexpr double kStillFade = 0.2;

double c01(double x)
{
    return std::clamp(x, 0.0, 1.0);
}
double easeInOutCubic(double x)
{
    x = c01(x);
    return x < 0.5 ? 4 * x * x * x : 1 - std::pow(2 - 2 * x, 3) / 2;
}
double easeOutCubic(double x)
{
    x = c01(x);
    return 1 - std::pow(1 - x, 3);
}
double easeOutBack(double x)
{
    x = c01(x);
    return 1 + 3.4 * std::pow(x - 1, 3) + 2.4 * std::pow(x - 1, 2);
}

// The icons' shadow: the tile's shape in black at 0.35, blurred by 10, 6 points lower.
void shadowUnder(QPainter& p, const QPointF& centre)
{
    const QRectF tile(centre.x() - kIcon / 2 + 4, centre.y() - kIcon / 2 + 4, kIcon - 8, kIcon - 8);
    blur::shadow(p, QStringLiteral("tugIcon"), continuousRect(tile, 16), palette::withOpacity(Qt::black, 0.35), 10,
                 QPointF(0, 6));
}

// The generic application icon: a grey rounded tile with a window on it.
void paintGenericIcon(QPainter& p, const QRectF& r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x8a, 0x8f, 0x99));
    g.setColorAt(1, QColor(0x5c, 0x61, 0x6b));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(continuousRect(r.adjusted(4, 4, -4, -4), 16));
    const QRectF win = r.adjusted(20, 24, -20, -22);
    p.setBrush(QColor(0xee, 0xef, 0xf2));
    p.drawPath(continuousRect(win, 4));
    p.setBrush(QColor(0xb8, 0xbc, 0xc4));
    p.drawRect(QRectF(win.left(), win.top(), win.width(), 7));
}

} // namespace

void paintBigKeycap(QPainter& p, const QPointF& centre, double glow)
{
    QFont font = fonts::rounded(15, QFont::DemiBold);
    const QString label = QStringLiteral("Tab");
    const double w = QFontMetricsF(font).horizontalAdvance(label) + 30, h = 34;
    const QRectF face(centre.x() - w / 2, centre.y() - h / 2, w, h);
    const QPainterPath shape = continuousRect(face, 8);
    p.setPen(Qt::NoPen);
    if (glow > 0) {
        // A gold shadow of the key, blurred by 10, as strong as the glow.
        p.save();
        p.setOpacity(p.opacity() * glow);
        blur::shadow(p, QStringLiteral("tugKey/%1").arg(w), shape, palette::withOpacity(palette::gold(), 0.45), 10, QPointF());
        p.restore();
    }
    p.setBrush(palette::ink());
    p.drawPath(shape.translated(0, 3));
    p.setBrush(palette::inkRaised());
    p.drawPath(shape);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette::withOpacity(palette::gold(), glow), 1.5));
    p.drawPath(continuousRect(face.adjusted(0.75, 0.75, -0.75, -0.75), 7.25));
    p.setPen(QPen(palette::withOpacity(palette::paper(), (1 - glow) * 0.22), 1));
    p.drawPath(continuousRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 7.5));
    p.setPen(palette::paper());
    p.setFont(font);
    p.drawText(face, Qt::AlignCenter, label);
}

void paintTugOfWar(QPainter& p, const QSizeF& size, double t, std::optional<double> resolved, const QIcon& rivalIcon)
{
    const double W = size.width(), H = size.height();
    const double e = resolved.value_or(0);
    auto ramp = [&](double a, double b) { return resolved ? c01((e - a) / (b - a)) : 0.0; };
    const double cx = W * 0.5, y = H * 0.48;
    const double f = resolved ? std::max(0.0, 1 - e / 0.18) : 1.0;
    const double w = (15 * std::sin(2.3 * t) + 6 * std::sin(5.1 * t + 1.3) + 2.5 * std::sin(13.7 * t)) * f;
    const double xr = cx - 128 + 0.18 * w;
    const double xa0 = cx + 128 + 0.18 * w;
    const double xa = xa0 + (cx - xa0) * easeInOutCubic(ramp(0.35, 0.95));
    const QPointF start(xr + 38, y + 6), end(xa - 38, y + 6);
    const QPointF k0(0.5 * w + (start.x() + end.x()) / 2, y + 6 + 18 - 0.55 * std::abs(w));
    const double b = easeOutBack(ramp(0.3, 0.95));
    const QPointF k = k0 + (QPointF(cx + 34, y + 36) - k0) * (resolved ? b : 0);
    const double s = easeInOutCubic(ramp(0.05, 0.45));

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    // Rope.
    const double ropeOpacity = 1 - ramp(0.15, 0.55);
    if (ropeOpacity > 0) {
        const QPointF from = start + (k - start) * s;
        QPainterPath rope(from);
        rope.quadTo(QPointF((k.x() + from.x()) / 2, k.y() + 4), k);
        rope.quadTo(QPointF((k.x() + end.x()) / 2, k.y() + 4), end);
        QPen pen(palette::withOpacity(palette::paper(), 0.4 * ropeOpacity), 2.5, Qt::CustomDashLine, Qt::RoundCap,
                 Qt::MiterJoin);
        pen.setDashPattern({6 / 2.5, 5 / 2.5});
        pen.setDashOffset(-14 * t / 2.5);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(rope);
    }
    if (resolved) {
        const double ring = easeOutCubic(ramp(0.04, 0.5));
        p.setPen(QPen(palette::withOpacity(palette::paper(), 0.55 * (1 - ring)), 1.5));
        p.setBrush(Qt::NoBrush);
        const double rr = 34 + 46 * ring;
        p.drawEllipse(QPointF(xr, y), rr, rr);
        const double pg = ramp(0.9, 1.75);
        if (pg > 0 && pg < 1) {
            p.setPen(QPen(palette::withOpacity(palette::gold(), 0.7 * (1 - pg)), 2));
            const double ra = 42 + 34 * easeOutCubic(pg);
            p.drawEllipse(QPointF(xa, y), ra, ra);
        }
    }

    // Rival icon.
    const double p1 = ramp(0, 0.4);
    const double scale = p1 < 0.3 ? 1 + 0.12 * p1 / 0.3 : 1.12 - 0.8 * easeOutCubic((p1 - 0.3) / 0.7);
    const double rivalOpacity = 1 - ramp(0.12, 0.4);
    if (rivalOpacity > 0) {
        p.save();
        p.setOpacity(rivalOpacity);
        shadowUnder(p, QPointF(xr, y));
        p.translate(xr, y);
        p.rotate(std::min(w, 0.0) * 0.4);
        p.scale(scale, scale);
        const QRectF box(-kIcon / 2, -kIcon / 2, kIcon, kIcon);
        // Blurred up to 10 points as it shrinks and fades.
        blur::drawBlurred(p, box, 10 * ramp(0.12, 0.4), [&](QPainter& ip) {
            if (rivalIcon.isNull())
                paintGenericIcon(ip, box);
            else
                rivalIcon.paint(&ip, box.toRect());
        });
        p.restore();
    }

    // Our icon with its glow.
    p.save();
    p.translate(xa, y);
    p.rotate(std::max(w, 0.0) * 0.4);
    if (resolved && e > 0.85) {
        const double bump = 1 + 0.08 * std::sin(M_PI * std::min((e - 0.85) / 0.4, 1.0));
        p.scale(bump, bump);
    }
    const double glow = resolved ? c01((e - 0.8) * 2) : 0;
    if (glow > 0) {
        QRadialGradient g(QPointF(0, 0), 70, QPointF(0, 0));
        g.setColorAt(4.0 / 70, palette::withOpacity(palette::gold(), 0.35 * glow));
        g.setColorAt(1, Qt::transparent);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QPointF(0, 0), 70, 70);
    }
    shadowUnder(p, QPointF(0, 0));
    paintBrandMark(p, QPointF(-kIcon / 2, -kIcon / 2), kIcon);
    p.restore();

    // Keycap.
    p.save();
    p.translate(k);
    p.rotate(-0.5 * w - (b > 0 && resolved ? 14 * std::sin(M_PI * std::min(b, 1.0)) : 0));
    paintBigKeycap(p, QPointF(0, 0), ramp(0.85, 1.1));
    p.restore();

    if (resolved)
        InkDrops{}.draw(p, QPointF(xr, y), e - 0.08);
    p.restore();
}

TugOfWarScene::TugOfWarScene(MotionContext& motion, QIcon rivalIcon, QWidget* parent)
    : QWidget(parent), motion_(motion), rival_(std::move(rivalIcon))
{
    setFixedHeight(180);
    connect(&motion_, &MotionContext::reduceMotionChanged, this, [this] { follow(); });
}

TugOfWarScene::~TugOfWarScene()
{
    if (listener_)
        motion_.frames().unlisten(listener_);
}

void TugOfWarScene::resolve()
{
    if (resolvedAt_)
        return;
    resolvedAt_ = motion_.frames().seconds();
    follow();
}

void TugOfWarScene::follow()
{
    const double now = motion_.frames().seconds();
    settled_ = resolvedAt_ && now - *resolvedAt_ >= kSettle;
    // With Reduce Motion only the 0.2 s cross-fade from the tug to the victory moves.
    const bool fading = resolvedAt_ && now - *resolvedAt_ < kStillFade;
    const bool moving = isVisible() && !settled_ && (!motion_.reduceMotion() || fading);
    if (moving && !listener_)
        listener_ = motion_.frames().listen(
            [this] {
                update();
                follow();
            },
            this);
    else if (!moving && listener_) {
        motion_.frames().unlisten(listener_);
        listener_ = 0;
    }
    update();
}

void TugOfWarScene::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    follow();
}

void TugOfWarScene::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    follow();
}

void TugOfWarScene::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const double now = motion_.frames().seconds();
    if (motion_.reduceMotion()) {
        // Still pictures: the tug at rest, or the finished victory, cross-faded ease-out.
        const double a = resolvedAt_ ? 1 - std::pow(1 - std::clamp((now - *resolvedAt_) / kStillFade, 0.0, 1.0), 3) : 0;
        if (a < 1) {
            p.setOpacity(1 - a);
            paintTugOfWar(p, size(), 0, std::nullopt, rival_);
        }
        if (a > 0) {
            p.setOpacity(a);
            paintTugOfWar(p, size(), 0, 10.0, rival_);
        }
        return;
    }
    std::optional<double> e;
    if (resolvedAt_)
        e = std::min(now - *resolvedAt_, kSettle);
    paintTugOfWar(p, size(), now, e, rival_);
}

} // namespace tq
