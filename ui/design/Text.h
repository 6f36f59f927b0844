#pragma once
// Labels on ink: a colour that dims to 0.45 of itself when the label is disabled.

#include <QColor>
#include <QFont>
#include <QLabel>

namespace tq {

QLabel* makeLabel(const QString& text, const QColor& colour, const QFont& font, bool wrap = false,
                  QWidget* parent = nullptr);
void setLabelColour(QLabel* label, const QColor& colour);

// Wraps `text` into at most `maxLines` lines of `width`; the last line is elided.
QStringList wrapLines(const QString& text, const QFont& font, double width, int maxLines);

} // namespace tq
