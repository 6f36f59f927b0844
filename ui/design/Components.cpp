#include "ui/design/Components.h"

#include "settings/Preferences.h"
#include "ui/design/Animation.h"
#include "ui/design/Decoration.h"
#include "ui/design/Fonts.h"
#include "look/Palette.h"
#include "ui/design/Shapes.h"
#include "ui/design/Symbols.h"
#include "ui/design/Text.h"
#include "ui/design/Formatters.h"

#include <QAccessibleValueInterface>
#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>
#include <QStyle>

#include <cmath>

namespace tq {

namespace {
template <typename Layout>
Layout* bare(QWidget* owner, int spacing)
{
    auto* l = owner ? new Layout(owner) : new Layout;
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(spacing);
    return l;
}
} // namespace

QVBoxLayout* bareColumn(QWidget* owner, int spacing) { return bare<QVBoxLayout>(owner, spacing); }
QHBoxLayout* bareRow(QWidget* owner, int spacing) { return bare<QHBoxLayout>(owner, spacing); }

// ---- divider

Divider::Divider(Qt::Orientation orientation, QWidget* parent, const QColor& colour)
    : QWidget(parent), orientation_(orientation), colour_(colour.isValid() ? colour : palette::hairline())
{
    if (orientation == Qt::Horizontal) {
        setFixedHeight(1);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    } else {
        setFixedWidth(1);
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    }
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Divider::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), colour_);
}

// ---- pill

namespace {
constexpr double kPillPadX = 8, kPillPadY = 3, kPillGap = 4, kPillSymbol = 10;
}

Pill::Pill(const QString& text, const QColor& tint, const QString& symbol, QWidget* parent, Fill fill)
    : QWidget(parent), text_(text), symbol_(symbol), tint_(tint), fill_(fill)
{
    setFont(fonts::font(fonts::Role::caption, fill == Fill::solid ? QFont::Bold : QFont::DemiBold));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
}

QSize Pill::sizeHint() const
{
    const QFontMetricsF m(font());
    double w = 2 * kPillPadX + m.horizontalAdvance(text_);
    if (!symbol_.isEmpty())
        w += kPillSymbol + kPillGap;
    return QSize(int(std::ceil(w)), int(std::ceil(m.height() + 2 * kPillPadY)));
}

void Pill::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(rect());
    p.setPen(Qt::NoPen);
    const bool solid = fill_ == Fill::solid;
    p.setBrush(solid ? tint_ : palette::withOpacity(tint_, 0.12));
    p.drawPath(continuousRect(r, r.height() / 2));
    const QColor ink = solid ? palette::ink() : tint_;
    QRectF content = r.adjusted(kPillPadX, 0, -kPillPadX, 0);
    if (!symbol_.isEmpty()) {
        const QRectF box(content.left(), r.center().y() - kPillSymbol / 2, kPillSymbol, kPillSymbol);
        symbols::paint(p, symbol_, visualRect(layoutDirection(), width(), box), ink);
        content.setLeft(content.left() + kPillSymbol + kPillGap);
    }
    p.setPen(ink);
    p.setFont(font());
    p.drawText(visualRect(layoutDirection(), width(), content),
               QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter), text_);
}

// ---- segmented control

namespace {
class Segment final : public QAbstractButton {
public:
    Segment(const QString& text, QWidget* parent) : QAbstractButton(parent)
    {
        markSelectable(this, QAccessible::RadioButton); // before its accessible face is made: not a check box
        connect(this, &QAbstractButton::toggled, this, [this] { selectionChanged(this); });
        setText(text);
        setCheckable(true);
        setCursor(Qt::PointingHandCursor);
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_Hover);
        setFont(fonts::font(fonts::Role::callout));
    }
    QSize sizeHint() const override
    {
        QFont bold = font();
        bold.setWeight(QFont::DemiBold);
        const QFontMetricsF m(bold);
        return QSize(int(std::ceil(m.horizontalAdvance(text()))) + 24, int(std::ceil(m.height())) + 10);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
        if (isChecked()) {
            p.setPen(Qt::NoPen);
            p.setBrush(palette::gold());
            p.drawPath(continuousRect(r, 5));
        } else if (underMouse() && isEnabled()) {
            p.setPen(Qt::NoPen);
            p.setBrush(palette::washSoft());
            p.drawPath(continuousRect(r, 5));
        }
        QFont f = font();
        if (isChecked())
            f.setWeight(QFont::DemiBold);
        p.setFont(f);
        const QColor text = isChecked() ? palette::ink() : palette::paper();
        p.setPen(isEnabled() ? text : palette::withOpacity(text, 0.45));
        p.drawText(r, Qt::AlignCenter, this->text());
        if (hasFocus()) {
            p.setPen(QPen(palette::gold(), 2));
            p.setBrush(Qt::NoBrush);
            p.drawPath(continuousRect(r, 5));
        }
    }
};

