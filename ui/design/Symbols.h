#pragma once
// Every symbol the windows show, drawn in code in one stroke weight and tinted at run time.
// Symbols go by the names the windows use ("checkmark.circle.fill", "gearshape"); a name
// ending in ".fill" that has no drawing of its own is its outline filled, details cut out.

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPainter;

namespace tq::symbols {

// The names with a drawing of their own, sorted.
QStringList names();
// Every symbol the windows name (subsystems of the menu bar, onboarding and settings).
QStringList windowSymbols();
// True for those names and for their ".fill" forms.
bool exists(const QString& name);
// Paints `name` inside `box` (a square fits best) in `colour`. Unknown names paint nothing.
void paint(QPainter& painter, const QString& name, const QRectF& box, const QColor& colour);
QPixmap pixmap(const QString& name, int size, const QColor& colour, double devicePixelRatio = 1.0);
QIcon icon(const QString& name, const QColor& colour);

} // namespace tq::symbols
