#include "ui/design/Buttons.h"

#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "platform/Chars.h"
#include "ui/design/Shapes.h"
#include "ui/design/Text.h"

#include <QEnterEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tq {

Animation buttonHoverFade()
{
    return Animation::timing(motion::easeOut(120));
}

Animation choiceCardPress()
{
    return Animation::springy(0.18, 0.7);
}

namespace {
QColor brighter(const QColor& c, double by)
{
    return QColor::fromRgbF(std::min(1.0, c.redF() + by), std::min(1.0, c.greenF() + by),
                            std::min(1.0, c.blueF() + by), c.alphaF());
}
} // namespace

PaintedButton::PaintedButton(MotionContext& motion, QWidget* parent)
    : QAbstractButton(parent), motion_(motion), hover_(motion.frames(), 0), press_(motion.frames(), 0),
      driver_(motion.frames(), this)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::pressed, this, &PaintedButton::refreshPress);
    connect(this, &QAbstractButton::released, this, &PaintedButton::refreshPress);
}

void PaintedButton::enterEvent(QEnterEvent* event)
{
    hovering_ = true;
    hover_.animateTo(1, buttonHoverFade());
    animate();
    QAbstractButton::enterEvent(event);
}

void PaintedButton::leaveEvent(QEvent* event)
{
    hovering_ = false;
    hover_.animateTo(0, buttonHoverFade());
    animate();
    QAbstractButton::leaveEvent(event);
}

void PaintedButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        refreshPress();
    QAbstractButton::changeEvent(event);
}

void PaintedButton::refreshPress()
{
    const bool still = motion_.reduceMotion() && !pressAnimatesUnderReduceMotion();
    press_.animateTo(showsPress() ? 1 : 0, still ? Animation::none() : pressAnimation());
    animate();
}

void PaintedButton::animate()
{
    driver_.run([this] { return hover_.isMoving() || press_.isMoving(); });
}

PrimaryButton::PrimaryButton(const QString& text, MotionContext& motion, QWidget* parent)
    : PaintedButton(motion, parent)
{
    setText(text);
    setFont(fonts::font(fonts::Role::body, QFont::DemiBold));
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void PrimaryButton::setMaxLines(int maxLines)
{
    maxLines_ = std::max(1, maxLines);
    QSizePolicy policy = sizePolicy();
    policy.setHeightForWidth(maxLines_ > 1);
    // A fixed height would hold a wrapped title to one line's.
    policy.setVerticalPolicy(maxLines_ > 1 ? QSizePolicy::Preferred : QSizePolicy::Fixed);
    setSizePolicy(policy);
    updateGeometry();
}

void PrimaryButton::setShrinkablePart(const QString& part)
{
    part_ = part;
    cache_ = {};
    update();
}

QSize PrimaryButton::sizeHint() const
{
    const QFontMetricsF m(font());
    const double w = m.horizontalAdvance(text()) + 28;
    return QSize(int(std::ceil(w)) + 2 * kRingMargin, heightFor(1));
}

QSize PrimaryButton::minimumSizeHint() const
{
    if (maxLines_ <= 1)
        return sizeHint();
    // Room for a few characters and the ellipsis; the title wraps or elides below that.
    const QFontMetricsF m(font());
    const int least = int(std::ceil(m.horizontalAdvance(QStringLiteral("MMMMMM…")) + 28)) + 2 * kRingMargin;
    return QSize(std::min(sizeHint().width(), least), heightFor(1));
}

int PrimaryButton::heightFor(int lines) const
{
    const QFontMetricsF m(font());
    const double h = std::max(30.0, m.height() + (lines - 1) * m.lineSpacing() + 8) + 3;
    return int(std::ceil(h)) + 2 * kRingMargin;
}

QStringList PrimaryButton::linesFor(int width) const
{
    const double room = width - 2 * kRingMargin - 28;
    if (maxLines_ <= 1 || room <= 0)
        return {QFontMetricsF(font()).elidedText(text(), Qt::ElideRight, std::max(0.0, room))};
    const QString key = text() + QLatin1Char('\n') + part_ + QLatin1Char('\n') + font().key();
    if (width == cache_.width && key == cache_.key)
        return cache_.lines;
    // Only a title shown whole in its lines fits: an over-long word is never cut.
    const auto fit = [&](const QString& s) {
        bool cut = false;
        const QStringList lines = wrapLines(s, font(), room, maxLines_, &cut);
        return cut ? QStringList() : lines;
    };
    QStringList lines = fit(text());
    const QString t = text();
    // Too long even wrapped: whole words in the middle of the names give way first, then in the
    // middle of the whole title, so its start and its end (where many languages put the verb)
    // both stay; letters only for one long word.
    const qsizetype at = part_.isEmpty() ? -1 : t.indexOf(part_);
    const QStringList names = at < 0 ? QStringList() : part_.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype keep = names.size() - 1; lines.isEmpty() && keep >= 0; --keep) {
        for (qsizetype head : {keep / 2, (keep + 1) / 2}) {
            if (lines.isEmpty())
                lines = fit(t.left(at) + wordsAround(names, head, keep - head).trimmed() + t.mid(at + part_.size()));
        }
    }
    const QStringList words = t.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (qsizetype keep = words.size() - 1; lines.isEmpty() && keep > 0; --keep) {
        for (qsizetype head : {keep / 2, (keep + 1) / 2}) {
            if (lines.isEmpty())
                lines = fit(wordsAround(words, head, keep - head));
        }
    }
    // The last resort steps by whole characters as the reader sees them (graphemes), so no
    // accent, emoji or syllable is split.
    const QList<qsizetype> ends = chars::boundaries(t); // ends[n]: where the first n characters end
    const qsizetype count = ends.size() - 1;
    for (qsizetype keep = count - 1; lines.isEmpty() && keep > 0; --keep) {
        const qsizetype head = (keep + 1) / 2;
        lines = fit(t.left(ends[head]).trimmed() + QStringLiteral(" … ") + t.mid(ends[count - (keep - head)]).trimmed());
    }
    if (lines.isEmpty())
        lines = {QStringLiteral("…")};
    cache_ = {width, key, lines};
    return lines;
}

