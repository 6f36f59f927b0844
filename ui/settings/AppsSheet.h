#pragma once
// The buttons of the Apps & Sites sheets.

class QAbstractButton;
class QDialog;
class QVBoxLayout;

namespace tq {

class MotionContext;

// The sheet's Cancel and Add, the primary action, at the bottom right of `column`; Cancel rejects.
QAbstractButton* addSheetButtons(QDialog* sheet, QVBoxLayout* column, MotionContext& motion);

} // namespace tq
