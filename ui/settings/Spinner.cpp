#include "ui/settings/Spinner.h"

#include "platform/Text.h"
#include "ui/design/Palette.h"

#include <QPainter>

#include <cmath>

namespace tq {

Spinner::Spinner(MotionContext& motion, QWidget* parent) : QWidget(parent), motion_(motion), driver_(motion.frames(), this)
{
    setFixedSize(16, 16);
    setAccessibleName(text("Checking…"));
}

void Spinner::showEvent(QShowEvent*)
{
    driver_.run([] { return true; });
}

void Spinner::hideEvent(QHideEvent*)
{
    driver_.stop();
}

void Spinner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double turn = std::fmod(motion_.frames().seconds(), 1.0) * 360.0;
    p.setPen(QPen(palette::paperDim(), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(rect()).adjusted(2, 2, -2, -2), int(-turn * 16), 270 * 16);
}

} // namespace tq
