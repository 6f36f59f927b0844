#include "ui/settings/AppsSheet.h"

#include "platform/Text.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"

#include <QDialog>
#include <QVBoxLayout>

namespace tq {

QAbstractButton* addSheetButtons(QDialog* sheet, QVBoxLayout* column, MotionContext& motion)
{
    QHBoxLayout* buttons = bareRow(nullptr, 8);
    buttons->addStretch(1);
    auto* cancel = new HandButton(text("Cancel"), sheet);
    auto* add = new PrimaryButton(text("Add"), motion, sheet);
    buttons->addWidget(cancel, 0, Qt::AlignVCenter);
    buttons->addWidget(add, 0, Qt::AlignVCenter);
    column->addLayout(buttons);
    QObject::connect(cancel, &QAbstractButton::clicked, sheet, &QDialog::reject);
    return add;
}

} // namespace tq
