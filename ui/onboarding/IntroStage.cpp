#include "ui/onboarding/IntroStage.h"

#include "platform/Text.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Blur.h"
#include "ui/design/Decoration.h"
#include "ui/design/BrandMark.h"
#include "ui/design/Effects.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>

namespace tq {

using namespace intro;

namespace {

constexpr double kMark = 76;
constexpr double kCaretCentre = 0.4077669902912621 + 0.03640776699029126 / 2;

QColor alpha(const QColor& c, double a)
{
    return palette::withOpacity(c, std::clamp(a, 0.0, 1.0) * c.alphaF());
}

struct MoteLayer {
    double size, drift, brightness, sway, pull;
};
constexpr MoteLayer kLayers[3] = {
    {0.55, 0.45, 0.45, 0.4, 0.08},
    {1.0, 1.0, 0.75, 1.0, 0.22},
    {1.7, 1.9, 1.0, 1.8, 0.4},
};

const InkDrops& splashDrops()
{
    static const InkDrops drops = [] {
        InkDrops d;
        d.count = 18;
        d.speedLow = 60;
        d.speedHigh = 180;
        d.lift = 130;
        d.gravity = 700;
        d.lifetime = 0.85;
        d.colors = {palette::gold(), alpha(palette::gold(), 0.7), alpha(palette::paper(), 0.7)};
        return d;
    }();
    return drops;
}

const InkDrops& acceptDrops()
{
    static const InkDrops drops = [] {
        InkDrops d;
        d.count = 26;
        d.speedLow = 60;
        d.speedHigh = 170;
        d.lift = 40;
        d.gravity = 70;
        d.lifetime = 1.6;
        d.colors = {palette::gold(), alpha(palette::gold(), 0.7), alpha(palette::paper(), 0.8)};
        return d;
    }();
    return drops;
}

void paintBackdrop(QPainter& p, const IntroFrame& f)
{
    const double w = f.size.width(), h = f.size.height();
    const IntroCues& cue = *f.cue;
    const double t = f.t;
    const double cx = 0.5 * w, cy = 0.42 * h, y0 = cy + 46;
    const double fl = flash(t, cue, f.still);

    p.fillRect(QRectF(0, 0, w, h), alpha(palette::ink(), easeOut(t / 1.4)));

    const double glow = 0.1 * easeOut((t - 0.4) / 2) + 0.08 * fl;
    if (glow > 0) {
        QRadialGradient g(QPointF(cx, cy + 30), 0.7 * std::max(w, h));
        g.setColorAt(0, alpha(palette::gold(), glow));
        g.setColorAt(1, Qt::transparent);
        p.fillRect(QRectF(0, 0, w, h), g);
    }

    const double m = easeOut((t - 0.3) / 1.8);
    if (m > 0) {
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 90; ++i) {
            const MoteLayer& L = kLayers[i % 3];
            const double v = f.still ? 0 : L.drift * (5 + 12 * moteRandom(i, 2.1));
            double y = (h + 20) - std::fmod(moteRandom(i, 3.7) * (h + 40) + t * v, h + 40);
            const double s = f.still ? 0 : std::sin(0.4 * t + i) * 6 * L.sway;
            double x = w * moteRandom(i, 1.3) + s;
            const double r = (1.6 * moteRandom(i, 5.9) + 0.6) * L.size;
            const double q = f.still ? 0.6 : 0.5 + 0.5 * std::sin(2 * i + t * (0.8 * moteRandom(i, 1) + 0.6));
            const QColor& c = i % 4 == 0 ? palette::paper() : palette::gold();
            x += L.pull * fl * (cx - x);
            y += L.pull * fl * (cy - y);
            const double o = std::min((2 * fl * L.pull + 1) * (0.38 * q + 0.12) * m * L.brightness, 1.0);
            p.setBrush(alpha(c, o));
            p.drawEllipse(QPointF(x, y), r, r);
        }
    }
    if (f.still)
        return;

