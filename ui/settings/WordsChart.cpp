#include "ui/settings/WordsChart.h"
#include "platform/NumberFormat.h"

#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/settings/InsightsMetrics.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tq {

namespace {

// A step of 1, 2 or 5 times a power of ten that gives about four marks up to `top`.
qint64 niceStep(qint64 top)
{
    const double raw = std::max(1.0, double(top) / 4.0);
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double f : {1.0, 2.0, 5.0, 10.0})
        if (f * power >= raw)
            return std::max<qint64>(1, qint64(f * power));
    return qint64(10 * power);
}

} // namespace

WordsChart::WordsChart(QWidget* parent) : QWidget(parent)
{
    setMinimumHeight(200);
    setMaximumHeight(200);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void WordsChart::setDays(const QList<QPair<QDateTime, DayStats>>& days, const QDate& today)
{
    days_ = days;
    today_ = today;
    update();
}

void WordsChart::setGrow(double grow)
{
    grow_ = grow;
    update();
}

qint64 WordsChart::scaleTop() const
{
    qint64 peak = 0;
    for (const auto& d : days_)
        peak = std::max(peak, d.second.words);
    return std::max<qint64>(peak, 1);
}

void WordsChart::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool rtl = layoutDirection() == Qt::RightToLeft;
    const QFont small = fonts::font(fonts::Role::footnote);
    p.setFont(small);
    const QFontMetrics fm(small);
    const QLocale locale;

    // The scale runs from zero to the peak, so the best day reaches the top; marks fall on
    // round steps below it.
    const qint64 axisTop = scaleTop();
    const qint64 step = niceStep(axisTop);
    const int axisWidth = fm.horizontalAdvance(locale.toString(axisTop)) + 8;
    const int labelHeight = fm.height() + 4;
    QRect plot = rect().adjusted(0, fm.height() / 2, 0, -labelHeight);
    if (rtl)
        plot.setRight(plot.right() - axisWidth);
    else
        plot.setLeft(plot.left() + axisWidth);

    // Value marks at the leading edge, with faint grid lines.
    for (qint64 v = 0; v <= axisTop; v += step) {
        const double y = plot.bottom() - double(v) / double(axisTop) * plot.height();
        p.setPen(palette::hairline());
        p.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        p.setPen(palette::paperDim());
        const QRect label = rtl ? QRect(plot.right() + 4, int(y) - fm.height() / 2, axisWidth - 4, fm.height())
                                : QRect(0, int(y) - fm.height() / 2, axisWidth - 4, fm.height());
        p.drawText(label, (rtl ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter, locale.toString(v));
    }
    if (days_.isEmpty())
        return;

    const int n = int(days_.size());
    const double slot = double(plot.width()) / n;
    const double barWidth = std::max(1.0, slot * 0.7);
    const int labelEvery = std::max(1, int(std::ceil(n / 6.0)));
    for (int i = 0; i < n; ++i) {
        const auto& [date, stats] = days_[i];
        const int position = rtl ? n - 1 - i : i;
        const double x = plot.left() + slot * position + (slot - barWidth) / 2;
        const double h = double(stats.words) * insights::barHeight(grow_, i, n) / double(axisTop) * plot.height();
        if (h > 0) {
            QPainterPath bar;
            bar.addRoundedRect(QRectF(x, plot.bottom() - h, barWidth, h), std::min(2.0, barWidth / 2),
                               std::min(2.0, h / 2));
            const bool isToday = date.date() == today_ || date.toLocalTime().date() == today_;
            p.fillPath(bar, isToday ? palette::gold() : palette::withOpacity(palette::gold(), 0.5));
        }
        if (i % labelEvery == 0) {
            p.setPen(palette::paperDim());
            const QString text = dateText(date.toLocalTime().date(), "dMMM", locale);
            p.drawText(QRectF(x + barWidth / 2 - 40, plot.bottom() + 3, 80, fm.height()), Qt::AlignHCenter, text);
        }
    }
}

} // namespace tq
