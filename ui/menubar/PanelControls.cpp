#include "ui/menubar/PanelControls.h"

#include "ui/design/Buttons.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"
#include "ui/design/Theme.h"
#include "ui/menubar/MenuState.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QEvent>
#include <QFontMetricsF>
#include <QPainter>
#include <QTextOption>
#include <QPainterPath>
#include <QStyle>
#include <QVBoxLayout>

namespace tq::menu {

namespace {
QPainterPath rounded(const QRectF& r, double radius) { return continuousRect(r, radius); }
} // namespace

PressButton::PressButton(MotionContext& motion, QWidget* parent) : PaintedButton(motion, parent) {}

Animation PressButton::pressAnimation() const { return Animation::timing(motion::easeOut(120)); }

void PressButton::applyPress(QPainter& p) const
{
    const double scale = 1 - 0.03 * pressAmount();
    const QPointF c = QRectF(rect()).center();
    p.translate(c);
    p.scale(scale, scale);
    p.translate(-c);
}

PanelRow::PanelRow(const QString& symbol, const QString& title, const QString& shortcut, MotionContext& motion,
                   QWidget* parent)
    : PressButton(motion, parent), symbol_(symbol), shortcut_(shortcut)
{
    setText(title);
    setFont(fonts::font(fonts::Role::body));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (!shortcut.isEmpty())
        setAccessibleDescription(shortcut);
}

QSize PanelRow::sizeHint() const { return {200, 28}; }

void PanelRow::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyPress(p);
    const double h = hot();
    if (h > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette::withOpacity(palette::washSoft(), h));
        p.drawPath(rounded(rect(), 7));
    }
    // Laid out left to right, then mirrored right to left.
    const auto visual = [&](const QRectF& box) { return visualRect(layoutDirection(), width(), box); };
    const QRectF symbolBox = visual(QRectF(8, 0, 18, height()));
    const QColor dim = palette::paperDim();
    const QColor gold = palette::gold();
    const QColor tint = QColor::fromRgbF(dim.redF() + (gold.redF() - dim.redF()) * h, dim.greenF() + (gold.greenF() - dim.greenF()) * h,
                                         dim.blueF() + (gold.blueF() - dim.blueF()) * h, dim.alphaF() + (gold.alphaF() - dim.alphaF()) * h);
    symbols::paint(p, symbol_, symbolBox.adjusted(2, 7, -2, -7), tint);
    int right = width() - 8;
    if (!shortcut_.isEmpty()) {
        const QFont small = fonts::font(fonts::Role::caption);
        p.setFont(small);
        p.setPen(palette::withOpacity(palette::paperDim(), 0.8));
        const int w = QFontMetrics(small).horizontalAdvance(shortcut_);
        // A key combination reads left to right in every language ("Ctrl+,", not ",+Ctrl").
        QTextOption keys(Qt::AlignVCenter | Qt::AlignHCenter);
        keys.setTextDirection(Qt::LeftToRight);
        p.drawText(visual(QRectF(right - w, 0, w, height())), shortcut_, keys);
        right -= w + 10;
        p.setFont(font());
    }
    p.setPen(palette::paper());
    const QRectF titleBox = visual(QRectF(8 + 18 + 10, 0, right - 36, height()));
    p.drawText(titleBox, QStyle::visualAlignment(layoutDirection(), Qt::AlignVCenter | Qt::AlignLeft),
               fontMetrics().elidedText(text(), Qt::ElideRight, int(titleBox.width())));
}

PillButton::PillButton(const QString& symbol, const QString& title, bool lit, MotionContext& motion, QWidget* parent)
    : PressButton(motion, parent), symbol_(symbol), lit_(lit)
{
    setText(title);
    setFont(fonts::font(fonts::Role::callout, QFont::Medium));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    if (!lit_)
        connect(this, &QAbstractButton::clicked, this, &PillButton::openMenu);
}

int PillButton::fullWidth() const { return 10 + 14 + 6 + fontMetrics().horizontalAdvance(text()) + 10 + 2; }

QSize PillButton::sizeHint() const { return {fullWidth(), std::max(30, fontMetrics().height() + 12)}; }

// Room for the symbol and a few characters of the title elided in the middle.
QSize PillButton::minimumSizeHint() const { return {std::min(fullWidth(), 10 + 14 + 6 + fontMetrics().horizontalAdvance(QStringLiteral("Pause…")) + 10), sizeHint().height()}; }

void PillButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    applyPress(p);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double h = hot();
    if (lit_) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette::gold());
    } else {
        p.setPen(QPen(palette::withOpacity(palette::gold(), 0.25 + 0.35 * h), 1));
        p.setBrush(palette::withOpacity(palette::wash(), 0.75 + 0.5 * h));
    }
    p.drawPath(continuousCapsule(r));
    const QColor fg = lit_ ? palette::ink() : palette::paper();
    const QFontMetrics fm = fontMetrics();
    const int textRoom = width() - 10 - 14 - 6 - 10;
    const QString shown = fm.elidedText(text(), Qt::ElideMiddle, textRoom);
    const int contentWidth = 14 + 6 + fm.horizontalAdvance(shown);
    const double x0 = (width() - contentWidth) / 2.0;
    // The symbol leads the title: on its right, right to left.
    symbols::paint(p, symbol_, visualRect(layoutDirection(), width(), QRectF(x0, (height() - 12) / 2.0, 12, 12)), fg);
    p.setPen(fg);
    p.drawText(QRectF(x0 + (layoutDirection() == Qt::RightToLeft ? 0 : 20), 0, contentWidth - 20 + 1, height()), Qt::AlignVCenter | Qt::AlignHCenter, shown);
}

