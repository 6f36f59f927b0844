#include "look/Palette.h"

#include <QPointF>

namespace tq::palette {

namespace {
QColor rgb(double r, double g, double b, double a = 1.0)
{
    return QColor::fromRgbF(float(r), float(g), float(b), float(a));
}
} // namespace

const QColor& ink() { static const QColor c = rgb(0.055, 0.071, 0.125); return c; }
const QColor& inkRaised() { static const QColor c = rgb(0.094, 0.114, 0.188); return c; }
const QColor& inkHighlight() { static const QColor c = rgb(0.165, 0.2, 0.33); return c; }
const QColor& hairline() { static const QColor c = rgb(1, 1, 1, 0.09); return c; }
const QColor& paper() { static const QColor c = rgb(0.93, 0.93, 0.95); return c; }
const QColor& paperDim() { static const QColor c = withOpacity(paper(), 0.62); return c; }
const QColor& gold() { static const QColor c = rgb(0.91, 0.69, 0.29); return c; }
const QColor& goldDeep() { static const QColor c = rgb(0.66, 0.47, 0.15); return c; }
const QColor& plateTop() { static const QColor c = rgb(0.13, 0.16, 0.27); return c; }
const QColor& plateBottom() { static const QColor c = rgb(0.043, 0.055, 0.1); return c; }

const QColor& green() { static const QColor c = rgb(0.19, 0.82, 0.35); return c; }
const QColor& orange() { static const QColor c = rgb(1.0, 0.62, 0.04); return c; }
const QColor& destructive() { static const QColor c = rgb(1.0, 0.41, 0.38); return c; }
const QColor& goldPale() { static const QColor c = rgb(0.98, 0.87, 0.56); return c; }

const QColor& washFaint() { static const QColor c = rgb(1, 1, 1, 0.04); return c; }
const QColor& washSoft() { static const QColor c = rgb(1, 1, 1, 0.07); return c; }
const QColor& wash() { static const QColor c = rgb(1, 1, 1, 0.08); return c; }
const QColor& washStrong() { static const QColor c = rgb(1, 1, 1, 0.12); return c; }
const QColor& washBright() { static const QColor c = rgb(1, 1, 1, 0.16); return c; }

QColor withOpacity(const QColor& colour, double opacity)
{
    QColor c = colour;
    c.setAlphaF(float(colour.alphaF() * opacity));
    return c;
}

} // namespace tq::palette

namespace tq::motion {

namespace {
Curve bezier(int ms)
{
    QEasingCurve e(QEasingCurve::BezierSpline);
    e.addCubicBezierSegment(QPointF(0.23, 1.0), QPointF(0.32, 1.0), QPointF(1.0, 1.0));
    return Curve{e, ms};
}
} // namespace

const Curve& quick() { static const Curve c = bezier(120); return c; }
const Curve& standard() { static const Curve c = bezier(220); return c; }
const Curve& slow() { static const Curve c = bezier(340); return c; }
const Spring& spring() { static const Spring s{0.34, 0.8, 0.0}; return s; }

} // namespace tq::motion