class SegmentFrame final : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(palette::hairline(), 1));
        p.setBrush(palette::inkRaised());
        p.drawPath(continuousRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 7));
    }
};
} // namespace

SegmentedControl::SegmentedControl(const QString& accessibleName, QWidget* parent) : QWidget(parent)
{
    setAccessibleName(accessibleName);
    auto* outer = bareRow(this);
    auto* frame = new SegmentFrame(this);
    outer->addWidget(frame);
    row_ = bareRow(frame, 2);
    row_->setContentsMargins(2, 2, 2, 2);
    group_ = new QButtonGroup(this);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, &SegmentedControl::chosen);
}

QAbstractButton* SegmentedControl::addSegment(const QString& text)
{
    auto* s = new Segment(text, row_->parentWidget());
    group_->addButton(s, count());
    row_->addWidget(s);
    return s;
}

void SegmentedControl::setCurrentIndex(int index)
{
    if (QAbstractButton* b = group_->button(index))
        b->setChecked(true);
}

int SegmentedControl::currentIndex() const { return group_->checkedId(); }
int SegmentedControl::count() const { return int(group_->buttons().size()); }

// ---- spoken slider

namespace {
class SpokenSliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SpokenSliderAccessible(SpokenSlider* s) : QAccessibleWidget(s, QAccessible::Slider) {}
    SpokenSlider* slider() const { return static_cast<SpokenSlider*>(widget()); }
    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return slider()->spokenText();
        if (t == QAccessible::Description) {
            // AT-SPI carries no value text of its own: the shown value leads the description.
            const QString own = QAccessibleWidget::text(t);
            const QString shown = slider()->spokenText();
            return own.isEmpty() ? shown : shown.isEmpty() ? own : spokenParts({shown, own});
        }
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return slider()->spokenValue(slider()->value()); }
    void setCurrentValue(const QVariant& value) override
    {
        const double step = slider()->perStep();
        if (step != 0)
            slider()->setValue(int(std::lround((value.toDouble() - slider()->spokenValue(0)) / step)));
    }
    QVariant maximumValue() const override { return slider()->spokenValue(slider()->maximum()); }
    QVariant minimumValue() const override { return slider()->spokenValue(slider()->minimum()); }
    QVariant minimumStepSize() const override { return slider()->perStep() * slider()->singleStep(); }
};

QAccessibleInterface* spokenSliderFactory(const QString&, QObject* object)
{
    if (auto* s = qobject_cast<SpokenSlider*>(object))
        return new SpokenSliderAccessible(s);
    return nullptr;
}
} // namespace

SpokenSlider::SpokenSlider(QWidget* parent) : QSlider(Qt::Horizontal, parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(spokenSliderFactory);
        return true;
    }();
    Q_UNUSED(installed);
    connect(this, &QSlider::valueChanged, this, [this] {
        if (!text_)
            return;
        QAccessibleEvent changed(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    });
}

void SpokenSlider::speak(double offset, double perStep, std::function<QString(int)> text)
{
    offset_ = offset;
    perStep_ = perStep;
    text_ = std::move(text);
}

// ---- slider with labels

ValueSlider::ValueSlider(const QString& accessibleName, int minimum, int maximum, QWidget* parent) : QWidget(parent)
{
    auto* row = bareRow(this, 8);
    slider_ = new SpokenSlider(this);
    slider_->setRange(minimum, maximum);
    slider_->setAccessibleName(accessibleName);
    slider_->setCursor(Qt::PointingHandCursor);
    row->addWidget(slider_);
    connect(slider_, &QSlider::valueChanged, this, &ValueSlider::refreshValue);
}

void ValueSlider::setEndLabels(const QString& leading, const QString& trailing)
{
    auto* row = static_cast<QHBoxLayout*>(layout());
    leading_ = makeLabel(leading, fonts::Role::caption, palette::paperDim(), false, this);
    trailing_ = makeLabel(trailing, fonts::Role::caption, palette::paperDim(), false, this);
    row->insertWidget(0, leading_);
    row->insertWidget(row->indexOf(slider_) + 1, trailing_);
}