QStringList PrimaryButton::shownLines() const
{
    return linesFor(width());
}

int PrimaryButton::heightForWidth(int width) const
{
    return heightFor(int(std::max<qsizetype>(1, linesFor(width).size())));
}

bool PrimaryButton::hitButton(const QPoint& pos) const
{
    const QRectF frame = QRectF(rect()).adjusted(kRingMargin, kRingMargin, -kRingMargin, -kRingMargin);
    return continuousRect(frame, 9).contains(pos);
}

Animation PrimaryButton::pressAnimation() const
{
    return Animation::springy(0.18, 0.65);
}

void PrimaryButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const QRectF frame = QRectF(rect()).adjusted(kRingMargin, kRingMargin, -kRingMargin, -kRingMargin);
    const QRectF faceRect = frame.adjusted(0, 0, 0, -3);
    const double press = enabled ? pressAmount() : 0;
    const double hover = enabled ? hoverAmount() * (1 - press) : 0;

    // Ledge, not moved by the press.
    p.setPen(Qt::NoPen);
    p.setBrush(palette::withOpacity(palette::goldDeep(), enabled ? 1 : 0.4));
    p.drawPath(continuousRect(faceRect.translated(0, 3), 9));

    const QRectF face = faceRect.translated(0, 2.5 * press);
    const QPainterPath faceShape = continuousRect(face, 9);
    p.setBrush(palette::withOpacity(brighter(palette::gold(), 0.05 * hover), enabled ? 1 : 0.45));
    p.drawPath(faceShape);
    QLinearGradient gloss(face.topLeft(), QPointF(face.left(), face.center().y()));
    gloss.setColorAt(0, QColor::fromRgbF(1, 1, 1, 0.22));
    gloss.setColorAt(1, QColor::fromRgbF(1, 1, 1, 0));
    p.setBrush(gloss);
    p.drawPath(faceShape);

    p.setPen(palette::ink());
    p.setFont(font());
    // The whole title when it fits, else wrapped or elided at its end: never cut at both sides.
    p.drawText(face.adjusted(14, 0, -14, 0), Qt::AlignCenter, shownLines().join(QLatin1Char('\n')));

    if (hasFocus()) {
        QPen ring(palette::gold(), 2);
        p.setPen(ring);
        p.setBrush(Qt::NoBrush);
        // Stroked inside a shape grown by 3 points.
        p.drawPath(continuousRect(frame.adjusted(-2, -2, 2, 2), 11));
    }
}

