#include "ui/design/Symbols.h"

#include <QHash>
#include <QPainter>
#include <QPainterPathStroker>

#include <cmath>
#include <functional>
#include <map>

namespace tq::symbols {

namespace {

// Drawn on a 24-unit grid. `body` is the closed outline (stroked; filled in the fill form),
// `lines` are stroked details, `solids` are always filled.
struct Glyph {
    QPainterPath body;
    QPainterPath lines;
    QPainterPath solids;
};

constexpr double kStroke = 1.8;

QPainterPath circle(double cx, double cy, double r)
{
    QPainterPath p;
    p.addEllipse(QPointF(cx, cy), r, r);
    return p;
}
QPainterPath rrect(double x, double y, double w, double h, double r)
{
    QPainterPath p;
    p.addRoundedRect(QRectF(x, y, w, h), r, r);
    return p;
}
QPainterPath poly(std::initializer_list<QPointF> pts, bool close = false)
{
    QPainterPath p;
    bool first = true;
    for (const QPointF& q : pts) {
        if (first)
            p.moveTo(q);
        else
            p.lineTo(q);
        first = false;
    }
    if (close)
        p.closeSubpath();
    return p;
}
QPainterPath line(double x1, double y1, double x2, double y2) { return poly({{x1, y1}, {x2, y2}}); }
QPainterPath arc(double cx, double cy, double r, double startDeg, double sweepDeg)
{
    QPainterPath p;
    const QRectF box(cx - r, cy - r, 2 * r, 2 * r);
    p.arcMoveTo(box, startDeg);
    p.arcTo(box, startDeg, sweepDeg);
    return p;
}
QPainterPath dashedCircle(double cx, double cy, double r, int dashes)
{
    QPainterPath p;
    const double step = 360.0 / dashes;
    for (int i = 0; i < dashes; ++i)
        p.addPath(arc(cx, cy, r, i * step + step * 0.18, step * 0.64));
    return p;
}
QPainterPath dot(double cx, double cy, double r = 1.2) { return circle(cx, cy, r); }
// `inner` scaled by `s` about the grid's centre.
QPainterPath shrink(const QPainterPath& inner, double s)
{
    QTransform t;
    t.translate(12, 12);
    t.scale(s, s);
    t.translate(-12, -12);
    return t.map(inner);
}
Glyph shrink(const Glyph& g, double s) { return {shrink(g.body, s), shrink(g.lines, s), shrink(g.solids, s)}; }
Glyph join(const Glyph& a, const Glyph& b)
{
    Glyph g = a;
    g.body.addPath(b.body);
    g.lines.addPath(b.lines);
    g.solids.addPath(b.solids);
    return g;
}

// Marks that go inside circles and triangles.
Glyph checkmark() { return {{}, poly({{5, 12.5}, {10, 17.5}, {19, 7}}), {}}; }
Glyph xmark()
{
    Glyph g;
    g.lines.addPath(line(6, 6, 18, 18));
    g.lines.addPath(line(18, 6, 6, 18));
    return g;
}
Glyph exclamation() { return {{}, line(12, 6, 12, 14), dot(12, 18.2, 1.4)}; }
Glyph pauseBars()
{
    Glyph g;
    g.lines.addPath(line(9.5, 7, 9.5, 17));
    g.lines.addPath(line(14.5, 7, 14.5, 17));
    return g;
}
Glyph info() { return {{}, line(12, 10.5, 12, 18), dot(12, 6.8, 1.4)}; }
Glyph eyeSlash()
{
    Glyph g;
    QPainterPath eye;
    eye.moveTo(2, 12);
    eye.quadTo(12, 1.5, 22, 12);
    eye.quadTo(12, 22.5, 2, 12);
    g.lines.addPath(eye);
    g.lines.addPath(circle(12, 12, 3.3));
    g.lines.addPath(line(4, 3.5, 20, 20.5));
    return g;
}
Glyph inCircle(const Glyph& mark, double s = 0.58) { return join({circle(12, 12, 10), {}, {}}, shrink(mark, s)); }

Glyph speaker()
{
    return {{}, {}, poly({{3, 9}, {7, 9}, {12, 4.5}, {12, 19.5}, {7, 15}, {3, 15}}, true)};
}

Glyph gear()
{
    QPainterPath outline;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = (i / double(teeth * 4)) * 2 * M_PI - M_PI / 2;
        const double r = (i % 4 == 0 || i % 4 == 1) ? 10 : 7.6;
        const QPointF p(12 + r * std::cos(a), 12 + r * std::sin(a));
        if (i == 0)
            outline.moveTo(p);
        else
            outline.lineTo(p);
    }
    outline.closeSubpath();
    return {outline, circle(12, 12, 3.2), {}};
}

Glyph battery(double level)
{
    Glyph g;
    g.body = rrect(1.5, 7, 18.5, 10, 2.6);
    g.solids.addPath(rrect(21, 10, 1.8, 4, 0.8));
    g.solids.addPath(rrect(3.8, 9.3, 13.9 * level, 5.4, 1.2));
    return g;
}

const std::map<QString, std::function<Glyph()>>& table()
{
    static const std::map<QString, std::function<Glyph()>> t = {
        {QStringLiteral("app.dashed"), [] {
             Glyph g;
             const double r = 5;
             g.lines.addPath(line(3 + r, 3, 21 - r, 3));
             g.lines.addPath(line(21, 3 + r, 21, 21 - r));
             g.lines.addPath(line(21 - r, 21, 3 + r, 21));
             g.lines.addPath(line(3, 21 - r, 3, 3 + r));
             g.lines.addPath(arc(3 + r, 3 + r, r, 110, 50));
             g.lines.addPath(arc(21 - r, 3 + r, r, 20, 50));
             g.lines.addPath(arc(21 - r, 21 - r, r, 290, 50));
             g.lines.addPath(arc(3 + r, 21 - r, r, 200, 50));
             return g;
         }},
        {QStringLiteral("apple.intelligence"), [] {
             Glyph g;
             QPainterPath star;
             star.moveTo(12, 3);
             star.quadTo(13, 11, 21, 12);
             star.quadTo(13, 13, 12, 21);
             star.quadTo(11, 13, 3, 12);
             star.quadTo(11, 11, 12, 3);
             g.body = star;
             return g;
         }},
        {QStringLiteral("arrow.clockwise"), [] {
             Glyph g;
             g.lines.addPath(arc(12, 13, 8, 75, -300));
             g.lines.addPath(poly({{10.5, 2.5}, {14.2, 5.2}, {10.8, 8.2}}));
             return g;
         }},
        {QStringLiteral("arrow.right.to.line"), [] {
             Glyph g;
             g.lines.addPath(line(3, 12, 15.5, 12));
             g.lines.addPath(poly({{10.5, 7}, {15.5, 12}, {10.5, 17}}));
             g.lines.addPath(line(20.5, 5, 20.5, 19));
             return g;
         }},
        {QStringLiteral("battery.50percent"), [] { return battery(0.5); }},
        {QStringLiteral("battery.75percent"), [] { return battery(0.75); }},
        {QStringLiteral("chart.bar"), [] {
             Glyph g;
             g.body.addPath(rrect(3.5, 13, 4, 7.5, 1));
             g.body.addPath(rrect(10, 8, 4, 12.5, 1));
             g.body.addPath(rrect(16.5, 3.5, 4, 17, 1));
             return g;
         }},
        {QStringLiteral("chart.bar.xaxis"), [] {
             Glyph g;
             g.body.addPath(rrect(4.5, 12, 3.6, 6, 1));
             g.body.addPath(rrect(10.2, 7.5, 3.6, 10.5, 1));
             g.body.addPath(rrect(15.9, 3.5, 3.6, 14.5, 1));
             g.lines.addPath(line(2.5, 21, 21.5, 21));
             return g;
         }},
        {QStringLiteral("checkmark"), [] { return checkmark(); }},
        {QStringLiteral("checkmark.circle"), [] { return inCircle(checkmark(), 0.55); }},
        {QStringLiteral("circle"), [] { return Glyph{circle(12, 12, 9.5), {}, {}}; }},
        {QStringLiteral("circle.dashed"), [] { return Glyph{{}, dashedCircle(12, 12, 9.5, 10), {}}; }},
        {QStringLiteral("cpu"), [] {
             Glyph g;
             g.body = rrect(6, 6, 12, 12, 2.2);
             g.lines.addPath(rrect(9.5, 9.5, 5, 5, 1));
             for (double p : {9.0, 12.0, 15.0}) {
                 g.lines.addPath(line(p, 2.5, p, 6));
                 g.lines.addPath(line(p, 18, p, 21.5));
                 g.lines.addPath(line(2.5, p, 6, p));
                 g.lines.addPath(line(18, p, 21.5, p));
             }
             return g;
         }},
        {QStringLiteral("exclamationmark.circle"), [] { return inCircle(exclamation(), 0.62); }},
        {QStringLiteral("exclamationmark.triangle"), [] {
             QPainterPath tri;
             tri.moveTo(10.3, 3.9);
             tri.quadTo(12, 1.9, 13.7, 3.9);
             tri.lineTo(21.8, 18.3);
             tri.quadTo(22.8, 20.6, 20.3, 20.6);
             tri.lineTo(3.7, 20.6);
             tri.quadTo(1.2, 20.6, 2.2, 18.3);
             tri.closeSubpath();
             Glyph mark = shrink(exclamation(), 0.6);
             QTransform down;
             down.translate(0, 1.6);
             return Glyph{tri, down.map(mark.lines), down.map(mark.solids)};
         }},
        {QStringLiteral("eye.slash"), [] { return eyeSlash(); }},
        {QStringLiteral("eye.slash.circle"), [] { return inCircle(eyeSlash(), 0.55); }},
        {QStringLiteral("face.smiling"), [] {
             Glyph g;
             g.body = circle(12, 12, 9.5);
             g.solids.addPath(dot(8.8, 9.8, 1.3));
             g.solids.addPath(dot(15.2, 9.8, 1.3));
             g.lines.addPath(arc(12, 12, 5, 200, 140));
             return g;
         }},
        {QStringLiteral("flame"), [] {
             QPainterPath f;
             f.moveTo(12, 2);
             f.cubicTo(13, 6.5, 19.5, 9, 19.5, 15);
             f.cubicTo(19.5, 19.5, 16, 22, 12, 22);
             f.cubicTo(8, 22, 4.5, 19.5, 4.5, 15);
             f.cubicTo(4.5, 11.5, 7, 9.5, 8, 7.5);
             f.cubicTo(8.8, 10, 9.8, 11, 10.5, 11);
             f.cubicTo(10.5, 7.5, 10.5, 4.5, 12, 2);
             f.closeSubpath();
             return Glyph{f, {}, {}};
         }},
        {QStringLiteral("gearshape"), [] { return gear(); }},
        {QStringLiteral("globe"), [] {
             Glyph g;
             g.body = circle(12, 12, 9.5);
             QPainterPath meridian;
             meridian.addEllipse(QPointF(12, 12), 4.2, 9.5);
             g.lines.addPath(meridian);
             g.lines.addPath(line(2.5, 12, 21.5, 12));
             g.lines.addPath(line(4.3, 7, 19.7, 7));
             g.lines.addPath(line(4.3, 17, 19.7, 17));
             return g;
         }},
        {QStringLiteral("hand.raised"), [] {
             QPainterPath h;
             h.moveTo(6.5, 13);
             h.lineTo(6.5, 7);
             h.arcTo(QRectF(6.5, 5.5, 2.6, 2.6), 180, -180);
             h.lineTo(9.1, 5);
             h.arcTo(QRectF(9.1, 3.2, 2.6, 2.6), 180, -180);
             h.lineTo(11.7, 4.5);
             h.arcTo(QRectF(11.7, 2.7, 2.6, 2.6), 180, -180);
             h.lineTo(14.3, 5.5);
             h.arcTo(QRectF(14.3, 4.2, 2.6, 2.6), 180, -180);
             h.lineTo(16.9, 13);
             h.quadTo(17.5, 10.5, 19.5, 10.5);
             h.lineTo(17.5, 17);
             h.quadTo(16, 21.5, 11.5, 21.5);
             h.quadTo(6.5, 21.5, 6.5, 16);
             h.closeSubpath();
             return Glyph{h, {}, {}};
         }},
        {QStringLiteral("house"), [] {
             Glyph g;
             g.body = poly({{5, 10.5}, {12, 4}, {19, 10.5}, {19, 20.5}, {5, 20.5}}, true);
             g.lines.addPath(poly({{2.5, 12.5}, {12, 3.5}, {21.5, 12.5}}));
             g.lines.addPath(poly({{10, 20.5}, {10, 15}, {14, 15}, {14, 20.5}}));
             return g;
         }},
        {QStringLiteral("info.circle"), [] { return inCircle(info(), 0.8); }},
        {QStringLiteral("keyboard"), [] {
             Glyph g;
             g.body = rrect(2, 6, 20, 12.5, 2.2);
             for (double x : {6.0, 9.3, 12.6, 15.9, 19.0 - 1})
                 g.solids.addPath(dot(x, 10, 0.9));
             for (double x : {7.6, 10.9, 14.2})
                 g.solids.addPath(dot(x, 12.5, 0.9));
             g.lines.addPath(line(8, 15.3, 16, 15.3));
             return g;
         }},
        {QStringLiteral("laptopcomputer"), [] {
             Glyph g;
             g.body = rrect(4.5, 5, 15, 10.5, 1.5);
             g.lines.addPath(line(1.5, 19, 22.5, 19));
             return g;
         }},
        {QStringLiteral("lock"), [] {
             Glyph g;
             g.body = rrect(5, 10.5, 14, 10.5, 2.2);
             g.lines.addPath(arc(12, 8.5, 4.3, 0, 180));
             g.lines.addPath(line(7.7, 8.5, 7.7, 10.5));
             g.lines.addPath(line(16.3, 8.5, 16.3, 10.5));
             return g;
         }},
        {QStringLiteral("magnifyingglass"), [] {
             Glyph g;
             g.body = circle(10.2, 10.2, 6.7);
             g.lines.addPath(line(15.2, 15.2, 20.8, 20.8));
             return g;
         }},
        {QStringLiteral("network.slash"), [] {
             Glyph g;
             g.body = circle(12, 12, 9.5);
             g.lines.addPath(arc(12, 12, 5, 20, 140));
             g.lines.addPath(line(4, 4, 20, 20));
             g.solids.addPath(dot(12, 14.5, 1.5));
             return g;
         }},
        {QStringLiteral("nosign"), [] {
             Glyph g;
             g.body = circle(12, 12, 9.5);
             g.lines.addPath(line(5.3, 5.3, 18.7, 18.7));
             return g;
         }},
        {QStringLiteral("pause"), [] { return pauseBars(); }},
        {QStringLiteral("pause.fill"), [] {
             Glyph g;
             g.solids.addPath(rrect(6, 4, 4.5, 16, 1.3));
             g.solids.addPath(rrect(13.5, 4, 4.5, 16, 1.3));
             return g;
         }},
        {QStringLiteral("pause.circle"), [] { return inCircle(pauseBars(), 0.75); }},
        {QStringLiteral("pencil.and.scribble"), [] {
             Glyph g;
             g.body = poly({{14.5, 3.5}, {18.5, 7.5}, {9, 17}, {4.5, 18}, {5.5, 13.5}}, true);
             QPainterPath s;
             s.moveTo(3, 21.5);
             s.cubicTo(7, 19.5, 9, 22.5, 12.5, 20.5);
             s.cubicTo(15.5, 18.8, 17.5, 21.8, 21, 20);
             g.lines.addPath(s);
             return g;
         }},
        {QStringLiteral("person.text.rectangle"), [] {
             Glyph g;
             g.body = rrect(2, 4.5, 20, 15, 2.4);
             g.lines.addPath(circle(8, 10, 2.2));
             g.lines.addPath(arc(8, 17.5, 3.8, 20, 140));
             g.lines.addPath(line(13.5, 9.5, 18.5, 9.5));
             g.lines.addPath(line(13.5, 13, 18.5, 13));
             return g;
         }},
        {QStringLiteral("play"), [] {
             QPainterPath t;
             t.moveTo(7, 4.8);
             t.quadTo(7, 3.5, 8.2, 4.2);
             t.lineTo(19, 11);
             t.quadTo(20, 12, 19, 13);
             t.lineTo(8.2, 19.8);
             t.quadTo(7, 20.5, 7, 19.2);
             t.closeSubpath();
             return Glyph{t, {}, {}};
         }},
        {QStringLiteral("plus"), [] {
             Glyph g;
             g.lines.addPath(line(12, 4, 12, 20));
             g.lines.addPath(line(4, 12, 20, 12));
             return g;
         }},
        {QStringLiteral("power"), [] {
             Glyph g;
             g.lines.addPath(arc(12, 13, 8, 55, -290));
             g.lines.addPath(line(12, 2.5, 12, 11));
             return g;
         }},
        {QStringLiteral("powerplug"), [] {
             Glyph g;
             g.body = poly({{6, 8}, {18, 8}, {18, 11}, {14.5, 16}, {9.5, 16}, {6, 11}}, true);
             g.lines.addPath(line(9.5, 3, 9.5, 8));
             g.lines.addPath(line(14.5, 3, 14.5, 8));
             g.lines.addPath(line(12, 16, 12, 21.5));
             return g;
         }},
        {QStringLiteral("server.rack"), [] {
             Glyph g;
             for (double y : {3.0, 9.5, 16.0}) {
                 g.body.addPath(rrect(3, y, 18, 5.2, 1.4));
                 g.solids.addPath(dot(6.5, y + 2.6, 1));
                 g.lines.addPath(line(11, y + 2.6, 17.5, y + 2.6));
             }
             return g;
         }},
        {QStringLiteral("shippingbox"), [] {
             Glyph g;
             g.body = poly({{12, 2.5}, {20.5, 7}, {20.5, 17}, {12, 21.5}, {3.5, 17}, {3.5, 7}}, true);
             g.lines.addPath(poly({{3.5, 7}, {12, 11.5}, {20.5, 7}}));
             g.lines.addPath(line(12, 11.5, 12, 21.5));
             g.lines.addPath(line(7.7, 4.8, 16.2, 9.3));
             return g;
         }},
        {QStringLiteral("speaker.slash"), [] {
             Glyph g = speaker();
             g.lines.addPath(line(15, 9, 21, 15));
             g.lines.addPath(line(21, 9, 15, 15));
             return g;
         }},
        {QStringLiteral("speaker.wave.2"), [] {
             Glyph g = speaker();
             g.lines.addPath(arc(12, 12, 4, -45, 90));
             g.lines.addPath(arc(12, 12, 8, -50, 100));
             return g;
         }},
        {QStringLiteral("square.grid.2x2"), [] {
             Glyph g;
             for (double x : {3.0, 13.5})
                 for (double y : {3.0, 13.5})
                     g.body.addPath(rrect(x, y, 7.5, 7.5, 1.8));
             return g;
         }},
        {QStringLiteral("stethoscope"), [] {
             Glyph g;
             QPainterPath s;
             s.moveTo(5, 3);
             s.lineTo(5, 9);
             s.cubicTo(5, 14, 13, 14, 13, 9);
             s.lineTo(13, 3);
             s.moveTo(9, 13);
             s.lineTo(9, 16);
             s.cubicTo(9, 21.5, 18, 21.5, 18, 16);
             s.lineTo(18, 14.5);
             g.lines.addPath(s);
             g.lines.addPath(circle(18, 12, 2.5));
             return g;
         }},
        {QStringLiteral("text.badge.xmark"), [] {
             Glyph g;
             g.lines.addPath(line(3, 6, 14, 6));
             g.lines.addPath(line(3, 11, 11, 11));
             g.lines.addPath(line(3, 16, 9, 16));
             g.lines.addPath(line(14.5, 13.5, 20.5, 19.5));
             g.lines.addPath(line(20.5, 13.5, 14.5, 19.5));
             return g;
         }},
        {QStringLiteral("text.viewfinder"), [] {
             Glyph g;
             g.lines.addPath(poly({{2.5, 8}, {2.5, 2.5}, {8, 2.5}}));
             g.lines.addPath(poly({{16, 2.5}, {21.5, 2.5}, {21.5, 8}}));
             g.lines.addPath(poly({{21.5, 16}, {21.5, 21.5}, {16, 21.5}}));
             g.lines.addPath(poly({{8, 21.5}, {2.5, 21.5}, {2.5, 16}}));
             g.lines.addPath(line(7, 9, 17, 9));
             g.lines.addPath(line(7, 12.5, 17, 12.5));
             g.lines.addPath(line(7, 16, 13, 16));
             return g;
         }},
        {QStringLiteral("trophy"), [] {
             Glyph g;
             QPainterPath cup;
             cup.moveTo(7, 3.5);
             cup.lineTo(17, 3.5);
             cup.lineTo(17, 9);
             cup.cubicTo(17, 13, 14.5, 15, 12, 15);
             cup.cubicTo(9.5, 15, 7, 13, 7, 9);
             cup.closeSubpath();
             g.body = cup;
             g.lines.addPath(arc(6.5, 8, 3, 90, 180));
             g.lines.addPath(arc(17.5, 8, 3, 90, -180));
             g.lines.addPath(line(12, 15, 12, 19));
             g.lines.addPath(line(8, 20.5, 16, 20.5));
             return g;
         }},
        {QStringLiteral("xmark"), [] { return xmark(); }},
        {QStringLiteral("xmark.circle"), [] { return inCircle(xmark(), 0.55); }},
    };
    return t;
}

struct Drawn {
    QPainterPath stroke; // outlines to stroke
    QPainterPath fill;   // areas to fill
};

QPainterPath outline(const QPainterPath& p)
{
    QPainterPathStroker s;
    s.setWidth(kStroke);
    s.setCapStyle(Qt::RoundCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(p);
}

// Resolved paths of a name, made once.
const Drawn* resolve(const QString& name)
{
    static QHash<QString, Drawn> cache;
    auto it = cache.find(name);
    if (it != cache.end())
        return &it.value();
    const auto& t = table();
    Drawn d;
    if (auto g = t.find(name); g != t.end()) {
        const Glyph glyph = g->second();
        d.stroke = glyph.body;
        d.stroke.addPath(glyph.lines);
        d.fill = glyph.solids;
    } else if (name.endsWith(QLatin1String(".fill"))) {
        const QString base = name.chopped(5);
        auto b = t.find(base);
        if (b == t.end())
            return nullptr;
        const Glyph glyph = b->second();
        QPainterPath area = glyph.body.united(outline(glyph.body)).simplified();
        QPainterPath cut = outline(glyph.lines);
        QPainterPath inner = glyph.solids.intersected(area);
        QPainterPath outer = glyph.solids.subtracted(area);
        d.fill = area.subtracted(cut).subtracted(inner);
        d.fill.addPath(outer);
        d.fill.addPath(cut.subtracted(area));
        if (area.isEmpty()) // nothing to fill: draw the outline form
            d.stroke = glyph.lines, d.fill = glyph.solids;
    } else {
        return nullptr;
    }
    return &cache.insert(name, d).value();
}

} // namespace

QStringList windowSymbols()
{
    // Every symbol the windows name, once.
    return {
        QStringLiteral("app.dashed"), QStringLiteral("apple.intelligence"), QStringLiteral("arrow.clockwise"),
        QStringLiteral("arrow.right.to.line"), QStringLiteral("battery.50percent"), QStringLiteral("battery.75percent"),
        QStringLiteral("chart.bar"), QStringLiteral("chart.bar.xaxis"), QStringLiteral("checkmark"),
        QStringLiteral("checkmark.circle.fill"), QStringLiteral("circle"), QStringLiteral("circle.dashed"),
        QStringLiteral("cpu"), QStringLiteral("exclamationmark.circle.fill"), QStringLiteral("exclamationmark.triangle"),
        QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("eye.slash"), QStringLiteral("eye.slash.circle.fill"),
        QStringLiteral("face.smiling"), QStringLiteral("flame.fill"), QStringLiteral("gearshape"), QStringLiteral("globe"),
        QStringLiteral("hand.raised"), QStringLiteral("house"), QStringLiteral("info.circle"), QStringLiteral("keyboard"),
        QStringLiteral("laptopcomputer"), QStringLiteral("lock"), QStringLiteral("lock.fill"),
        QStringLiteral("magnifyingglass"), QStringLiteral("network.slash"), QStringLiteral("nosign"),
        QStringLiteral("pause.circle"), QStringLiteral("pause.circle.fill"), QStringLiteral("pause.fill"),
        QStringLiteral("pencil.and.scribble"), QStringLiteral("person.text.rectangle"), QStringLiteral("play.fill"),
        QStringLiteral("plus"), QStringLiteral("power"), QStringLiteral("powerplug"), QStringLiteral("server.rack"),
        QStringLiteral("shippingbox"), QStringLiteral("speaker.slash.fill"), QStringLiteral("speaker.wave.2.fill"),
        QStringLiteral("square.grid.2x2"), QStringLiteral("stethoscope"), QStringLiteral("text.badge.xmark"),
        QStringLiteral("text.viewfinder"), QStringLiteral("trophy.fill"), QStringLiteral("xmark.circle.fill"),
        // filled forms of the settings sidebar's selected row
        QStringLiteral("house.fill"), QStringLiteral("gearshape.fill"), QStringLiteral("cpu.fill"),
        QStringLiteral("person.text.rectangle.fill"), QStringLiteral("keyboard.fill"), QStringLiteral("face.smiling.fill"),
        QStringLiteral("square.grid.2x2.fill"), QStringLiteral("info.circle.fill"),
    };
}

QStringList names()
{
    QStringList out;
    for (const auto& [name, fn] : table())
        out << name;
    return out;
}

bool exists(const QString& name)
{
    return resolve(name) != nullptr;
}

void paint(QPainter& painter, const QString& name, const QRectF& box, const QColor& colour)
{
    const Drawn* d = resolve(name);
    if (!d || box.isEmpty())
        return;
    const double side = std::min(box.width(), box.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(box.center().x() - side / 2, box.center().y() - side / 2);
    painter.scale(side / 24.0, side / 24.0);
    QPen pen(colour, kStroke, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (!d->stroke.isEmpty())
        painter.drawPath(d->stroke);
    if (!d->fill.isEmpty()) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPath(d->fill);
    }
    painter.restore();
}

QPixmap pixmap(const QString& name, int size, const QColor& colour, double devicePixelRatio)
{
    QPixmap pm(QSize(size, size) * devicePixelRatio);
    pm.setDevicePixelRatio(devicePixelRatio);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    paint(p, name, QRectF(0, 0, size, size), colour);
    return pm;
}

QIcon icon(const QString& name, const QColor& colour)
{
    QIcon i;
    for (int s : {16, 24, 32, 48, 64})
        i.addPixmap(pixmap(name, s, colour));
    return i;
}

} // namespace tq::symbols
