#include "ui/design/HandToggle.h"

#include "platform/Text.h"
#include "look/Palette.h"
#include "ui/design/Decoration.h"
#include "ui/design/Shapes.h"
#include "ui/design/Text.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace tq {

namespace {
constexpr int kRing = 3;
constexpr QSizeF kCompact(28, 16);

// A check box whose value is "On" or "Off", named by the row's label.
class ToggleAccessible final : public QAccessibleWidget {
public:
    explicit ToggleAccessible(HandToggle* t) : QAccessibleWidget(t, QAccessible::CheckBox) {}
    HandToggle* toggle() const { return static_cast<HandToggle*>(widget()); }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = toggle()->isChecked();
        return s;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return toggle()->isChecked() ? tq::text("On") : tq::text("Off");
        if (t == QAccessible::Name) {
            const QString name = QAccessibleWidget::text(t);
            return name.isEmpty() ? toggle()->text() : name;
        }
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override
    {
        return QStringList{QAccessibleActionInterface::toggleAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& name) override
    {
        if (name == QAccessibleActionInterface::toggleAction() || name == QAccessibleActionInterface::pressAction()) {
            if (toggle()->isEnabled())
                toggle()->click();
            return;
        }
        QAccessibleWidget::doAction(name);
    }
};

QAccessibleInterface* toggleFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tq::HandToggle") && object && object->isWidgetType())
        return new ToggleAccessible(static_cast<HandToggle*>(object));
    return nullptr;
}
} // namespace

HandToggle::HandToggle(MotionContext& motion, QWidget* parent)
    : QAbstractButton(parent), motion_(motion), knob_(motion.frames(), 0), driver_(motion.frames(), this)
{
    static const bool factory = [] {
        QAccessible::installFactory(toggleFactory);
        return true;
    }();
    Q_UNUSED(factory);
    setCheckable(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    row_ = new QHBoxLayout(this);
    row_->setSpacing(0);
    placeLabel();
    connect(this, &QAbstractButton::toggled, this, [this] {
        follow(userToggle_);
        userToggle_ = false;
    });
    updateAccessibleValue();
}

HandToggle::HandToggle(const QString& label, MotionContext& motion, QWidget* parent) : HandToggle(motion, parent)
{
    setText(label);
    auto* l = new QLabel(label, this);
    setLabelColour(l, palette::paper());
    setLabelWidget(l);
}

void HandToggle::setLabelWidget(QWidget* label)
{
    if (label_) {
        row_->removeWidget(label_);
        label_->deleteLater();
    }
    label_ = label;
    if (label_) {
        label_->setParent(this);
        label_->setAttribute(Qt::WA_TransparentForMouseEvents);
        row_->addWidget(label_, 1);
        // The text that names the toggle is not read a second time; a detail beside it is.
        QList<QLabel*> labels = label_->findChildren<QLabel*>();
        if (auto* own = qobject_cast<QLabel*>(label_))
            labels.prepend(own);
        const QString name = accessibleName().isEmpty() ? text() : accessibleName();
        for (QLabel* l : labels) {
            if (name.isEmpty() || l->text() != name)
                continue;
            markDecorative(l);
            // A label whose text was set has its accessible object already: made again as decoration.
            if (QAccessibleInterface* made = QAccessible::queryAccessibleInterface(l); made && made->role() != QAccessible::Graphic)
                QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
        }
    }
    updateGeometry();
}

void HandToggle::setCompact(bool compact)
{
    if (compact_ == compact)
        return;
    compact_ = compact;
    placeLabel();
    updateGeometry();
    update();
}

QSizeF HandToggle::switchSize() const
{
    return compact_ ? kCompact : QSizeF(kWidth, kHeight);
}

// The label keeps clear of the switch at the trailing end (the left, right to left).
void HandToggle::placeLabel()
{
    const int room = int(switchSize().width()) + 12 + kRing;
    if (layoutDirection() == Qt::RightToLeft)
        row_->setContentsMargins(room, kRing, 0, kRing);
    else
        row_->setContentsMargins(0, kRing, room, kRing);
}

QRectF HandToggle::switchRect() const
{
    const QSizeF s = switchSize();
    return visualRect(layoutDirection(), width(), QRectF(width() - kRing - s.width(), (height() - s.height()) / 2, s.width(), s.height()));
}

QSize HandToggle::sizeHint() const
{
    const QSize label = label_ ? label_->sizeHint() : QSize(0, 0);
    const QSize s = switchSize().toSize();
    return QSize(label.width() + 8 + 12 + s.width() + kRing, std::max(label.height(), s.height()) + 2 * kRing);
}

QSize HandToggle::minimumSizeHint() const
{
    const QSize label = label_ ? label_->minimumSizeHint() : QSize(0, 0);
    const QSize s = switchSize().toSize();
    return QSize(std::max(label.width(), 0) + 8 + 12 + s.width() + kRing, s.height() + 2 * kRing);
}

bool HandToggle::hasHeightForWidth() const
{
    return label_ && label_->hasHeightForWidth();
}

int HandToggle::heightForWidth(int width) const
{
    const QSize s = switchSize().toSize();
    const int labelWidth = width - (12 + s.width() + kRing);
    const int h = label_ ? label_->heightForWidth(labelWidth) : 0;
    return std::max(h, s.height()) + 2 * kRing;
}

void HandToggle::nextCheckState()
{
    userToggle_ = true;
    QAbstractButton::nextCheckState();
    userToggle_ = false;
}

void HandToggle::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    if (event->type() == QEvent::LayoutDirectionChange) {
        placeLabel();
        update();
    }
    QAbstractButton::changeEvent(event);
}

void HandToggle::follow(bool byUser)
{
    const double target = isChecked() ? 1 : 0;
    if (byUser && !motion_.reduceMotion()) {
        knob_.animateTo(target, Animation::springy(0.22, 0.85));
        driver_.run([this] { return knob_.isMoving(); });
    } else {
        knob_.setTo(target);
        update();
    }
    updateAccessibleValue();
}

void HandToggle::updateAccessibleValue()
{
    setAccessibleDescription(isChecked() ? tq::text("On") : tq::text("Off"));
}

void HandToggle::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF sw = switchRect();
    const double k = knob_.value();
    p.setOpacity(isEnabled() ? 1 : 0.45);

    const QPainterPath track = continuousCapsule(sw);
    p.setPen(Qt::NoPen);
    // Track colour and border cross-fade with the knob.
    p.setBrush(QColor::fromRgbF(1, 1, 1, 0.14 * (1 - k)));
    p.drawPath(track);
    p.setBrush(palette::withOpacity(palette::gold(), k));
    p.drawPath(track);
    p.setPen(QPen(QColor::fromRgbF(1, 1, 1, 0.1 * (1 - k)), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(continuousCapsule(sw.adjusted(0.5, 0.5, -0.5, -0.5)));

    // Off at the leading end, on at the trailing end: mirrored right to left.
    const double d = sw.height() - 4;
    const double travel = layoutDirection() == Qt::RightToLeft ? 1 - k : k;
    const QRectF knob(sw.left() + 2 + (sw.width() - 4 - d) * travel, sw.top() + 2, d, d);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgbF(0, 0, 0, 0.35));
    p.drawEllipse(knob.translated(0, 1).adjusted(-0.75, -0.75, 0.75, 0.75));
    p.setBrush(Qt::white);
    p.drawEllipse(knob);

    if (hasFocus()) {
        p.setPen(QPen(palette::gold(), 2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(continuousCapsule(sw.adjusted(-2, -2, 2, 2)));
    }
}

} // namespace tq