ChoiceCard::ChoiceCard(MotionContext& motion, QWidget* parent) : PaintedButton(motion, parent)
{
    setCheckable(false);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(0, 0, 0, 3);
    layout_->setSpacing(0);
}

void ChoiceCard::setSelected(bool selected)
{
    if (selected_ == selected)
        return;
    selected_ = selected;
    update();
}

void ChoiceCard::addContent(QWidget* widget)
{
    widget->setAttribute(Qt::WA_TransparentForMouseEvents);
    layout_->addWidget(widget);
}

Animation ChoiceCard::pressAnimation() const
{
    return choiceCardPress();
}

bool ChoiceCard::event(QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        // The content follows the face down while pressed.
        const int shift = int(std::lround(2 * pressAmount()));
        if (shift != shift_) {
            shift_ = shift;
            layout_->setContentsMargins(0, shift, 0, 3 - shift);
        }
    }
    return PaintedButton::event(event);
}

void ChoiceCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintChoiceCard(p, QRectF(rect()), {selected_, hoverAmount(), pressAmount(), hasFocus()});
}

void paintChoiceCard(QPainter& p, const QRectF& rect, const ChoiceCardLook& look)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF frame = rect.adjusted(0, 0, 0, -2.5);
    const double press = look.press;
    const double hover = look.selected ? 0 : look.hover;

    p.setPen(Qt::NoPen);
    p.setBrush(look.selected ? palette::withOpacity(palette::goldDeep(), 0.55) : palette::withOpacity(palette::wash(), 0.625));
    p.drawPath(continuousRect(frame.translated(0, 2.5), 12));

    const QRectF face = frame.translated(0, 2 * press);
    const QPainterPath shape = continuousRect(face, 12);
    p.setBrush(palette::inkRaised());
    p.drawPath(shape);
    p.setBrush(look.selected ? palette::withOpacity(palette::gold(), 0.14) : palette::withOpacity(palette::washFaint(), hover));
    p.drawPath(shape);

    const double width = look.selected ? 1.5 : 1;
    const QColor border = look.selected ? palette::withOpacity(palette::gold(), 0.75)
                                        : palette::withOpacity(palette::wash(), 1 + hover);
    p.setPen(QPen(border, width));
    p.setBrush(Qt::NoBrush);
    p.drawPath(continuousRect(face.adjusted(width / 2, width / 2, -width / 2, -width / 2), 12 - width / 2));

    if (look.focused) {
        p.setPen(QPen(palette::withOpacity(palette::gold(), 0.9), 1.5));
        p.drawPath(continuousRect(face.adjusted(2.5, 2.5, -2.5, -2.5), 10));
    }
    p.restore();
}

MarkButton::MarkButton(MotionContext& motion, Painter paintLabel, QSize size, QWidget* parent)
    : PaintedButton(motion, parent), paint_(std::move(paintLabel)), size_(size)
{
}

Animation MarkButton::pressAnimation() const
{
    return Animation::timing(motion::easeOut(120));
}

void MarkButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = 1 - 0.06 * pressAmount();
    const QPointF c = QRectF(rect()).center();
    p.translate(c);
    p.scale(s, s);
    p.translate(-c);
    if (paint_)
        paint_(p, QRectF(rect()));
    if (hasFocus()) {
        p.resetTransform();
        p.setPen(QPen(palette::gold(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(continuousRect(QRectF(rect()).adjusted(1, 1, -1, -1), 8));
    }
}

namespace {
// Paper text, dimmed when disabled: the desktop's palette may have dark button text.
void usePaperText(QWidget* button, const QColor& colour)
{
    QPalette pal = button->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, QPalette::ButtonText, colour);
    pal.setColor(QPalette::Disabled, QPalette::ButtonText, palette::withOpacity(colour, 0.45));
    button->setPalette(pal);
}

void paintFocusRing(QPainter& p, const QRectF& frame, double radius)
{
    p.setPen(QPen(palette::gold(), 2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(continuousRect(frame.adjusted(-2, -2, 2, 2), radius + 2));
}
} // namespace

HandButton::HandButton(const QString& text, QWidget* parent, ButtonTone tone) : QPushButton(text, parent), tone_(tone)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFont(fonts::font(fonts::Role::body));
    setTone(tone);
}

void HandButton::setSecondaryText(bool secondary)
{
    if (secondary == secondary_)
        return;
    secondary_ = secondary;
    update();
}

void HandButton::setTone(ButtonTone tone)
{
    tone_ = tone;
    usePaperText(this, tone == ButtonTone::destructive ? palette::destructive() : palette::paper());
    update();
}

QSize HandButton::sizeHint() const
{
    const QFontMetricsF m(font());
    const double w = std::max(m.horizontalAdvance(text()) + 28, 56.0);
    const double h = std::max(26.0, m.height() + 8);
    return QSize(int(std::ceil(w)) + 2 * kRingMargin, int(std::ceil(h)) + 2 * kRingMargin);
}

QSize HandButton::minimumSizeHint() const { return sizeHint(); }

QRectF HandButton::faceRect() const
{
    return QRectF(rect()).adjusted(kRingMargin, kRingMargin, -kRingMargin, -kRingMargin);
}

bool HandButton::hitButton(const QPoint& pos) const { return faceRect().contains(pos); }

void HandButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool enabled = isEnabled();
    const QRectF face = faceRect();
    const double lift = !enabled ? 0 : isDown() || isChecked() ? 0.08 : underMouse() ? 0.04 : 0;
    const double radius = tone_ == ButtonTone::quiet ? face.height() / 2 : 7;

    p.setPen(Qt::NoPen);
    if (tone_ == ButtonTone::quiet) {
        p.setBrush(palette::withOpacity(palette::washSoft(), 1 + lift * 12));
        p.drawPath(continuousRect(face, radius));
    } else {
        p.setBrush(palette::withOpacity(brighter(palette::inkHighlight(), lift), enabled ? 1 : 0.5));
        p.drawPath(continuousRect(face, radius));
        // A lit top edge over a hairline all round.
        QLinearGradient edge(face.topLeft(), face.bottomLeft());
        edge.setColorAt(0, palette::withOpacity(palette::washBright(), 1.25));
        edge.setColorAt(0.3, palette::withOpacity(palette::wash(), 1.25));
        edge.setColorAt(1, palette::wash());
        p.setPen(QPen(QBrush(edge), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(continuousRect(face.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
    }

    const QColor ink = palette().color(enabled ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    p.setPen(secondary_ ? palette::withOpacity(ink, 0.62) : ink);
    p.setFont(font());
    p.drawText(face, Qt::AlignCenter | Qt::TextShowMnemonic, text());

    if (hasFocus())
        paintFocusRing(p, face, radius);
}

PlainButton::PlainButton(const QString& text, QWidget* parent) : QPushButton(text, parent)
{
    setCursor(Qt::PointingHandCursor);
    setFlat(true);
    usePaperText(this, palette::paper());
}

void PlainButton::showAsLink()
{
    usePaperText(this, palette::gold());
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
}

QSize PlainButton::sizeHint() const
{
    const QFontMetricsF m(font());
    return QSize(int(std::ceil(m.horizontalAdvance(text()))) + 16, int(std::ceil(m.height())) + 10);
}

void PlainButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QColor colour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    if (isDown())
        colour = palette::withOpacity(colour, 0.6);
    p.setPen(colour);
    p.setFont(font());
    p.drawText(QRectF(rect()), Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus())
        paintFocusRing(p, QRectF(rect()).adjusted(3, 3, -3, -3), 4);
}

void paintCardBackground(QPainter& painter, const QRectF& rect, double radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette::inkRaised());
    painter.drawPath(continuousRect(rect, radius));
    painter.setPen(QPen(palette::hairline(), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(continuousRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), std::max(0.0, radius - 0.5)));
    painter.restore();
}

Card::Card(double radius, QWidget* parent) : QWidget(parent), radius_(radius)
{
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(18, 18, 18, 18);
    layout_->setSpacing(14);
}

void Card::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintCardBackground(p, QRectF(rect()), radius_);
}

} // namespace tq
