#include "ui/design/Keycap.h"

#include "platform/Text.h"
#include "ui/design/Components.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/design/Text.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tq {

Keycap::Keycap(const QString& text, bool onInk, QWidget* parent) : QWidget(parent), text_(text), onInk_(onInk)
{
    setFont(fonts::rounded(11, QFont::Medium));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_TranslucentBackground);
}

QSize Keycap::sizeHint() const
{
    const QFontMetricsF m(font());
    const int w = std::max(22, int(std::ceil(m.horizontalAdvance(text_) + 12)));
    const int h = std::max(20, int(std::ceil(m.height() + 4)));
    return {w, h};
}

void Keycap::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor primary = onInk_ ? palette::paper() : palette().color(QPalette::WindowText);
    const QRectF r = QRectF(rect());
    if (pressed_ > 0) {
        const double k = 1 - 0.1 * pressed_;
        p.translate(r.center() + QPointF(0, pressed_));
        p.scale(k, k);
        p.translate(-r.center());
    }
    p.setPen(Qt::NoPen);
    p.setBrush(onInk_ ? palette::wash() : palette::withOpacity(primary, 0.06));
    p.drawPath(continuousRect(r, 5));
    p.setPen(QPen(onInk_ ? palette::washBright() : palette::withOpacity(primary, 0.14), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(continuousRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 4.5));
    p.setPen(primary);
    p.setFont(font());
    p.drawText(r, Qt::AlignCenter, text_);
    if (pressed_ > 0) {
        // Brightened by 0.15 while pressed.
        p.setCompositionMode(QPainter::CompositionMode_Plus);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor::fromRgbF(1, 1, 1, float(0.15 * pressed_)));
        p.drawPath(continuousRect(r, 5));
    }
}

void Keycap::setPressed(double amount)
{
    amount = std::clamp(amount, 0.0, 1.0);
    if (qFuzzyCompare(amount + 1, pressed_ + 1))
        return;
    pressed_ = amount;
    update();
}

KeyComboView::KeyComboView(const KeyLayout& layout, std::optional<KeyCombo> combo, bool onInk, QWidget* parent)
    : QWidget(parent), layout_(layout), combo_(combo), onInk_(onInk)
{
    // The row reads as one element: the whole shortcut, not cap after cap.
    groupForAccessibility(this, QString());
    auto* row = bareRow(this, 3);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    rebuild();
}

void KeyComboView::setCombo(std::optional<KeyCombo> combo)
{
    if (combo == combo_)
        return;
    combo_ = combo;
    rebuild();
}

QStringList KeyComboView::capTexts() const
{
    return combo_ ? combo_->keycaps(layout_) : QStringList{};
}

void KeyComboView::rebuild()
{
    auto* row = static_cast<QHBoxLayout*>(layout());
    while (QLayoutItem* item = row->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    if (!combo_) {
        auto* none = new QLabel(tq::text("Not set"), this);
        const QColor base = onInk_ ? palette::paper() : palette().color(QPalette::WindowText);
        setLabelColour(none, palette::withOpacity(base, 0.62));
        row->addWidget(none);
        setAccessibleName(none->text());
    } else {
        for (const QString& part : combo_->keycaps(layout_))
            row->addWidget(new Keycap(part, onInk_, this), 0, Qt::AlignVCenter);
        setAccessibleName(combo_->displayText(layout_));
    }
    updateGeometry();
}

} // namespace tq
