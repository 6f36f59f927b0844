#include "ui/menubar/PanelControls.h"

#include "ui/design/Palette.h"
#include "ui/menubar/MenuState.h"

#include <QAccessible>
#include <QEnterEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq::menu {

namespace {
QColor systemOrange() { return QColor(255, 159, 10); }

QPainterPath rounded(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}
} // namespace

void paintSymbol(QPainter& p, const QString& name, const QRectF& box, const QColor& colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(box.width(), box.height());
    const QPointF c = box.center();
    const QRectF sq(c.x() - s / 2, c.y() - s / 2, s, s);
    QPen pen(colour, std::max(1.2, s * 0.11), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    if (name == QLatin1String("pause.fill")) {
        p.drawRoundedRect(QRectF(sq.left() + s * 0.22, sq.top() + s * 0.15, s * 0.2, s * 0.7), s * 0.05, s * 0.05);
        p.drawRoundedRect(QRectF(sq.left() + s * 0.58, sq.top() + s * 0.15, s * 0.2, s * 0.7), s * 0.05, s * 0.05);
    } else if (name == QLatin1String("pause.circle")) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(sq.adjusted(s * 0.08, s * 0.08, -s * 0.08, -s * 0.08));
        p.drawLine(QPointF(c.x() - s * 0.12, c.y() - s * 0.17), QPointF(c.x() - s * 0.12, c.y() + s * 0.17));
        p.drawLine(QPointF(c.x() + s * 0.12, c.y() - s * 0.17), QPointF(c.x() + s * 0.12, c.y() + s * 0.17));
    } else if (name == QLatin1String("play.fill")) {
        QPainterPath tri;
        tri.moveTo(sq.left() + s * 0.25, sq.top() + s * 0.14);
        tri.lineTo(sq.left() + s * 0.85, c.y());
        tri.lineTo(sq.left() + s * 0.25, sq.bottom() - s * 0.14);
        tri.closeSubpath();
        p.drawPath(tri);
    } else if (name == QLatin1String("gearshape")) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, s * 0.2, s * 0.2);
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(c);
            p.rotate(i * 45);
            p.drawLine(QPointF(0, -s * 0.3), QPointF(0, -s * 0.43));
            p.restore();
        }
        p.drawEllipse(c, s * 0.32, s * 0.32);
    } else if (name == QLatin1String("power")) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawArc(sq.adjusted(s * 0.12, s * 0.14, -s * 0.12, -s * 0.1), 120 * 16, 300 * 16);
        p.drawLine(QPointF(c.x(), sq.top() + s * 0.06), QPointF(c.x(), c.y()));
    } else if (name == QLatin1String("pencil.and.scribble")) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(sq.left() + s * 0.3, sq.top() + s * 0.62), QPointF(sq.left() + s * 0.78, sq.top() + s * 0.14));
        QPainterPath wave;
        wave.moveTo(sq.left() + s * 0.08, sq.bottom() - s * 0.12);
        wave.cubicTo(sq.left() + s * 0.3, sq.bottom() - s * 0.3, sq.left() + s * 0.45, sq.bottom(), sq.right() - s * 0.08,
                     sq.bottom() - s * 0.14);
        p.drawPath(wave);
    } else if (name == QLatin1String("exclamationmark.circle.fill")) {
        p.drawEllipse(sq.adjusted(s * 0.05, s * 0.05, -s * 0.05, -s * 0.05));
        p.setBrush(palette::ink());
        p.drawRoundedRect(QRectF(c.x() - s * 0.06, sq.top() + s * 0.22, s * 0.12, s * 0.36), s * 0.06, s * 0.06);
        p.drawEllipse(QPointF(c.x(), sq.top() + s * 0.72), s * 0.07, s * 0.07);
    }
    p.restore();
}

PressButton::PressButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::StrongFocus);
}

void PressButton::applyPress(QPainter& p) const
{
    if (!isDown())
        return;
    const QPointF c = QRectF(rect()).center();
    p.translate(c);
    p.scale(0.97, 0.97);
    p.translate(-c);
}

void PressButton::enterEvent(QEnterEvent* e)
{
    QAbstractButton::enterEvent(e);
    update();
}

void PressButton::leaveEvent(QEvent* e)
{
    QAbstractButton::leaveEvent(e);
    update();
}

PanelRow::PanelRow(const QString& symbol, const QString& title, const QString& shortcut, QWidget* parent)
    : PressButton(parent), symbol_(symbol), shortcut_(shortcut)
{
    setText(title);
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
    const bool hot = hovering() || hasFocus();
    if (hot) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, qRound(255 * 0.07)));
        p.drawPath(rounded(rect(), 7));
    }
    const QRectF symbolBox(8, 0, 18, height());
    paintSymbol(p, symbol_, symbolBox.adjusted(2, 7, -2, -7), hot ? palette::gold() : palette::paperDim());
    int right = width() - 8;
    if (!shortcut_.isEmpty()) {
        QFont small = font();
        small.setPointSizeF(font().pointSizeF() * 0.85);
        p.setFont(small);
        p.setPen(palette::withOpacity(palette::paperDim(), 0.8));
        const int w = QFontMetrics(small).horizontalAdvance(shortcut_);
        p.drawText(QRect(right - w, 0, w, height()), Qt::AlignVCenter | Qt::AlignRight, shortcut_);
        right -= w + 10;
        p.setFont(font());
    }
    p.setPen(palette::paper());
    const QRect titleBox(8 + 18 + 10, 0, right - 36, height());
    p.drawText(titleBox, Qt::AlignVCenter | Qt::AlignLeft, fontMetrics().elidedText(text(), Qt::ElideRight, titleBox.width()));
}

