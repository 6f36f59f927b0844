#include "ui/settings/AppsSheet.h"

#include "platform/Text.h"
#include "ui/design/Palette.h"
#include "ui/settings/SettingsStyle.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace tq {

QString appsListStyle()
{
    return QStringLiteral("QListWidget { background: %1; border: none; color: %2; outline: none; }"
                          "QListWidget::item { border-radius: 6px; padding: 0px; }"
                          "QListWidget::item:selected { background: %3; }")
        .arg(palette::withOpacity(palette::inkRaised(), 0.5).name(QColor::HexArgb), palette::paper().name(),
             palette::inkHighlight().name());
}

QPushButton* addSheetButtons(QDialog* sheet, QVBoxLayout* column, MotionContext& motion)
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    QAbstractButton* cancel = makeButton(text("Cancel"), false, motion, sheet);
    auto* add = new QPushButton(text("Add"), sheet);
    add->setCursor(Qt::PointingHandCursor);
    add->setDefault(true);
    add->setStyleSheet(QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 7px; padding: 5px 16px;"
                                      " font-weight: 600; } QPushButton:disabled { background: %3; color: %4; }")
                           .arg(palette::gold().name(), palette::ink().name(), palette::inkHighlight().name(),
                                palette::paperDim().name(QColor::HexArgb)));
    buttons->addWidget(cancel);
    buttons->addWidget(add);
    column->addLayout(buttons);
    QObject::connect(cancel, &QAbstractButton::clicked, sheet, &QDialog::reject);
    return add;
}


} // namespace tq
