#pragma once
// Decorative widgets (marks, seals, bursts, shades) are left out for screen readers: their
// accessible object reports itself invisible. A group (a streak block, a privacy badge) is read
// as one element: its name, none of its children.

#include <QAccessible>
#include <QString>

class QAbstractButton;
class QWidget;

namespace tq {

void markDecorative(QWidget* widget);
bool isDecorative(const QWidget* widget);
// A checkable button that stands for one choice among several (a card in a list): screen
// readers hear it as selected or not rather than as a checked box, as one element whose
// description carries what its labels add; with the radio button role (a segment), as a radio
// button checked or not. Call before its accessible face is first asked for (before setText),
// and selectionChanged after its checked state changes.
void markSelectable(QAbstractButton* button, QAccessible::Role role = QAccessible::Button);
void selectionChanged(QAbstractButton* button);
// Set before the group is first shown; change the name later with setAccessibleName.
void groupForAccessibility(QWidget* group, const QString& name, QAccessible::Role role = QAccessible::StaticText);

} // namespace tq
