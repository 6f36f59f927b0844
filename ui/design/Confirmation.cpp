#include "ui/design/Confirmation.h"

#include "platform/Text.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "look/Palette.h"
#include "ui/design/Text.h"
#include "ui/design/Theme.h"

#include <QKeyEvent>
#include <QLabel>

namespace tq {

Confirmation::Confirmation(QWidget* window, const Question& question) : QDialog(window)
{
    setObjectName(QStringLiteral("confirmation"));
    setWindowTitle(question.title);
    setAccessibleName(question.title);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    applyInkTheme(this);

    QVBoxLayout* column = bareColumn(this, 8);
    column->setContentsMargins(20, 20, 20, 16);
    QLabel* title = makeLabel(question.title, fonts::Role::headline, palette::paper(), true, this);
    title->setObjectName(QStringLiteral("confirmationTitle"));
    column->addWidget(title);
    if (!question.detail.isEmpty())
        column->addWidget(makeLabel(question.detail, fonts::Role::callout, palette::paperDim(), true, this));
    column->addSpacing(10);

    QHBoxLayout* buttons = bareRow(nullptr, 8);
    buttons->addStretch(1);
    const bool notice = question.action.isEmpty();
    const QString cancelText = !question.cancel.isEmpty() ? question.cancel : notice ? text("OK") : text("Cancel");
    cancel_ = new HandButton(cancelText, this);
    buttons->addWidget(cancel_);
    if (!notice) {
        action_ = new HandButton(question.action, this, question.destructive ? ButtonTone::destructive : ButtonTone::standard);
        buttons->addWidget(action_);
    }
    column->addLayout(buttons);
    QPushButton* preferred = notice || question.destructive ? cancel_ : action_;
    preferred->setDefault(true);
    preferred->setFocus();
    setMinimumWidth(340);
    setMaximumWidth(420);

    connect(cancel_, &QAbstractButton::clicked, this, &QDialog::reject);
    if (action_)
        connect(action_, &QAbstractButton::clicked, this, &QDialog::accept);
}

Confirmation* Confirmation::ask(QWidget* owner, const Question& question, std::function<void()> confirmed,
                                std::function<void()> dismissed)
{
    auto* sheet = new Confirmation(owner->window(), question);
    sheet->owner_ = owner;
    // The pane that asked is gone: the question goes with it, unanswered.
    connect(owner, &QObject::destroyed, sheet, [sheet] {
        sheet->answered_ = true;
        sheet->close();
    });
    connect(sheet, &QDialog::finished, sheet, [sheet, confirmed = std::move(confirmed), dismissed = std::move(dismissed)](int result) {
        if (sheet->answered_ || !sheet->owner_)
            return;
        sheet->answered_ = true;
        if (result == QDialog::Accepted) {
            if (confirmed)
                confirmed();
        } else if (dismissed) {
            dismissed();
        }
    });
    sheet->open();
    return sheet;
}

void Confirmation::keyPressEvent(QKeyEvent* event)
{
    // Return answers with the default button, whichever has the focus ring.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        for (QPushButton* b : {cancel_, action_})
            if (b && b->isDefault()) {
                b->click();
                return;
            }
    }
    QDialog::keyPressEvent(event);
}

} // namespace tq
