#include "ui/onboarding/GhostDemo.h"

#include "platform/Text.h"
#include "ui/design/Animation.h"
#include "ui/design/Buttons.h"
#include "ui/design/Fonts.h"
#include "ui/design/Keycap.h"
#include "look/Palette.h"
#include "ui/design/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {
constexpr int kPadding = 16;
constexpr int kHintRoom = 26;
constexpr int kMinTextHeight = 44;
constexpr double kFontSize = 16;
constexpr int kBloomSteps = 7;
} // namespace

GhostDemo::GhostDemo(const QString& typed, const QString& ghost, MotionContext& motion, QWidget* parent)
    : QWidget(parent), script_(typed, ghost), motion_(motion), driver_(motion.frames(), this)
{
    setObjectName(QStringLiteral("ghostDemo"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(tq::text("Example: after typing %1, %2 suggests %3").arg(typed, appName(), ghost));

    hint_ = new QWidget(this);
    auto* row = new QHBoxLayout(hint_);
    row->setContentsMargins(10, 10, 10, 10);
    row->setSpacing(6);
    keycap_ = new Keycap(QStringLiteral("Tab"), true, hint_);
    row->addWidget(keycap_);
    row->addWidget(makeLabel(tq::text("takes the next word"), fonts::Role::caption, palette::paperDim(), false, hint_));
    hint_->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(&motion_, &MotionContext::reduceMotionChanged, this, [this] { start(); });
}

QFont GhostDemo::textFont() const { return fonts::system(kFontSize); }

QSize GhostDemo::sizeHint() const { return {440, heightForWidth(440)}; }

int GhostDemo::heightForWidth(int width) const
{
    // Two lines at most, room for the hint below.
    const QFontMetricsF m(textFont());
    const double textWidth = std::max(1, width - 2 * kPadding);
    const int lines = m.horizontalAdvance(script_.typed() + script_.ghost()) > textWidth ? 2 : 1;
    const int text = std::max(kMinTextHeight, int(std::ceil(lines * m.lineSpacing())));
    return text + 2 * kPadding + kHintRoom;
}

void GhostDemo::setFixedMoment(std::optional<double> seconds)
{
    fixed_ = seconds;
    start();
}

GhostDemoState GhostDemo::state() const
{
    if (motion_.reduceMotion())
        return script_.still();
    if (fixed_)
        return script_.at(*fixed_);
    return script_.at(motion_.frames().seconds() - startedAt_);
}

void GhostDemo::start()
{
    startedAt_ = motion_.frames().seconds();
    if (isVisible() && !motion_.reduceMotion() && !fixed_)
        driver_.run([this] { return isVisible(); });
    else
        driver_.stop();
    update();
}

void GhostDemo::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    start(); // a card that comes back starts its scene again
}

void GhostDemo::hideEvent(QHideEvent* event)
{
    driver_.stop();
    QWidget::hideEvent(event);
}

void GhostDemo::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeHint(state());
}

void GhostDemo::placeHint(const GhostDemoState& s)
{
    hint_->adjustSize();
    const QSize size = hint_->sizeHint();
    hint_->move(width() - size.width(), height() - size.height());
    hint_->setVisible(s.bloom > 0);
    // The pressed key sinks by a point.
    keycap_->setContentsMargins(0, s.pressed > 0.5 ? 1 : 0, 0, s.pressed > 0.5 ? 0 : 1);
}