void PillButton::openMenu()
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(text());
    applyInkTheme(menu);
    for (const PauseDuration& d : pauseDurations()) {
        if (d.dividerBefore)
            menu->addSeparator();
        const std::optional<double> seconds = d.seconds;
        menu->addAction(d.title, this, [this, seconds] { emit durationChosen(seconds); });
    }
    menu->popup(mapToGlobal(QPoint(0, height())));
}

AttentionCard::AttentionCard(MotionContext& motion, QWidget* parent)
    : QWidget(parent), label_(new QLabel(this)), button_(new PrimaryButton(QString(), motion, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12 + 20, 12, 12, 12);
    layout->setSpacing(8);
    label_->setWordWrap(true);
    label_->setFont(fonts::font(fonts::Role::callout, QFont::Medium));
    setLabelColour(label_, palette::paper());
    layout->addWidget(label_);
    // Three lines keep every word of the longest titles (Russian, German) in the 240-wide card.
    button_->setMaxLines(3);
    layout->addWidget(button_, 0, Qt::AlignLeading);
    connect(button_, &QAbstractButton::clicked, this, &AttentionCard::triggered);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    followDirection();
}

void AttentionCard::set(const QString& text, const QString& button, const QString& names)
{
    label_->setText(text);
    button_->setText(button);
    button_->setShrinkablePart(names);
    button_->setVisible(!button.isEmpty());
    button_->updateGeometry();
}

void AttentionCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(palette::withOpacity(palette::orange(), 0.35), 1));
    p.setBrush(palette::withOpacity(palette::orange(), 0.08));
    p.drawPath(rounded(r, 12));
    // The symbol stands at the leading edge: on the right in a right-to-left layout.
    symbols::paint(p, QStringLiteral("exclamationmark.circle.fill"), visualRect(layoutDirection(), width(), QRectF(12, 13, 14, 14)),
                   palette::orange());
}

void AttentionCard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::LayoutDirectionChange)
        followDirection();
}

void AttentionCard::followDirection()
{
    // Room for the symbol on the leading side.
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    layout()->setContentsMargins(rtl ? 12 : 12 + 20, 12, rtl ? 12 + 20 : 12, 12);
}

StatusDot::StatusDot(QWidget* parent) : QWidget(parent) { setFixedSize(7, 7); }

void StatusDot::setColour(const QColor& colour)
{
    colour_ = colour;
    update();
}

void StatusDot::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour_);
    p.drawEllipse(rect());
}

CountLabel::CountLabel(MotionContext& motion, QWidget* parent)
    : QLabel(parent), motion_(motion), roll_(motion.frames(), 1), driver_(motion.frames(), this)
{
}

void CountLabel::setCount(qint64 value, const QString& text)
{
    if (text == this->text())
        return;
    if (value_ >= 0 && isVisible()) {
        old_ = this->text();
        up_ = value > value_;
        roll_.setTo(0);
        roll_.animateTo(1, Animation::springy(motion::spring()));
        driver_.run([this] { return roll_.isMoving(); });
    }
    value_ = value;
    setText(text);
}

bool CountLabel::isRolling() const
{
    return driver_.isRunning();
}

void CountLabel::paintEvent(QPaintEvent* event)
{
    if (!driver_.isRunning() || old_.isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(font());
    p.setClipRect(rect());
    const QFontMetricsF fm(font());
    const QColor ink = palette().color(QPalette::WindowText);
    const double k = roll_.value();
    const double h = fm.height();
    const double baseline = (height() - h) / 2 + fm.ascent();
    // Digits are aligned at their trailing end, as numbers are; those that did not change stay.
    const QString& now = text();
    const int n = int(std::max(now.size(), old_.size()));
    const double nowWidth = fm.horizontalAdvance(now), oldWidth = fm.horizontalAdvance(old_);
    const double lead = contentsRect().left();
    const auto draw = [&](const QString& s, double width, int i, double dy, double opacity) {
        const int at = int(s.size()) - n + i;
        if (at < 0 || opacity <= 0)
            return;
        p.setOpacity(std::clamp(opacity, 0.0, 1.0));
        p.setPen(ink);
        const double x = lead + fm.horizontalAdvance(s.left(at)) + (std::max(nowWidth, oldWidth) - width) * 0;
        p.drawText(QPointF(x, baseline + dy), s.mid(at, 1));
    };
    const double dir = up_ ? 1 : -1;
    for (int i = 0; i < n; ++i) {
        const int a = int(old_.size()) - n + i, b = int(now.size()) - n + i;
        const QChar oc = a >= 0 ? old_.at(a) : QChar(), nc = b >= 0 ? now.at(b) : QChar();
        if (oc == nc && old_.size() == now.size()) {
            draw(now, nowWidth, i, 0, 1);
            continue;
        }
        draw(old_, oldWidth, i, -dir * 0.6 * h * k, 1 - k);
        draw(now, nowWidth, i, dir * 0.6 * h * (1 - k), k);
    }
}

} // namespace tq::menu