PillButton::PillButton(const QString& symbol, const QString& title, bool lit, QWidget* parent)
    : PressButton(parent), symbol_(symbol), lit_(lit)
{
    setText(title);
    QFont f = font();
    f.setWeight(QFont::Medium);
    setFont(f);
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
    const double radius = r.height() / 2;
    const bool hot = hovering() || hasFocus();
    if (lit_) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette::gold());
    } else {
        p.setPen(QPen(palette::withOpacity(palette::gold(), hot ? 0.6 : 0.25), 1));
        p.setBrush(QColor(255, 255, 255, qRound(255 * (hot ? 0.1 : 0.06))));
    }
    p.drawPath(rounded(r, radius));
    const QColor fg = lit_ ? palette::ink() : palette::paper();
    const QFontMetrics fm = fontMetrics();
    const int textRoom = width() - 10 - 14 - 6 - 10;
    const QString shown = fm.elidedText(text(), Qt::ElideMiddle, textRoom);
    const int contentWidth = 14 + 6 + fm.horizontalAdvance(shown);
    const double x0 = (width() - contentWidth) / 2.0;
    paintSymbol(p, symbol_, QRectF(x0, (height() - 12) / 2.0, 12, 12), fg);
    p.setPen(fg);
    p.drawText(QRectF(x0 + 20, 0, width() - x0 - 20, height()), Qt::AlignVCenter | Qt::AlignLeft, shown);
}

void PillButton::openMenu()
{
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setAccessibleName(text());
    QPalette pal = menu->palette();
    pal.setColor(QPalette::Window, palette::inkRaised());
    pal.setColor(QPalette::Base, palette::inkRaised());
    pal.setColor(QPalette::WindowText, palette::paper());
    pal.setColor(QPalette::Text, palette::paper());
    pal.setColor(QPalette::ButtonText, palette::paper());
    pal.setColor(QPalette::Highlight, palette::gold());
    pal.setColor(QPalette::HighlightedText, palette::ink());
    menu->setPalette(pal);
    for (const PauseDuration& d : pauseDurations()) {
        if (d.dividerBefore)
            menu->addSeparator();
        const std::optional<double> seconds = d.seconds;
        menu->addAction(d.title, this, [this, seconds] { emit durationChosen(seconds); });
    }
    menu->popup(mapToGlobal(QPoint(0, height())));
}

AttentionCard::AttentionCard(QWidget* parent) : QFrame(parent), label_(new QLabel(this)), button_(new QPushButton(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12 + 20, 12, 12, 12);
    layout->setSpacing(8);
    label_->setWordWrap(true);
    QFont f = label_->font();
    f.setWeight(QFont::Medium);
    label_->setFont(f);
    QPalette pal = label_->palette();
    pal.setColor(QPalette::WindowText, palette::paper());
    label_->setPalette(pal);
    layout->addWidget(label_);
    button_->setCursor(Qt::PointingHandCursor);
    button_->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 11px;"
                                          " padding: 4px 12px; font-weight: 600; }"
                                          "QPushButton:focus { border: 1px solid %3; }")
                               .arg(palette::gold().name(), palette::ink().name(), palette::paper().name()));
    layout->addWidget(button_, 0, Qt::AlignLeft);
    connect(button_, &QPushButton::clicked, this, &AttentionCard::triggered);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void AttentionCard::set(const QString& text, const QString& button)
{
    label_->setText(text);
    button_->setText(button);
    setAccessibleName(text);
}

void AttentionCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QColor fill = systemOrange();
    fill.setAlphaF(0.08);
    QColor border = systemOrange();
    border.setAlphaF(0.35);
    p.setPen(QPen(border, 1));
    p.setBrush(fill);
    p.drawPath(rounded(r, 12));
    paintSymbol(p, QStringLiteral("exclamationmark.circle.fill"), QRectF(12, 13, 14, 14), systemOrange());
}

Card::Card(double radius, QWidget* parent) : QFrame(parent), radius_(radius) {}

void Card::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::inkRaised());
    p.drawPath(rounded(rect(), radius_));
    p.setPen(QPen(palette::hairline(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(rounded(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), radius_ - 0.5));
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

MiniSwitch::MiniSwitch(const QString& accessibleName, QWidget* parent) : PressButton(parent)
{
    setCheckable(true);
    setText(accessibleName);
    setAccessibleName(accessibleName);
    setFixedSize(sizeHint());
}

void MiniSwitch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(hasFocus() ? QPen(palette::paper(), 1) : Qt::NoPen);
    p.setBrush(isChecked() ? palette::gold() : QColor(255, 255, 255, 40));
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    const double d = track.height() - 4;
    const double x = isChecked() ? track.right() - 2 - d : track.left() + 2;
    p.setPen(Qt::NoPen);
    p.setBrush(palette::paper());
    p.drawEllipse(QRectF(x, track.top() + 2, d, d));
}

} // namespace tq::menu
