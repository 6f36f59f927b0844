#include "ui/onboarding/OnboardingParts.h"

#include "ui/design/Buttons.h"
#include "ui/design/Fonts.h"
#include "ui/design/Palette.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace tq {

StepHeader::StepHeader(const QString& title, const QString& detail, QWidget* parent) : QWidget(parent)
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(10);
    auto* t = makeLabel(title, palette::paper(), fonts::system(28, QFont::DemiBold), true, this);
    t->setAccessibleName(title);
    t->setObjectName(QStringLiteral("stepTitle"));
    column->addWidget(t);
    column->addWidget(makeLabel(detail, palette::paperDim(), fonts::system(15), true, this));
}

Bullet::Bullet(const QString& symbol, const QString& text, QWidget* parent) : QWidget(parent)
{
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(12);
    auto* icon = new QLabel(this);
    icon->setFixedWidth(18);
    icon->setPixmap(symbols::pixmap(symbol, 16, palette::gold(), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    icon->setAccessibleName(QString());
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(makeLabel(text, palette::paper(), fonts::system(14), true, this), 1);
}

InkCard::InkCard(double radius, QWidget* parent) : QWidget(parent), radius_(radius) {}

void InkCard::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    paintCardBackground(p, QRectF(rect()), radius_);
}

} // namespace tq
