#include "ui/design/Decoration.h"

#include "ui/design/Formatters.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QLabel>
#include <QWidget>

namespace tq {

namespace {
const char* kProperty = "tqDecorative";

class DecorationAccessible final : public QAccessibleWidget {
public:
    explicit DecorationAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Graphic) {}
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        s.invisible = true;
        s.focusable = false;
        return s;
    }
    QString text(QAccessible::Text) const override { return {}; }
};

const char* kGroupRole = "tqGroupRole";

// One element for a whole group: its name speaks for the children, which stay out of the tree.
class GroupAccessible final : public QAccessibleWidget {
public:
    GroupAccessible(QWidget* w, QAccessible::Role role) : QAccessibleWidget(w, role) {}
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
};

const char* kSelectable = "tqSelectable";

// One element for a choice card: its name and description speak for the labels inside, and
// what those labels add (a status line) follows the description.
class SelectableAccessible final : public QAccessibleWidget {
public:
    SelectableAccessible(QAbstractButton* b, QAccessible::Role role) : QAccessibleWidget(b, role) {}
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        const QString own = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && own.isEmpty())
            return button()->text();
        if (t != QAccessible::Description)
            return own;
        const QString name = QAccessibleWidget::text(QAccessible::Name);
        QStringList parts{own};
        for (QWidget* w : widget()->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(widget()) || isDecorative(w))
                continue;
            QString said = w->accessibleName();
            if (said.isEmpty())
                if (auto* label = qobject_cast<QLabel*>(w))
                    said = label->text();
            if (!said.isEmpty() && said != name && !parts.contains(said))
                parts << said;
        }
        return spokenParts(parts);
    }
    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        // A radio button says its choice by its checked state, a card by being selected.
        const bool radio = role() == QAccessible::RadioButton;
        s.checkable = radio;
        s.checked = radio && button()->isChecked();
        s.selectable = !radio;
        s.selected = !radio && button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {QAccessibleActionInterface::pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == QAccessibleActionInterface::pressAction() && button()->isEnabled())
            button()->click();
    }
};

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    if (object->property(kProperty).toBool())
        return new DecorationAccessible(widget);
    if (const QVariant selectable = object->property(kSelectable); selectable.isValid())
        if (auto* b = qobject_cast<QAbstractButton*>(object))
            return new SelectableAccessible(b, QAccessible::Role(selectable.toInt()));
    const QVariant group = object->property(kGroupRole);
    if (group.isValid())
        return new GroupAccessible(widget, QAccessible::Role(group.toInt()));
    return nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}
} // namespace

void markDecorative(QWidget* widget)
{
    installFactory();
    widget->setProperty(kProperty, true);
}

void groupForAccessibility(QWidget* group, const QString& name, QAccessible::Role role)
{
    installFactory();
    group->setProperty(kGroupRole, int(role));
    group->setAccessibleName(name);
}

void markSelectable(QAbstractButton* button, QAccessible::Role role)
{
    installFactory();
    button->setProperty(kSelectable, int(role));
}

void selectionChanged(QAbstractButton* button)
{
    QAccessible::State changed;
    if (button->property(kSelectable).toInt() == int(QAccessible::RadioButton))
        changed.checked = true;
    else
        changed.selected = true;
    QAccessibleStateChangeEvent event(button, changed);
    QAccessible::updateAccessibility(&event);
}

bool isDecorative(const QWidget* widget)
{
    return widget->property(kProperty).toBool();
}

} // namespace tq
