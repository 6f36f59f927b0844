#include "ui/design/Confirmation.h"

#include "platform/Text.h"
#include "ui/design/Buttons.h"
#include "ui/design/Palette.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QVBoxLayout>

namespace tq {

namespace {
QLabel* sheetLabel(const QString& text, int pixels, QFont::Weight weight, const QColor& colour, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    QFont f = label->font();
    f.setPixelSize(pixels);
    f.setWeight(weight);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, colour);
    label->setPalette(pal);
    return label;
}
} // namespace

Confirmation::Confirmation(QWidget* window, const Question& question) : QDialog(window)
{
    setObjectName(QStringLiteral("confirmation"));
    setWindowTitle(question.title);
    setAccessibleName(question.title);
    setWindowModality(Qt::WindowModal);
    setAttribute(Qt::WA_DeleteOnClose);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, palette::ink());
    pal.setColor(QPalette::WindowText, palette::paper());
    pal.setColor(QPalette::Button, palette::inkHighlight());
    pal.setColor(QPalette::ButtonText, palette::paper());
    setPalette(pal);
    setAutoFillBackground(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(20, 20, 20, 16);
    column->setSpacing(8);
    QLabel* title = sheetLabel(question.title, 13, QFont::DemiBold, palette::paper(), this);
    title->setObjectName(QStringLiteral("confirmationTitle"));
    column->addWidget(title);
    if (!question.detail.isEmpty())
        column->addWidget(sheetLabel(question.detail, 12, QFont::Normal, palette::paperDim(), this));
    column->addSpacing(10);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    const bool notice = question.action.isEmpty();
    const QString cancelText = !question.cancel.isEmpty() ? question.cancel : notice ? text("OK") : text("Cancel");
    cancel_ = new HandButton(cancelText, this);
    buttons->addWidget(cancel_);
    if (!notice) {
        action_ = new HandButton(question.action, this);
        if (question.destructive) {
            QPalette red = action_->palette();
            red.setColor(QPalette::ButtonText, palette::withOpacity(QColor(0xff, 0x6b, 0x5e), 1));
            action_->setPalette(red);
        }
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
