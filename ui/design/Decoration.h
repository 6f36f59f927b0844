#pragma once
// Decorative widgets (marks, seals, bursts, shades) are left out for screen readers: their
// accessible object reports itself invisible.

class QWidget;

namespace tq {

void markDecorative(QWidget* widget);
bool isDecorative(const QWidget* widget);

} // namespace tq
