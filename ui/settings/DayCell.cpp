#include "ui/settings/DayCell.h"

#include "platform/Text.h"
#include "look/Palette.h"
#include "ui/design/Fonts.h"
#include "ui/design/Formatters.h"
#include "ui/settings/SettingsStyle.h"

#include <QLocale>
#include <QPainter>

namespace tq {

DayCell::DayCell(MotionContext& motion, QWidget* parent)
    : QWidget(parent), motion_(motion), scale_(motion.frames(), 1), driver_(motion.frames(), this)
{
    setFixedSize(26, 40);
    setAttribute(Qt::WA_Hover);
}

void DayCell::set(const QString& letter, qint64 words, bool today)
{
    letter_ = letter;
    words_ = words;
    today_ = today;
    setToolTip(formatWordCount(words));
    update();
}

void DayCell::enterEvent(QEnterEvent*)
{
    hover(true);
}

void DayCell::leaveEvent(QEvent*)
{
    hover(false);
}

void DayCell::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(fonts::font(fonts::Role::footnote, QFont::DemiBold));
    p.setPen(today_ ? palette::gold() : palette::paperDim());
    p.drawText(QRectF(0, 0, width(), 12), Qt::AlignCenter, letter_);
    const QRectF dot(2, 16, 22, 22);
    const double s = scale_.value();
    p.translate(dot.center());
    p.scale(s, s);
    p.translate(-dot.center());
    if (words_ > 0) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette::gold());
        p.drawEllipse(dot);
        QPen check(palette::ink(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(check);
        p.drawPolyline(QPolygonF{dot.center() + QPointF(-4.5, 0.5), dot.center() + QPointF(-1.2, 3.8), dot.center() + QPointF(4.5, -3.2)});
    } else {
        p.setPen(today_ ? QPen(palette::withOpacity(palette::gold(), 0.7), 1.5) : Qt::NoPen);
        p.setBrush(QColor::fromRgbF(1, 1, 1, 0.07f));
        p.drawEllipse(dot.adjusted(0.75, 0.75, -0.75, -0.75));
    }
}

void DayCell::hover(bool on)
{
    if (motion_.reduceMotion()) {
        scale_.setTo(1);
        return;
    }
    scale_.animateTo(on ? 1.15 : 1.0, Animation::springy(0.3, 0.5));
    driver_.run([this] { return scale_.isMoving(); });
}

} // namespace tq