    // The falling drop.
    const double pd = (t - (cue.drop - 0.75)) / 0.75;
    if (pd > 0 && pd < 1) {
        const double y = pd * pd * (cy + 20) - 20;
        const double s = 1 + 0.6 * pd;
        // The glow: an 18-point gold drop stretched with the fall, blurred by 6.
        const int stretch = int(std::lround(s * 20));
        const double gs = stretch / 20.0;
        blur::drawCached(p, QStringLiteral("introDropGlow/%1").arg(stretch), QPointF(cx - 9, y - 9 * gs), QSizeF(18, 18 * gs), 6,
                         [gs](QPainter& ip) {
                             ip.setPen(Qt::NoPen);
                             ip.setBrush(alpha(palette::gold(), 0.6));
                             ip.drawEllipse(QRectF(0, 0, 18, 18 * gs));
                         });
        p.setPen(Qt::NoPen);
        p.setBrush(palette::gold());
        p.drawEllipse(QRectF(cx - 4.5, y - 6 * s, 9, 12 * s));
    }

    const double d = t - cue.drop;
    const double pr = d / 0.35;
    if (pr > 0 && pr < 1) {
        const double r = 60 + 140 * pr;
        QRadialGradient g(QPointF(cx, y0), r);
        g.setColorAt(0, alpha(Qt::white, 0.55 * (1 - pr)));
        g.setColorAt(0.5, alpha(palette::gold(), 0.35 * (1 - pr)));
        g.setColorAt(1, Qt::transparent);
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(QRectF(cx - r, y0 - 0.45 * r, 2 * r, 0.9 * r));
    }
    const double ql = d / 0.9;
    if (ql > 0 && ql < 1) {
        const double l = 40 + 260 * easeOut(ql);
        QLinearGradient g(QPointF(cx - l, 0), QPointF(cx + l, 0));
        g.setColorAt(0, Qt::transparent);
        g.setColorAt(0.25, alpha(palette::gold(), 0.7 * (1 - ql)));
        g.setColorAt(0.5, alpha(Qt::white, 0.8 * (1 - ql)));
        g.setColorAt(0.75, alpha(palette::gold(), 0.7 * (1 - ql)));
        g.setColorAt(1, Qt::transparent);
        p.fillRect(QRectF(cx - l, y0 - 0.75, 2 * l, 1.5), g);
    }
    splashDrops().draw(p, QPointF(cx, y0), d);

