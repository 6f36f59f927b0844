#pragma once
// Decorative widgets (marks, seals, bursts, shades) are left out for screen readers: their
// accessible object reports itself invisible. A group (a streak block, a privacy badge) is read
// as one element: its name, none of its children.

#include <QAccessible>
#include <QString>

class QWidget;

namespace tq {

void markDecorative(QWidget* widget);
bool isDecorative(const QWidget* widget);
// Set before the group is first shown; change the name later with setAccessibleName.
void groupForAccessibility(QWidget* group, const QString& name, QAccessible::Role role = QAccessible::StaticText);

} // namespace tq
