#include "ui/design/Decoration.h"

#include <QAccessibleWidget>
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

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (object && object->isWidgetType() && object->property(kProperty).toBool())
        return new DecorationAccessible(static_cast<QWidget*>(object));
    return nullptr;
}
} // namespace

void markDecorative(QWidget* widget)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    widget->setProperty(kProperty, true);
}

bool isDecorative(const QWidget* widget)
{
    return widget->property(kProperty).toBool();
}

} // namespace tq