    p.setBrush(Qt::NoBrush);
    for (int n = 0; n < 3; ++n) {
        const double q = (d - 0.22 * n) / 1.9;
        if (q <= 0 || q >= 1)
            continue;
        const double s = 210 * easeOut(q) + 8;
        p.setPen(QPen(alpha(palette::gold(), 0.55 * (1 - q)), 1.5 * (1 - q) + 0.5));
        p.drawEllipse(QRectF(cx - s, y0 - 0.28 * s, 2 * s, 0.56 * s));
    }
    acceptDrops().draw(p, QPointF(cx, cy), t - cue.accept);
}

void paintIcon(QPainter& p, const IntroFrame& f, const QPointF& centre)
{
    const IntroCues& cue = *f.cue;
    const double t = f.t;
    const double a = (t - cue.accept) / 0.55;
    const double P = a >= 0 && a < 1 ? std::sin(M_PI * a) : 0;
    const double G = f.still ? 0 : (0.5 + 0.5 * std::sin(1.1 * t)) * 0.1 * easeOut((t - (cue.accept + 1)) / 2);
    const double H = f.still ? 0
                             : G + 0.6 * P + 0.35 * easeOut((t - cue.drop) / 0.4) * tail((t - (cue.drop + 0.6)) / 1.2);
    BrandMarkProgress progress;
    double opacity = 1, scale = 1;
    if (f.still) {
        opacity = easeOut((t - cue.drop) / 0.6);
    } else {
        progress = {spring(2 * (t - (cue.drop - 0.03))), spring((t - cue.drop) / 0.36),
                    easeOut((t - (cue.drop + 0.2)) / 0.45), easeOut((t - (cue.drop + 0.38)) / 0.6)};
        scale = 1 + 0.06 * P;
    }
    if (H > 0) {
        // The halo: a gold radial fill framed 144.4 points, blurred by 12.
        p.save();
        p.setOpacity(p.opacity() * std::min(H, 1.0));
        blur::drawCached(p, QStringLiteral("introHalo"), centre - QPointF(72.2, 72.2), QSizeF(144.4, 144.4), 12,
                         [](QPainter& ip) {
                             QRadialGradient g(QPointF(72.2, 72.2), 68.4);
                             g.setColorAt(0, alpha(palette::gold(), 0.45));
                             g.setColorAt(1, Qt::transparent);
                             ip.setPen(Qt::NoPen);
                             ip.setBrush(g);
                             ip.drawEllipse(QRectF(0, 0, 144.4, 144.4));
                         });
        p.restore();
    }
    if (opacity <= 0 || progress.plate <= 0)
        return;
    p.save();
    p.setOpacity(p.opacity() * opacity);
    // The mark's shadow: its plate, black at 0.45, blurred by 14 and 8 points lower.
    if (progress.plate > 0) {
        const double ps = 0.35 + 0.65 * progress.plate;
        const QPointF anchor = centre + QPointF((43.875 / 103 - 0.5) * kMark, 0);
        p.save();
        p.setOpacity(p.opacity() * std::min(1.6 * progress.plate, 1.0));
        p.translate(anchor);
        p.scale(scale * ps, scale * ps);
        p.translate(-anchor);
        blur::shadow(p, QStringLiteral("introMark"), continuousRect(QRectF(centre - QPointF(kMark / 2, kMark / 2), QSizeF(kMark, kMark)), 23.25 / 103 * kMark),
                     alpha(Qt::black, 0.45), 14, QPointF(0, 8));
        p.restore();
    }
    p.translate(centre);
    p.scale(scale, scale);
    paintBrandMark(p, QPointF(-kMark / 2, -kMark / 2), kMark, progress);
    p.restore();
}

void paintCaret(QPainter& p, double x, double y, double k, double opacity)
{
    if (opacity <= 0)
        return;
    const double w = 3.5 * (1 + 0.7 * k), hgt = 54 * (1 + 0.06 * k);
    p.setPen(Qt::NoPen);
    p.setBrush(alpha(palette::gold(), opacity));
    p.drawPath(continuousRect(QRectF(x - w / 2, y - hgt / 2, w, hgt), 1.5));
}

void paintWordmark(QPainter& p, const IntroFrame& f, const IntroWordmarkFont& word, const QPointF& centre)
{
    const IntroCues& cue = *f.cue;
    const double t = f.t;
    const double left = centre.x() - word.width / 2;
    const double midY = centre.y();

    // The glow behind the name.
    const double b = t - cue.button;
    const double glow = 0.1 * easeOut(t - cue.letters[0]) + 0.45 * easeOut(4 * (t - cue.accept)) -
                        0.3 * easeOut((t - (cue.accept + 0.3)) / 1.4) +
                        0.035 * easeOut(b / 2) * (0.5 + 0.5 * std::sin(1.4 * b));
    if (glow > 0) {
        // An ellipse 440 by 180 holding a gold radial fill of radius 220, blurred by 20.
        p.save();
        p.setOpacity(p.opacity() * std::min(glow, 1.0));
        blur::drawCached(p, QStringLiteral("introNameGlow"), centre - QPointF(220, 90), QSizeF(440, 180), 20, [](QPainter& ip) {
            QRadialGradient g(QPointF(220, 90), 220);
            g.setColorAt(0, alpha(palette::gold(), 0.5));
            g.setColorAt(1, Qt::transparent);
            ip.setPen(Qt::NoPen);
            ip.setBrush(g);
            ip.drawEllipse(QRectF(0, 0, 440, 180));
        });
        p.restore();
    }

    QFontMetricsF fm(word.font);
    const double baseline = midY + (fm.ascent() - fm.descent()) / 2;
    p.setFont(word.font);
    double x = left;
    const int caret = caretLetter(t, cue);
    const double typingCaret = typingCaretOpacity(t, cue);
    const double k = caret < 0 ? 0 : tail((t - cue.letters[caret]) / 0.18);
    for (int i = 0; i < 5; ++i) {
        const double adv = word.typedAdvance[i];
        const double dd = t - cue.letters[i];
        const double o = easeOut(dd / 0.16);
        if (o > 0) {
            const double s = 1 + 0.16 * o * tail(dd / 0.26);
            p.save();
            p.translate(x + adv / 2, baseline + 10 * (1 - o));
            p.scale(s, s);
            p.setPen(alpha(palette::paper(), o));
            p.drawText(QPointF(-adv / 2, 0), word.typed.mid(i, 1));
            p.restore();
        }
        if (i == 0 && caret < 0)
            paintCaret(p, x - 3, midY, k, typingCaret);
        if (i == caret)
            paintCaret(p, x + adv + 3, midY, k, typingCaret);
        x += adv;
    }
    const double g = ghostOpacity(t, cue);
    if (g > 0) {
        p.setPen(alpha(palette::paper(), g));
        p.drawText(QPointF(x, baseline), word.ghost);
    }
    paintCaret(p, x + word.ghostWidth + 5, midY, 0, endCaretOpacity(t, cue));

    // The glint across the name on acceptance.
    const double sp = easeOut((t - cue.accept) / 0.8);
    if (sp > 0 && sp < 1) {
        QPainterPath text;
        text.addText(QPointF(left, baseline), word.font, word.typed + word.ghost);
        p.save();
        p.setClipPath(text);
        const double bandX = left + sp * (word.width + 180) - 90;
        p.translate(bandX, midY);
        p.rotate(14);
        QLinearGradient lg(QPointF(-45, 0), QPointF(45, 0));
        lg.setColorAt(0, Qt::transparent);
        lg.setColorAt(0.25, alpha(palette::gold(), 0.9));
        lg.setColorAt(0.5, Qt::white);
        lg.setColorAt(0.75, alpha(palette::gold(), 0.9));
        lg.setColorAt(1, Qt::transparent);
        p.fillRect(QRectF(-45, -120, 90, 240), lg);
        p.restore();
    }
}

void paintLockup(QPainter& p, const IntroFrame& f, const IntroWordmarkFont& word, const QPointF& mark)
{
    const double W = word.width + 96;
    const double e = f.still ? 1 : easeOut((f.t - (f.cue->drop + 0.05)) / 0.42);
    const double x0 = mark.x() + (0.5 - kCaretCentre) * kMark;
    const double x1 = mark.x() - W / 2 + 38;
    paintIcon(p, f, QPointF(x0 + (x1 - x0) * e, mark.y()));
    paintWordmark(p, f, word, QPointF(mark.x() + W / 2 - word.width / 2, mark.y()));
}

void paintTabKey(QPainter& p, const IntroFrame& f, const QPointF& centre)
{
    const double o = tabOpacity(f.t, *f.cue);
    if (o <= 0)
        return;
    const bool pressed = tabPressed(f.t, *f.cue);
    const double in = easeOut((f.t - f.cue->key) / 0.35);
    QFont font = fonts::rounded(15, QFont::DemiBold);
    const QString label = text("tab");
    const double textW = QFontMetricsF(font).horizontalAdvance(label);
    const double w = 16 + textW + 6 + 15 + 16, hgt = 38;
    p.save();
    p.setOpacity(p.opacity() * o);
    p.translate(centre + QPointF(0, 10 * (1 - in)));
    if (pressed)
        p.scale(0.92, 0.92);
    const QRectF face(-w / 2, -hgt / 2, w, hgt);
    const QPainterPath shape = continuousRect(face, 9);
    p.setPen(Qt::NoPen);
    blur::shadow(p, QStringLiteral("introTab/%1/%2").arg(w).arg(pressed), shape, alpha(Qt::black, 0.4), pressed ? 1 : 4,
                 QPointF(0, pressed ? 1 : 3));
    p.setBrush(pressed ? palette::gold() : alpha(Qt::white, 0.08));
    p.drawPath(shape);
    p.setPen(QPen(pressed ? palette::gold() : alpha(Qt::white, 0.18), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(continuousRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 8.5));
    const QColor fg = pressed ? palette::ink() : palette::paper();
    p.setPen(fg);
    p.setFont(font);
    p.drawText(QRectF(face.left() + 16, face.top(), textW, hgt), Qt::AlignVCenter | Qt::AlignLeft, label);
    symbols::paint(p, QStringLiteral("arrow.right.to.line"), QRectF(face.left() + 16 + textW + 6, -7.5, 15, 15), fg);
    p.restore();
}

void paintTagline(QPainter& p, const IntroFrame& f, const QPointF& centre)
{
    const double o = taglineOpacity(f.t, *f.cue);
    if (o <= 0)
        return;
    QFont font = fonts::rounded(17, QFont::Medium);
    p.setFont(font);
    p.setPen(alpha(palette::paperDim(), o));
    const double dy = 8 * tail((f.t - f.cue->tagline) / 0.6);
    p.drawText(QRectF(centre.x() - 400, centre.y() - 15 + dy, 800, 30), Qt::AlignCenter,
               text("Your next words, one Tab away."));
}

void paintReflection(QPainter& p, const IntroFrame& f, const IntroWordmarkFont& word, const QPointF& mark, double y0)
{
    // Only the first 88 points under the baseline show, fading out downward.
    const double W = word.width + 96 + 200;
    const QRectF band(mark.x() - W / 2, y0, W, 88);
    QImage img(band.size().toSize(), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    {
        QPainter ip(&img);
        ip.setRenderHint(QPainter::Antialiasing);
        ip.translate(-band.left(), -band.top());
        ip.translate(0, 2 * y0);
        ip.scale(1, -1);
        paintLockup(ip, f, word, mark);
        ip.resetTransform();
        ip.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        QLinearGradient g(QPointF(0, 0), QPointF(0, 88));
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, Qt::transparent);
        ip.fillRect(QRectF(0, 0, img.width(), img.height()), g);
    }
    blur::blurInPlace(img, 1.2 * img.devicePixelRatioF());
    p.save();
    p.setOpacity(p.opacity() * 0.16);
    p.drawImage(band.topLeft(), img);
    p.restore();
}

} // namespace

IntroWordmarkFont::IntroWordmarkFont()
{
    font = fonts::rounded(64, QFont::Bold);
    font.setLetterSpacing(QFont::AbsoluteSpacing, -1.2);
    const QString name = appName();
    typed = name.left(5);
    ghost = name.mid(5);
    QFontMetricsF fm(font);
    width = 0;
    for (int i = 0; i < 5 && i < typed.size(); ++i) {
        typedAdvance[i] = fm.horizontalAdvance(typed.mid(i, 1));
        width += typedAdvance[i];
    }
    ghostWidth = fm.horizontalAdvance(ghost);
    width += ghostWidth;
    if (width <= 0)
        width = 330;
}

void paintIntroStage(QPainter& p, const IntroFrame& f, const IntroWordmarkFont& word)
{
    const double w = f.size.width(), h = f.size.height();
    const double cx = 0.5 * w, cy = 0.42 * h, y0 = cy + 46;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(0, 0, w, h), Qt::black);
    const double push = f.still ? 1 : 1 + 0.025 * easeOut(f.t / 10);
    p.translate(cx, h / 2);
    p.scale(push, push);
    p.translate(-cx, -h / 2);
    paintBackdrop(p, f);
    const QPointF mark(cx, cy);
    if (!f.still)
        paintReflection(p, f, word, mark, y0);
    paintLockup(p, f, word, mark);
    paintTabKey(p, f, QPointF(cx, cy + 110));
    paintTagline(p, f, QPointF(cx, cy + 110));
    p.restore();
    paintGrain(p, QRectF(0, 0, w, h));
}

