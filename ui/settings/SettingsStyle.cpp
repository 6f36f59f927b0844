#include "ui/settings/SettingsStyle.h"

#include "ui/design/Palette.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace tq {

void applyInkPalette(QWidget* window)
{
    QPalette pal = window->palette();
    pal.setColor(QPalette::Window, palette::ink());
    pal.setColor(QPalette::Base, palette::ink());
    pal.setColor(QPalette::AlternateBase, palette::inkRaised());
    pal.setColor(QPalette::Button, palette::inkHighlight());
    pal.setColor(QPalette::WindowText, palette::paper());
    pal.setColor(QPalette::Text, palette::paper());
    pal.setColor(QPalette::ButtonText, palette::paper());
    pal.setColor(QPalette::PlaceholderText, palette::paperDim());
    pal.setColor(QPalette::Highlight, palette::inkHighlight());
    pal.setColor(QPalette::HighlightedText, palette::paper());
    pal.setColor(QPalette::ToolTipBase, palette::inkRaised());
    pal.setColor(QPalette::ToolTipText, palette::paper());
    window->setPalette(pal);
    window->setAutoFillBackground(true);
}

QFont settingsFont(double pointSize, QFont::Weight weight)
{
    QFont f;
    f.setPointSizeF(pointSize);
    f.setWeight(weight);
    return f;
}

QLabel* makeLabel(const QString& text, double pointSize, QFont::Weight weight, const QColor& colour, QWidget* parent, bool wrap)
{
    auto* l = new QLabel(text, parent);
    l->setFont(settingsFont(pointSize, weight));
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    l->setWordWrap(wrap);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QPushButton* makeButton(const QString& text, bool primary, QWidget* parent)
{
    auto* b = new QPushButton(text, parent);
    b->setCursor(Qt::PointingHandCursor);
    const QColor bg = primary ? palette::gold() : palette::inkHighlight();
    const QColor fg = primary ? palette::ink() : palette::paper();
    b->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 7px;"
                                    " padding: 5px 14px; font-weight: %3; }"
                                    "QPushButton:hover { background: %4; }"
                                    "QPushButton:focus { outline: none; border: 1px solid %5; }"
                                    "QPushButton:disabled { background: %6; color: %7; }")
                         .arg(bg.name(), fg.name(), primary ? QStringLiteral("600") : QStringLiteral("500"),
                              bg.lighter(112).name(), palette::paper().name(), palette::inkRaised().name(),
                              palette::paperDim().name(QColor::HexArgb)));
    return b;
}

namespace {
QPainterPath roundedRect(const QRectF& r, double radius)
{
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}
} // namespace

