#pragma once
// The wheel in scrolling panes: a combo box or slider inside a guarded scroll area takes a wheel
// turn only while it has the keyboard focus; otherwise the turn scrolls the area, so scrolling
// past a control never changes it. A click or Tab gives the control the focus (and the wheel).

class QAbstractScrollArea;

namespace tq {

// Guards every combo box and slider in `area`'s content, those added later included.
void guardWheel(QAbstractScrollArea* area);

} // namespace tq
