#pragma once
// Pieces shared by the Apps & Sites sheets and list: the lists' style and the sheets' buttons.

#include <QString>

class QDialog;
class QPushButton;
class QVBoxLayout;

namespace tq {

class MotionContext;

QString appsListStyle();

// The sheet's Cancel and, its default, Add at the bottom right of `column`; Cancel rejects.
QPushButton* addSheetButtons(QDialog* sheet, QVBoxLayout* column, MotionContext& motion);

} // namespace tq