void paintSymbol(QPainter& p, const QString& name, const QRectF& box, const QColor& colour, bool filled)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double s = std::min(box.width(), box.height());
    const QRectF r(box.center().x() - s / 2, box.center().y() - s / 2, s, s);
    const double w = std::max(1.2, s / 12);
    QPen pen(colour, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const QBrush fill(colour);
    auto at = [&](double x, double y) { return QPointF(r.left() + x * s, r.top() + y * s); };
    auto rect = [&](double x, double y, double ww, double hh) { return QRectF(at(x, y), QSizeF(ww * s, hh * s)); };
    const bool solid = filled || name.endsWith(QLatin1String(".fill"));
    const QString base = name.endsWith(QLatin1String(".fill")) ? name.chopped(5) : name;

    auto circleWith = [&](const std::function<void()>& inner) {
        const QRectF c = rect(0.08, 0.08, 0.84, 0.84);
        if (solid) {
            p.setBrush(fill);
            p.drawEllipse(c);
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(palette::ink(), w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        } else {
            p.drawEllipse(c);
        }
        inner();
        p.setPen(pen);
    };

    if (base == QLatin1String("house")) {
        QPainterPath path;
        path.moveTo(at(0.1, 0.5));
        path.lineTo(at(0.5, 0.12));
        path.lineTo(at(0.9, 0.5));
        path.moveTo(at(0.22, 0.4));
        path.lineTo(at(0.22, 0.88));
        path.lineTo(at(0.78, 0.88));
        path.lineTo(at(0.78, 0.4));
        if (solid)
            p.fillPath(roundedRect(rect(0.22, 0.42, 0.56, 0.46), 1), fill);
        p.drawPath(path);
    } else if (base == QLatin1String("gearshape")) {
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(at(0.5 + 0.3 * std::cos(a), 0.5 + 0.3 * std::sin(a)), at(0.5 + 0.44 * std::cos(a), 0.5 + 0.44 * std::sin(a)));
        }
        if (solid)
            p.setBrush(fill);
        p.drawEllipse(rect(0.2, 0.2, 0.6, 0.6));
        p.setBrush(solid ? QBrush(palette::ink()) : Qt::NoBrush);
        p.drawEllipse(rect(0.38, 0.38, 0.24, 0.24));
    } else if (base == QLatin1String("cpu")) {
        for (double x : {0.35, 0.5, 0.65}) {
            p.drawLine(at(x, 0.08), at(x, 0.2));
            p.drawLine(at(x, 0.8), at(x, 0.92));
            p.drawLine(at(0.08, x), at(0.2, x));
            p.drawLine(at(0.8, x), at(0.92, x));
        }
        if (solid)
            p.setBrush(fill);
        p.drawRoundedRect(rect(0.2, 0.2, 0.6, 0.6), 0.08 * s, 0.08 * s);
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect(0.38, 0.38, 0.24, 0.24));
    } else if (base == QLatin1String("text.viewfinder")) {
        for (auto [x, y, dx, dy] : {std::tuple{0.1, 0.1, 1, 1}, {0.9, 0.1, -1, 1}, {0.1, 0.9, 1, -1}, {0.9, 0.9, -1, -1}}) {
            p.drawLine(at(x, y), at(x + dx * 0.2, y));
            p.drawLine(at(x, y), at(x, y + dy * 0.2));
        }
        for (double y : {0.38, 0.5, 0.62})
            p.drawLine(at(0.3, y), at(y == 0.62 ? 0.55 : 0.7, y));
    } else if (base == QLatin1String("person.text.rectangle")) {
        if (solid)
            p.setBrush(fill);
        p.drawRoundedRect(rect(0.06, 0.18, 0.88, 0.64), 0.1 * s, 0.1 * s);
        p.setPen(solid ? QPen(palette::ink(), w) : pen);
        p.drawEllipse(rect(0.2, 0.34, 0.16, 0.16));
        p.drawLine(at(0.18, 0.66), at(0.38, 0.66));
        p.drawLine(at(0.52, 0.4), at(0.82, 0.4));
        p.drawLine(at(0.52, 0.6), at(0.76, 0.6));
    } else if (base == QLatin1String("keyboard")) {
        if (solid)
            p.setBrush(fill);
        p.drawRoundedRect(rect(0.04, 0.22, 0.92, 0.56), 0.08 * s, 0.08 * s);
        p.setPen(solid ? QPen(palette::ink(), w, Qt::SolidLine, Qt::RoundCap) : pen);
        for (double x : {0.2, 0.35, 0.5, 0.65, 0.8})
            p.drawPoint(at(x, 0.4));
        p.drawLine(at(0.3, 0.6), at(0.7, 0.6));
    } else if (base == QLatin1String("face.smiling")) {
        circleWith([&] {
            p.drawPoint(at(0.36, 0.4));
            p.drawPoint(at(0.64, 0.4));
            p.drawArc(rect(0.3, 0.4, 0.4, 0.3), 200 * 16, 140 * 16);
        });
    } else if (base == QLatin1String("square.grid.2x2")) {
        for (double x : {0.1, 0.55})
            for (double y : {0.1, 0.55}) {
                if (solid)
                    p.setBrush(fill);
                p.drawRoundedRect(rect(x, y, 0.35, 0.35), 0.06 * s, 0.06 * s);
            }
    } else if (base == QLatin1String("battery.75percent")) {
        p.drawRoundedRect(rect(0.04, 0.28, 0.82, 0.44), 0.1 * s, 0.1 * s);
        p.drawLine(at(0.93, 0.42), at(0.93, 0.58));
        p.fillRect(rect(0.12, 0.36, 0.48, 0.28), fill);
    } else if (base == QLatin1String("chart.bar.xaxis")) {
        p.drawLine(at(0.08, 0.88), at(0.92, 0.88));
        const double bars[][2] = {{0.18, 0.5}, {0.42, 0.25}, {0.66, 0.6}};
        for (const auto& b : bars) {
            if (solid)
                p.fillRect(rect(b[0], b[1], 0.16, 0.78 - b[1]), fill);
            else
                p.drawRect(rect(b[0], b[1], 0.16, 0.78 - b[1]));
        }
    } else if (base == QLatin1String("stethoscope")) {
        QPainterPath path;
        path.moveTo(at(0.2, 0.1));
        path.cubicTo(at(0.1, 0.55), at(0.5, 0.55), at(0.4, 0.1));
        path.moveTo(at(0.3, 0.5));
        path.cubicTo(at(0.3, 0.95), at(0.75, 0.95), at(0.75, 0.62));
        p.drawPath(path);
        if (solid)
            p.setBrush(fill);
        p.drawEllipse(rect(0.66, 0.44, 0.18, 0.18));
    } else if (base == QLatin1String("info.circle")) {
        circleWith([&] {
            p.drawLine(at(0.5, 0.45), at(0.5, 0.72));
            p.drawPoint(at(0.5, 0.3));
        });
    } else if (base == QLatin1String("globe")) {
        p.drawEllipse(rect(0.08, 0.08, 0.84, 0.84));
        p.drawEllipse(rect(0.3, 0.08, 0.4, 0.84));
        p.drawLine(at(0.08, 0.5), at(0.92, 0.5));
    } else if (base == QLatin1String("app.dashed")) {
        pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.drawRoundedRect(rect(0.1, 0.1, 0.8, 0.8), 0.2 * s, 0.2 * s);
    } else if (base == QLatin1String("magnifyingglass")) {
        p.drawEllipse(rect(0.1, 0.1, 0.55, 0.55));
        p.drawLine(at(0.58, 0.58), at(0.88, 0.88));
    } else if (base == QLatin1String("xmark.circle")) {
        circleWith([&] {
            p.drawLine(at(0.35, 0.35), at(0.65, 0.65));
            p.drawLine(at(0.65, 0.35), at(0.35, 0.65));
        });
    } else if (base == QLatin1String("plus")) {
        p.drawLine(at(0.5, 0.15), at(0.5, 0.85));
        p.drawLine(at(0.15, 0.5), at(0.85, 0.5));
    } else if (base == QLatin1String("pause.circle")) {
        circleWith([&] {
            p.drawLine(at(0.42, 0.34), at(0.42, 0.66));
            p.drawLine(at(0.58, 0.34), at(0.58, 0.66));
        });
    } else if (base == QLatin1String("nosign")) {
        p.drawEllipse(rect(0.1, 0.1, 0.8, 0.8));
        p.drawLine(at(0.22, 0.78), at(0.78, 0.22));
    } else if (base == QLatin1String("checkmark.circle")) {
        circleWith([&] {
            p.drawPolyline(QPolygonF{at(0.3, 0.5), at(0.44, 0.64), at(0.7, 0.36)});
        });
    } else if (base == QLatin1String("checkmark")) {
        p.drawPolyline(QPolygonF{at(0.18, 0.52), at(0.4, 0.74), at(0.82, 0.28)});
    } else if (base == QLatin1String("exclamationmark.triangle")) {
        QPainterPath tri;
        tri.moveTo(at(0.5, 0.1));
        tri.lineTo(at(0.92, 0.86));
        tri.lineTo(at(0.08, 0.86));
        tri.closeSubpath();
        if (solid) {
            p.fillPath(tri, fill);
            p.setPen(QPen(palette::ink(), w, Qt::SolidLine, Qt::RoundCap));
        } else {
            p.drawPath(tri);
        }
        p.drawLine(at(0.5, 0.38), at(0.5, 0.6));
        p.drawPoint(at(0.5, 0.73));
    } else if (base == QLatin1String("flame")) {
        QPainterPath f;
        f.moveTo(at(0.5, 0.06));
        f.cubicTo(at(0.95, 0.45), at(0.85, 0.95), at(0.5, 0.95));
        f.cubicTo(at(0.15, 0.95), at(0.05, 0.55), at(0.5, 0.06));
        solid ? p.fillPath(f, fill) : p.drawPath(f);
    } else if (base == QLatin1String("trophy")) {
        QPainterPath t;
        t.moveTo(at(0.25, 0.12));
        t.lineTo(at(0.75, 0.12));
        t.cubicTo(at(0.75, 0.55), at(0.6, 0.62), at(0.5, 0.62));
        t.cubicTo(at(0.4, 0.62), at(0.25, 0.55), at(0.25, 0.12));
        p.fillPath(t, fill);
        p.drawLine(at(0.5, 0.62), at(0.5, 0.82));
        p.drawLine(at(0.32, 0.86), at(0.68, 0.86));
    } else if (base == QLatin1String("hand.raised")) {
        for (double x : {0.3, 0.43, 0.56, 0.69})
            p.drawLine(at(x, x == 0.3 || x == 0.69 ? 0.25 : 0.12), at(x, 0.55));
        p.drawArc(rect(0.26, 0.4, 0.46, 0.5), 180 * 16, 180 * 16);
    } else if (base == QLatin1String("text.badge.xmark")) {
        for (double y : {0.3, 0.5, 0.7})
            p.drawLine(at(0.08, y), at(y == 0.3 ? 0.9 : 0.5, y));
        p.drawLine(at(0.64, 0.5), at(0.88, 0.74));
        p.drawLine(at(0.88, 0.5), at(0.64, 0.74));
    } else {
        p.drawEllipse(rect(0.2, 0.2, 0.6, 0.6));
    }
    p.restore();
}

