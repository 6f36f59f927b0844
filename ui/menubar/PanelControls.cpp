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
#include <QPainter>
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
        p.drawText(visual(QRectF(right - w, 0, w, height())), Qt::AlignVCenter | Qt::AlignHCenter, shortcut_);
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
    : QFrame(parent), label_(new QLabel(this)), button_(new PrimaryButton(QString(), motion, this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12 + 20, 12, 12, 12);
    layout->setSpacing(8);
    label_->setWordWrap(true);
    label_->setFont(fonts::font(fonts::Role::callout, QFont::Medium));
    setLabelColour(label_, palette::paper());
    layout->addWidget(label_);
    layout->addWidget(button_, 0, Qt::AlignLeft);
    connect(button_, &QAbstractButton::clicked, this, &AttentionCard::triggered);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void AttentionCard::set(const QString& text, const QString& button)
{
    label_->setText(text);
    button_->setText(button);
    button_->setVisible(!button.isEmpty());
    button_->updateGeometry();
    setAccessibleName(text);
}

void AttentionCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(palette::withOpacity(palette::orange(), 0.35), 1));
    p.setBrush(palette::withOpacity(palette::orange(), 0.08));
    p.drawPath(rounded(r, 12));
    symbols::paint(p, QStringLiteral("exclamationmark.circle.fill"), QRectF(12, 13, 14, 14), palette::orange());
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

} // namespace tq::menu