IntroStage::IntroStage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    // A picture: the intro itself is named for screen readers.
    markDecorative(this);
}

void IntroStage::setFrame(double t, const IntroCues& cue, bool still)
{
    frame_.t = t;
    frame_.cue = &cue;
    frame_.still = still;
    update();
}

void IntroStage::setLeaving(double amount, bool grow, const QImage& lastFrame)
{
    if (amount > 0 && leaving_ <= 0)
        frozen_ = lastFrame;
    leaving_ = amount;
    grow_ = grow;
    update();
}

QImage IntroStage::renderFrame() const
{
    const double dpr = devicePixelRatioF();
    QImage img((QSizeF(size()) * dpr).toSize(), QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    QPainter p(&img);
    IntroFrame f = frame_;
    f.size = size();
    paintIntroStage(p, f, word_);
    return img;
}

void IntroStage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    frame_.size = size();
    if (leaving_ <= 0 || frozen_.isNull()) {
        paintIntroStage(p, frame_, word_);
        return;
    }
    // The last frame, buttons included, stands still while the view fades out, growing to
    // 1.05 and blurring to a radius of 10.
    p.fillRect(rect(), Qt::black);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (!grow_) {
        p.drawImage(QRectF(rect()), frozen_);
        return;
    }
    const double s = 1 + 0.05 * leaving_;
    p.translate(width() / 2.0, height() / 2.0);
    p.scale(s, s);
    p.translate(-width() / 2.0, -height() / 2.0);
    const double radius = 10 * leaving_;
    // The blur is made at a quarter of the size (half for small radii): the same look, a
    // fraction of the work, so a leaving frame stays inside the frame budget.
    p.drawImage(QRectF(rect()), radius < 0.3 ? frozen_ : blur::blurredCopy(frozen_, radius, radius < 2 ? 2 : 4));
}

} // namespace tq
