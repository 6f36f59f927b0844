#pragma once
// Labels on ink: a step of the type ladder and a colour that dims to 0.45 of itself when the
// label is disabled.

#include "ui/design/Fonts.h"

#include <QColor>
#include <QFont>
#include <QLabel>

namespace tq {

QLabel* makeLabel(const QString& text, fonts::Role role, const QColor& colour, bool wrap = false,
                  QWidget* parent = nullptr);
// With a weight or face other than the role's own, or an exact size of the ladder.
QLabel* makeLabel(const QString& text, const QFont& font, const QColor& colour, bool wrap = false,
                  QWidget* parent = nullptr);
// The text colour of a label, check box or radio button, dimmed when it is disabled.
void setLabelColour(QWidget* label, const QColor& colour);

// Wraps `text` into at most `maxLines` lines of `width`; the last line is elided.
QStringList wrapLines(const QString& text, const QFont& font, double width, int maxLines);

} // namespace tq
