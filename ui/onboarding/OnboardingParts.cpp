#include "ui/onboarding/OnboardingParts.h"

#include "platform/Text.h"
#include "platform/TrayHost.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tq {

StepHeader::StepHeader(const QString& title, const QString& detail, QWidget* parent) : QWidget(parent)
{
    auto* column = bareColumn(this, 10);
    auto* t = makeLabel(title, fonts::system(28, QFont::DemiBold), palette::paper(), true, this);
    t->setAccessibleName(title);
    t->setObjectName(QStringLiteral("stepTitle"));
    column->addWidget(t);
    column->addWidget(makeLabel(detail, fonts::Role::title3, palette::paperDim(), true, this));
}

Bullet::Bullet(const QString& symbol, const QString& text, QWidget* parent) : QWidget(parent)
{
    auto* row = bareRow(this, 12);
    auto* icon = new QLabel(this);
    icon->setFixedWidth(18);
    icon->setPixmap(symbols::pixmap(symbol, 16, palette::gold(), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    markDecorative(icon);
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(makeLabel(text, fonts::system(14), palette::paper(), true, this), 1);
}


InkCard::InkCard(double radius, QWidget* parent) : QWidget(parent), radius_(radius) {}

void InkCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintCardBackground(p, QRectF(rect()), radius_);
}

} // namespace tq
