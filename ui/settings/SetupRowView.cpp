#include "ui/settings/SetupRowView.h"

#include "look/Palette.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/design/Text.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tq {

SetupRowView::SetupRowView(QWidget* parent) : QWidget(parent)
{
    iconSlot_ = new QWidget(this);
    iconSlot_->setFixedSize(22, 22);
    new QHBoxLayout(iconSlot_);
    iconSlot_->layout()->setContentsMargins(0, 0, 0, 0);

    title_ = makeLabel(QString(), fonts::font(fonts::Role::body, QFont::Medium), palette::paper(), true, this);
    detail_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, this);
    noteRow_ = new QWidget(this);
    auto* noteLine = new QHBoxLayout(noteRow_);
    noteLine->setContentsMargins(0, 4, 0, 0);
    noteLine->setSpacing(6);
    noteLine->addWidget(new SymbolView(QStringLiteral("info.circle"), 14, palette::paperDim(), noteRow_), 0, Qt::AlignTop);
    note_ = makeLabel(QString(), fonts::Role::callout, palette::paperDim(), true, noteRow_);
    noteLine->addWidget(note_, 1);
    noteRow_->hide();

    auto* texts = new QVBoxLayout;
    texts->setContentsMargins(0, 2, 0, 0);
    texts->setSpacing(3);
    texts->addWidget(title_);
    texts->addWidget(detail_);
    texts->addWidget(noteRow_);
    auto* head = new QHBoxLayout;
    head->setSpacing(14);
    head->addWidget(iconSlot_, 0, Qt::AlignTop);
    head->addLayout(texts, 1);

    actions_ = new QWidget(this);
    auto* actionRow = new QHBoxLayout(actions_);
    actionRow->setContentsMargins(0, 0, 0, 0);
    actionRow->setSpacing(8);
    actions_->hide();

    outer_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
    outer_->setContentsMargins(0, 0, 0, 0);
    outer_->setSpacing(14);
    outer_->addLayout(head, 1);
    outer_->addWidget(actions_, 0, Qt::AlignVCenter);
}

void SetupRowView::setIcon(QWidget* icon)
{
    if (QLayoutItem* old = iconSlot_->layout()->takeAt(0)) {
        QWidget* was = old->widget();
        delete old;
        // Out of the layout it stays where it was, under the new icon, until it is gone.
        if (was)
            disappear(was, [was] { delete was; });
    }
    icon->setParent(iconSlot_);
    iconSlot_->layout()->addWidget(icon);
    iconSlot_->layout()->setAlignment(icon, Qt::AlignCenter);
    icon->show();
}

void SetupRowView::setTexts(const QString& title, const QString& detail, const QString& note)
{
    title_->setText(title);
    detail_->setText(detail);
    detail_->setVisible(!detail.isEmpty());
    if (!note.isEmpty()) {
        const bool appears = noteRow_->isHidden() || noteLeaving_;
        noteLeaving_ = false;
        note_->setText(note);
        noteRow_->setVisible(true);
        if (appears && onAppear)
            onAppear(noteRow_);
    } else if (!noteRow_->isHidden() && !noteLeaving_) {
        // The note keeps its words while it fades.
        noteLeaving_ = true;
        disappear(noteRow_, [this] {
            if (!noteLeaving_)
                return;
            noteLeaving_ = false;
            noteRow_->hide();
            note_->clear();
        });
    }
}

QString SetupRowView::title() const
{
    return title_->text();
}

void SetupRowView::setButtons(const QList<QAbstractButton*>& buttons)
{
    const bool wereLeaving = !leaving_.isEmpty();
    qDeleteAll(leaving_);
    leaving_.clear();
    if (buttons.isEmpty() && !buttons_.isEmpty() && !actions_->isHidden()) {
        // The buttons keep their room while they fade, then go.
        leaving_ = buttons_;
        buttons_.clear();
        disappear(actions_, [this] {
            if (!buttons_.isEmpty())
                return;
            qDeleteAll(leaving_);
            leaving_.clear();
            actions_->hide();
        });
        return;
    }
    for (QAbstractButton* b : buttons_)
        delete b;
    buttons_ = buttons;
    for (QAbstractButton* b : buttons_) {
        b->setParent(actions_);
        actions_->layout()->addWidget(b);
    }
    const bool appears = (actions_->isHidden() || wereLeaving) && !buttons_.isEmpty();
    actions_->setVisible(!buttons_.isEmpty());
    if (appears && onAppear)
        onAppear(actions_);
}

void SetupRowView::disappear(QWidget* part, std::function<void()> gone)
{
    if (onDisappear)
        onDisappear(part, std::move(gone));
    else
        gone();
}

void SetupRowView::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Side by side when the buttons fit beside the texts, else under them, indented.
    const bool narrow = !(buttons_.isEmpty() && leaving_.isEmpty()) && width() < 300 + actions_->sizeHint().width();
    const QBoxLayout::Direction dir = narrow ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight;
    if (outer_->direction() != dir) {
        outer_->setDirection(dir);
        outer_->setSpacing(narrow ? 10 : 14);
        actions_->setContentsMargins(narrow ? 36 : 0, 0, 0, 0);
        outer_->setAlignment(actions_, narrow ? Qt::AlignLeft : Qt::AlignVCenter);
    }
}

} // namespace tq
