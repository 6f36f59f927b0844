#include "ui/design/WheelGuard.h"

#include <QAbstractScrollArea>
#include <QAbstractSlider>
#include <QApplication>
#include <QComboBox>
#include <QScrollBar>
#include <QWheelEvent>

namespace tq {

namespace {

const char* kGuarded = "tqWheelGuard";

bool isGuardedControl(const QObject* o)
{
    return (qobject_cast<const QComboBox*>(o) || qobject_cast<const QAbstractSlider*>(o)) && !qobject_cast<const QScrollBar*>(o);
}

// The guarded area whose content holds `w`, or null.
QAbstractScrollArea* guardingArea(QWidget* w)
{
    for (QWidget* up = w; up && !up->isWindow(); up = up->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(up->parentWidget());
        if (area && area->viewport() == up && area->property(kGuarded).toBool())
            return area;
    }
    return nullptr;
}

// The scroll area nearest to `w` inside `outer` (a list within a form scrolls itself first).
QAbstractScrollArea* nearestArea(QWidget* w, QAbstractScrollArea* outer)
{
    for (QWidget* up = w; up && up != outer; up = up->parentWidget()) {
        auto* area = qobject_cast<QAbstractScrollArea*>(up->parentWidget());
        if (area && area->viewport() == up)
            return area;
    }
    return outer;
}

class WheelGuardFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Wheel && type != QEvent::Polish)
            return false;
        if (!isGuardedControl(watched))
            return false;
        auto* control = static_cast<QWidget*>(watched);
        QAbstractScrollArea* area = guardingArea(control);
        if (!area)
            return false;
        // Qt focuses a control under a wheel turn before it delivers the turn: such a control
        // takes the focus from a click or Tab only.
        if ((control->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus)
            control->setFocusPolicy(Qt::StrongFocus);
        if (type != QEvent::Wheel || control->hasFocus())
            return false;
        auto* wheel = static_cast<QWheelEvent*>(event);
        QAbstractScrollArea* target = nearestArea(control, area);
        QWidget* viewport = target->viewport();
        const QPointF at = control->mapTo(viewport, wheel->position());
        QWheelEvent moved(at, wheel->globalPosition(), wheel->pixelDelta(), wheel->angleDelta(), wheel->buttons(),
                          wheel->modifiers(), wheel->phase(), wheel->inverted(), wheel->source(), wheel->pointingDevice());
        QCoreApplication::sendEvent(viewport, &moved);
        wheel->accept();
        return true;
    }
};

} // namespace

void guardWheel(QAbstractScrollArea* area)
{
    static WheelGuardFilter* filter = [] {
        auto* f = new WheelGuardFilter(qApp);
        qApp->installEventFilter(f);
        return f;
    }();
    Q_UNUSED(filter);
    area->setProperty(kGuarded, true);
}

} // namespace tq