void ValueSlider::showValue(std::function<QString(int)> format, int width, double offset, double perStep)
{
    format_ = std::move(format);
    slider_->speak(offset, perStep, format_);
    if (!value_) {
        value_ = makeLabel(QString(), fonts::tabularDigits(fonts::pixelSize(fonts::Role::callout)), palette::paperDim(),
                           false, this);
        value_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        markDecorative(value_); // the slider says its value
        layout()->addWidget(value_);
    }
    value_->setFixedWidth(width);
    refreshValue();
}

void ValueSlider::setSliderWidth(int width) { slider_->setFixedWidth(width); }

void ValueSlider::showTicks()
{
    slider_->setSingleStep(1);
    slider_->setPageStep(1);
    slider_->setTickInterval(1);
    slider_->setTickPosition(QSlider::TicksBelow);
}

void ValueSlider::setValue(int value)
{
    {
        QSignalBlocker quiet(slider_);
        slider_->setValue(value);
    }
    refreshValue();
}

void ValueSlider::refreshValue()
{
    if (value_ && format_)
        value_->setText(format_(slider_->value()));
}

// ---- spinner

ActivitySpinner::ActivitySpinner(MotionContext& motion, int size, QWidget* parent)
    : QWidget(parent), motion_(motion), driver_(motion.frames(), this)
{
    setFixedSize(size, size);
}

void ActivitySpinner::showEvent(QShowEvent*)
{
    if (!motion_.reduceMotion())
        driver_.run([] { return true; });
}

void ActivitySpinner::hideEvent(QHideEvent*) { driver_.stop(); }

void ActivitySpinner::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double turn = motion_.reduceMotion() ? 0 : std::fmod(motion_.frames().seconds(), 1.0) * 360.0;
    const double line = std::max(1.5, width() / 8.0);
    p.setPen(QPen(palette::paperDim(), line, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(rect()).adjusted(line, line, -line, -line), int(-turn * 16), 270 * 16);
}

// ---- preference toggles

void bind(QAbstractButton* toggle, Preferences& prefs, bool (Preferences::*get)() const, void (Preferences::*set)(const bool&),
          bool inverted)
{
    auto show = [toggle, &prefs, get, inverted] {
        // setChecked() does not click, so showing never writes.
        toggle->setChecked((prefs.*get)() != inverted);
    };
    show();
    QObject::connect(&prefs, &Preferences::changed, toggle, [show](const QString&) { show(); });
    QObject::connect(toggle, &QAbstractButton::clicked, toggle,
                     [&prefs, set, inverted](bool on) { (prefs.*set)(on != inverted); });
}

class EmptyState::Mark final : public QWidget {
public:
    explicit Mark(QWidget* parent) : QWidget(parent) { setFixedSize(30, 30); }
    QString name;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        symbols::paint(p, name, rect(), palette::paperDim());
    }
};

EmptyState::EmptyState(const QString& symbol, const QString& title, const QString& detail, QWidget* parent)
    : QWidget(parent), mark_(new Mark(this)),
      title_(makeLabel(QString(), fonts::font(fonts::Role::title3, QFont::DemiBold), palette::paper(), true, this)),
      detail_(makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, this))
{
    QVBoxLayout* column = bareColumn(this, 6);
    column->setContentsMargins(16, 0, 16, 0);
    column->addStretch(1);
    column->addWidget(mark_, 0, Qt::AlignHCenter);
    column->addSpacing(4);
    column->addWidget(title_);
    column->addWidget(detail_);
    column->addStretch(2);
    title_->setAlignment(Qt::AlignCenter);
    detail_->setAlignment(Qt::AlignCenter);
    setSymbol(symbol);
    setTexts(title, detail);
}

void EmptyState::setTexts(const QString& title, const QString& detail)
{
    title_->setText(title);
    detail_->setText(detail);
    detail_->setVisible(!detail.isEmpty());
    setAccessibleName(spokenParts({title, detail}));
}

void EmptyState::setSymbol(const QString& symbol)
{
    mark_->name = symbol;
    mark_->setVisible(!symbol.isEmpty());
    mark_->update();
}

QString EmptyState::title() const { return title_->text(); }

} // namespace tq
