#include "ui/settings/SettingsStyle.h"

#include "platform/Text.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"
#include "ui/design/WheelGuard.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

namespace tq {

namespace {
template <typename Area>
Area* fillWith(QWidget* pane, Area* area)
{
    bareColumn(pane)->addWidget(area);
    guardWheel(area); // scrolling past a picker or slider leaves it as it was
    return area;
}
} // namespace

QScrollArea* fillWithScrollArea(QWidget* pane)
{
    auto* scroll = fillWith(pane, new QScrollArea(pane));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->viewport()->setAutoFillBackground(false);
    return scroll;
}

PaneForm* fillWithForm(QWidget* pane)
{
    return fillWith(pane, new PaneForm(pane));
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
