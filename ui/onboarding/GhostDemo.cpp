#include "ui/onboarding/GhostDemo.h"

#include "platform/Text.h"
#include "ui/design/Animation.h"
#include "ui/design/Blur.h"
#include "ui/design/Buttons.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "ui/design/Keycap.h"
#include "look/Palette.h"
#include "ui/design/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
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
    groupForAccessibility(this, tq::text("Example: after typing %1, %2 suggests %3").arg(typed, appName(), ghost));

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
    // At the bottom trailing corner: left of the card in a right-to-left layout.
    const int x = layoutDirection() == Qt::RightToLeft ? 0 : width() - size.width();
    hint_->move(x, height() - size.height());
    hint_->setVisible(s.bloom > 0);
    keycap_->setPressed(s.pressed);
}

namespace {

// One glyph of a shaped run, alone, so that it can be drawn with its own effects.
QGlyphRun single(const QGlyphRun& run, int index)
{
    QGlyphRun one;
    one.setRawFont(run.rawFont());
    one.setGlyphIndexes({run.glyphIndexes().at(index)});
    one.setPositions({run.positions().at(index)});
    return one;
}

QRectF glyphBox(const QGlyphRun& run)
{
    const QRawFont font = run.rawFont();
    QRectF box;
    const auto glyphs = run.glyphIndexes();
    const auto positions = run.positions();
    const auto advances = font.advancesForGlyphIndexes(glyphs);
    for (int i = 0; i < glyphs.size(); ++i)
        box |= QRectF(positions[i].x(), positions[i].y() - font.ascent(), std::max(advances[i].x(), 1.0),
                      font.ascent() + font.descent());
    return box;
}

QColor multiplied(const QColor& a, const QColor& b)
{
    return QColor::fromRgbF(a.redF() * b.redF(), a.greenF() * b.greenF(), a.blueF() * b.blueF(), a.alphaF() * b.alphaF());
}

} // namespace

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

    // The text is shaped as a whole, so joined scripts keep their forms and right-to-left text
    // runs from the right edge; effects take their places from the shaped glyphs.
    const QString typed = script_.typedPrefix(s.typedCount);
    const QString ghost = script_.ghost();
    const QString all = typed + ghost;
    const QFont font = textFont();
    const bool rtl = (script_.typed() + ghost).isRightToLeft();
    QTextLayout layout(all, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(rtl ? Qt::RightToLeft : Qt::LeftToRight);
    option.setAlignment(rtl ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft | Qt::AlignAbsolute);
    layout.setTextOption(option);
    const double width = std::max(1, this->width() - 2 * kPadding);
    const double lineSpacing = QFontMetricsF(font).lineSpacing();
    layout.beginLayout();
    for (int i = 0; i < 2; ++i) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        line.setPosition(QPointF(0, i * lineSpacing));
    }
    layout.endLayout();
    const QPointF origin(kPadding, kPadding);
    const int typedLen = int(typed.size());

    // The typed part in paper.
    p.setPen(palette::paper());
    if (typedLen > 0)
        for (const QGlyphRun& run : layout.glyphRuns(0, typedLen))
            p.drawGlyphRun(origin, run);

    // The ghost, glyph by glyph: bloom in blurred and low, taken in paper with a gold lift.
    const int glyphs = script_.ghostLength();
    const double span = glyphs + kBloomSteps;
    const QColor goldInk = multiplied(palette::paper(), palette::gold());
    for (int g = 0; g < glyphs; ++g) {
        const int from = typedLen + int(script_.ghostOffset(g));
        const int length = int(script_.ghostOffset(g + 1) - script_.ghostOffset(g));
        const double a = std::clamp(s.accepted - g, 0.0, 1.0);
        double b = (span * s.bloom - g) / kBloomSteps;
        const bool blooming = b > 0 && a < 1;
        if (!blooming && a <= 0)
            continue;
        for (const QGlyphRun& run : layout.glyphRuns(from, length)) {
            for (int k = 0; k < run.glyphIndexes().size(); ++k) {
                const QGlyphRun one = single(run, k);
                if (blooming) {
                    b = std::min(b, 1.0);
                    const double radius = (1 - b) * 5;
                    const QPointF at = origin + QPointF(0, (1 - b) * 4);
                    p.save();
                    p.setOpacity(s.textOpacity * (1 - a) * b * 0.42);
                    p.setPen(palette::paper());
                    if (radius > 0.05) {
                        const QRectF box = glyphBox(one).translated(at);
                        blur::drawBlurred(p, box, radius, [&](QPainter& ip) {
                            ip.setPen(palette::paper());
                            ip.drawGlyphRun(at, one);
                        });
                    } else {
                        p.drawGlyphRun(at, one);
                    }
                    p.restore();
                }
                if (a > 0) {
                    const double lift = s.chunkStart <= g ? a * s.glow : 0;
                    const QPointF at = origin - QPointF(0, 2 * lift);
                    p.setOpacity(s.textOpacity * a);
                    p.setPen(palette::paper());
                    p.drawGlyphRun(at, one);
                    if (lift > 0) {
                        // The same glyph again through a gold multiply, as strong as the lift.
                        p.setOpacity(s.textOpacity * a * lift);
                        p.setPen(goldInk);
                        p.drawGlyphRun(at, one);
                    }
                }
            }
        }
    }
    p.setOpacity(s.textOpacity);

    // The gold caret after the text (at its logical end, on whichever side the text runs to),
    // gliding along the ghost as it is taken.
    if (s.caretOn && typedLen > 0) {
        const auto caretAt = [&](int pos) {
            const QTextLine line = layout.lineForTextPosition(pos);
            return std::make_pair(line, line.isValid() ? line.cursorToX(pos) : 0.0);
        };
        const double taken = std::clamp(s.accepted, 0.0, double(glyphs));
        const int n = int(taken);
        const double f = taken - n;
        auto [line, x] = caretAt(typedLen + int(script_.ghostOffset(n)));
        if (f > 0 && n < glyphs) {
            const auto [nextLine, nextX] = caretAt(typedLen + int(script_.ghostOffset(n + 1)));
            if (nextLine.lineNumber() != line.lineNumber()) {
                if (f > 0.5) {
                    line = nextLine;
                    x = nextX;
                }
            } else {
                x += f * (nextX - x);
            }
        }
        if (line.isValid()) {
            const double left = rtl ? x - 3 : x + 1;
            p.fillRect(QRectF(origin.x() + left, origin.y() + line.y() + 1, 2, line.height() - 2), palette::gold());
        }
    }
}

} // namespace tq
