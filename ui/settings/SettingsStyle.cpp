#include "ui/settings/SettingsStyle.h"

#include "ui/design/Buttons.h"
#include "ui/design/Fonts.h"
#include "ui/design/Palette.h"
#include "ui/design/Symbols.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollBar>

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

void styleScrollBars(QAbstractScrollArea* area)
{
    const QString style = QStringLiteral(
        "QScrollBar:vertical { background: transparent; width: 8px; margin: 2px; }"
        "QScrollBar::handle:vertical { background: rgba(255,255,255,0.16); border-radius: 3px; min-height: 24px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: transparent; }");
    area->verticalScrollBar()->setStyleSheet(style);
}

QFont settingsFont(double pointSize, QFont::Weight weight)
{
    return fonts::system(pointSize, weight);
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

QAbstractButton* makeButton(const QString& text, bool primary, MotionContext& motion, QWidget* parent)
{
    if (primary)
        return new PrimaryButton(text, motion, parent);
    return new HandButton(text, parent);
}

void paintSymbol(QPainter& p, const QString& name, const QRectF& box, const QColor& colour, bool filled)
{
    const QString fill = name + QStringLiteral(".fill");
    symbols::paint(p, filled && symbols::exists(fill) ? fill : name, box, colour);
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

GradientCard::GradientCard(double radius, const QColor& top, const QColor& bottom, QWidget* parent)
    : QWidget(parent), radius_(radius), top_(top), bottom_(bottom)
{
}

void GradientCard::paintEvent(QPaintEvent*)
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