SymbolView::SymbolView(const QString& name, int size, const QColor& colour, QWidget* parent)
    : QWidget(parent), name_(name), colour_(colour)
{
    setFixedSize(size, size);
    setAttribute(Qt::WA_TranslucentBackground);
}

void SymbolView::setSymbol(const QString& name, const QColor& colour)
{
    name_ = name;
    colour_ = colour;
    update();
}

void SymbolView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintSymbol(p, name_, QRectF(rect()).adjusted(1, 1, -1, -1), colour_);
}

Switch::Switch(QWidget* parent) : QAbstractButton(parent)
{
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFixedSize(sizeHint());
    setFocusPolicy(Qt::StrongFocus);
}

void Switch::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool on = isChecked();
    const double dim = isEnabled() ? 1.0 : 0.45;
    const QRectF track = QRectF(rect()).adjusted(1, 1, -1, -1);
    p.setPen(hasFocus() ? QPen(palette::paper(), 1) : QPen(palette::hairline(), 1));
    p.setBrush(palette::withOpacity(on ? palette::gold() : palette::inkHighlight(), dim));
    p.drawRoundedRect(track, track.height() / 2, track.height() / 2);
    const double d = track.height() - 4;
    const QRectF knob(on ? track.right() - 2 - d : track.left() + 2, track.top() + 2, d, d);
    p.setPen(Qt::NoPen);
    p.setBrush(palette::withOpacity(on ? palette::ink() : palette::paper(), dim));
    p.drawEllipse(knob);
}

Card::Card(double radius, QWidget* parent) : QWidget(parent), radius_(radius), top_(palette::inkRaised()), bottom_(palette::inkRaised())
{
}

void Card::setGradient(const QColor& top, const QColor& bottom)
{
    top_ = top;
    bottom_ = bottom;
    update();
}

void Card::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top_);
    g.setColorAt(1, bottom_);
    p.setPen(QPen(palette::hairline(), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, radius_, radius_);
}

} // namespace tq