void GhostDemo::paintEvent(QPaintEvent*)
{
    const GhostDemoState s = state();
    placeHint(s);

    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    paintCardBackground(p, QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12);
    if (s.textOpacity <= 0)
        return;
    p.setOpacity(s.textOpacity);

    const QString typed = script_.typedPrefix(s.typedCount);
    const QString ghost = script_.ghost();
    const QString all = typed + ghost;
    const QFont font = textFont();
    QTextLayout layout(all, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(option);
    const double width = std::max(1, this->width() - 2 * kPadding);
    layout.beginLayout();
    for (int i = 0; i < 2; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, i * QFontMetricsF(font).lineSpacing()));
    }
    layout.endLayout();
    const QPointF origin(kPadding, kPadding);
    const QFontMetricsF metrics(font);

    // Where a UTF-16 position of the whole text is drawn: its line's rectangle and x.
    const auto place = [&](qsizetype pos) -> std::optional<QRectF> {
        const QTextLine line = layout.lineForTextPosition(int(pos));
        if (!line.isValid())
            return std::nullopt;
        const double x = line.cursorToX(int(pos));
        return QRectF(origin.x() + x, origin.y() + line.y(), 0, line.height());
    };

    // The typed part, line by line, in paper.
    p.setFont(font);
    p.setPen(palette::paper());
    for (int i = 0; i < layout.lineCount(); ++i) {
        const QTextLine line = layout.lineAt(i);
        const int start = line.textStart();
        const int end = std::min<int>(start + line.textLength(), int(typed.size()));
        if (end <= start)
            continue;
        p.drawText(QPointF(origin.x() + line.cursorToX(start), origin.y() + line.y() + line.ascent()),
                   all.mid(start, end - start));
    }

    // The ghost, glyph by glyph: bloom in blurred and low, taken in paper with a gold lift.
    const int glyphs = script_.ghostLength();
    const double span = glyphs + kBloomSteps;
    QList<QRectF> ghostRects;
    for (int g = 0; g < glyphs; ++g) {
        const qsizetype from = typed.size() + script_.ghostOffset(g);
        const qsizetype to = typed.size() + script_.ghostOffset(g + 1);
        const auto at = place(from);
        const auto end = place(to);
        if (!at)
            break;
        const QString glyph = all.mid(from, to - from);
        double w = end && std::abs(end->y() - at->y()) < 1 ? end->x() - at->x() : metrics.horizontalAdvance(glyph);
        const QRectF r(at->x(), at->y(), std::max(0.0, w), at->height());
        ghostRects.append(r);
        const double baseline = r.y() + metrics.ascent();

        const double a = std::clamp(s.accepted - g, 0.0, 1.0);
        double b = (span * s.bloom - g) / kBloomSteps;
        if (b > 0 && a < 1) {
            b = std::min(b, 1.0);
            const double opacity = (1 - a) * b * 0.42;
            const double drop = (1 - b) * 4;
            const double blur = (1 - b) * 5;
            p.setPen(palette::paper());
            if (blur > 0.5) {
                // A soft copy: the glyph spread around its place at a fraction of the opacity.
                for (const QPointF d : {QPointF(-blur / 2, 0), QPointF(blur / 2, 0), QPointF(0, -blur / 2), QPointF(0, blur / 2)}) {
                    p.setOpacity(s.textOpacity * opacity * 0.35);
                    p.drawText(QPointF(r.x(), baseline + drop) + d, glyph);
                }
            }
            p.setOpacity(s.textOpacity * opacity);
            p.drawText(QPointF(r.x(), baseline + drop), glyph);
        }
        if (a > 0) {
            const double lift = s.chunkStart <= g ? a * s.glow : 0;
            p.setOpacity(s.textOpacity * a);
            p.setPen(palette::paper());
            p.drawText(QPointF(r.x(), baseline - 2 * lift), glyph);
            if (lift > 0) {
                p.setOpacity(s.textOpacity * a * lift);
                p.setPen(palette::gold());
                p.drawText(QPointF(r.x(), baseline - 2 * lift), glyph);
            }
        }
    }
    p.setOpacity(s.textOpacity);

    // The gold caret after the text, gliding along the ghost as it is taken.
    if (s.caretOn && !typed.isEmpty()) {
        const auto typedEnd = place(typed.size());
        QRectF prev = typedEnd ? QRectF(typedEnd->x() - 1, typedEnd->y(), 1, typedEnd->height()) : QRectF();
        const double pos = std::clamp(s.accepted, 0.0, double(ghostRects.size()));
        const int n = int(pos);
        const double f = pos - n;
        if (n > 0)
            prev = ghostRects[n - 1];
        QRectF r = prev;
        if (f > 0 && n < ghostRects.size()) {
            const QRectF next = ghostRects[n];
            if (std::abs(prev.top() - next.top()) >= 1)
                r = f > 0.5 ? next : prev;
            else
                r.moveRight(prev.right() + f * (next.right() - prev.right()));
        }
        p.fillRect(QRectF(r.right() + 1, r.top() + 1, 2, r.height() - 2), palette::gold());
    }
}

} // namespace tq
