#include "ui/settings/SetupCard.h"

#include "ui/design/Transition.h"

#include "services/Permissions.h"
#include "input/RivalWatcher.h"
#include "platform/Text.h"
#include "ui/design/Backdrop.h"
#include "ui/design/Buttons.h"
#include "ui/design/Components.h"
#include "ui/design/GrantSeal.h"
#include "look/Palette.h"
#include "ui/settings/SettingsContext.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/design/Text.h"
#include "ui/settings/Figures.h"
#include "ui/settings/SetupModel.h"
#include "ui/settings/SetupRowView.h"

#include <QHBoxLayout>
#include <cmath>
#include <QLabel>
#include <QVBoxLayout>

namespace tq {

SetupCard::SetupCard(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    setObjectName(QStringLiteral("setupCard"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* card = new Card(14, this);
    outer->addWidget(card);
    QVBoxLayout* column = card->contentLayout();
    column->setSpacing(0);
    auto* head = new QHBoxLayout;
    head->addWidget(makeLabel(text("Finish setting up"), fonts::Role::headline, palette::paper(), false, this), 0, Qt::AlignBottom);
    head->addStretch(1);
    head->addSpacing(12);
    done_ = new RollingFigure(fonts::font(fonts::Role::callout), palette::paperDim(), 1, c_.motion, this);
    head->addWidget(done_, 0, Qt::AlignBottom);
    column->addLayout(head);
    column->addSpacing(10);
    bar_ = new InkProgressBar(8, c_.motion, this);
    bar_->setAccessibleName(text("Setup progress"));
    column->addWidget(bar_);
    column->addSpacing(14);
    rows_ = new QVBoxLayout;
    rows_->setSpacing(0);
    column->addLayout(rows_);
    refresh();
}

SetupRowView* SetupCard::row(SetupItem item) const
{
    auto it = state_.find(item);
    return it == state_.end() ? nullptr : it->second.view;
}

QString SetupCard::doneText() const
{
    return done_->text();
}

void SetupCard::refresh()
{
    const SetupInputs in = setupInputs(c_);
    const QList<SetupItem> items = setupCardItems(in);

    // Rows come and go with their items (the competing applications' row).
    for (auto it = state_.begin(); it != state_.end();) {
        if (!items.contains(it->first)) {
            delete it->second.view;
            it = state_.erase(it);
        } else {
            ++it;
        }
    }
    while (QLayoutItem* item = rows_->takeAt(0)) {
        if (item->widget() && item->widget()->objectName() == QLatin1String("divider"))
            delete item->widget();
        delete item;
    }

    int done = 0;
    bool firstRow = true;
    for (SetupItem item : items) {
        const SetupProgress progress = setupProgress(item, in);
        if (progress == SetupProgress::done)
            ++done;
        RowState& st = state_[item];
        if (!st.view) {
            st.view = new SetupRowView(this);
            // A note or buttons that turn up while the card is on screen fade in.
            st.view->onAppear = [this](QWidget* part) {
                if (isVisible())
                    transitionIn(part, c_.motion, {c_.motion.pick(Animation::timing(motion::standard()))});
            };
            // They fade out the same way before they go; the spinner just goes.
            st.view->onDisappear = [this](QWidget* part, std::function<void()> gone) {
                if (!isVisible() || qobject_cast<ActivitySpinner*>(part))
                    gone();
                else
                    transitionOut(part, c_.motion, {c_.motion.pick(Animation::timing(motion::standard()))}, std::move(gone));
            };
            st.startedOpen = progress != SetupProgress::done;
        }
        if (!firstRow) {
            auto* line = new Divider(Qt::Horizontal, this);
            line->setObjectName(QStringLiteral("divider"));
            rows_->addSpacing(12);
            rows_->addWidget(line);
            rows_->addSpacing(12);
        }
        firstRow = false;
        rows_->addWidget(st.view);

        const SetupRowText t = setupRowText(item, progress, in);
        st.view->setTexts(t.title, t.detail, t.note);
        st.view->setAccessibleName(progress == SetupProgress::done ? text("Done: %1").arg(t.title) : t.title);
        if (st.shown != progress) {
            st.shown = progress;
            QWidget* icon = nullptr;
            if (progress == SetupProgress::done) {
                const bool celebrate = st.startedOpen
                                       || (item == SetupItem::accessibility && c_.permissions.justGranted(QStringLiteral("overview")));
                std::function<void()> played;
                if (item == SetupItem::accessibility)
                    played = [this] { c_.permissions.markCelebrated(QStringLiteral("overview")); };
                icon = new GrantSeal(20, celebrate, played, c_.motion);
            } else if (progress == SetupProgress::checking) {
                icon = new ActivitySpinner(c_.motion);
            } else {
                icon = new SymbolView(t.symbol, 15, palette::paperDim());
            }
            // A seal or a symbol fades in (over the one going); the spinner just turns up.
            if (progress != SetupProgress::checking && isVisible()) {
                auto* holder = new Presence(icon, c_.motion);
                holder->setPresent(false, Animation::none());
                st.view->setIcon(holder);
                holder->setPresent(true, c_.motion.pick(Animation::timing(motion::standard())));
            } else {
                st.view->setIcon(icon);
            }
        }
        QList<QAbstractButton*> buttons;
        for (const SetupButton& b : t.buttons) {
            QAbstractButton* button = makeButton(b.title, b.primary, c_.motion);
            button->setEnabled(b.enabled);
            const SetupAction action = b.action;
            connect(button, &QAbstractButton::clicked, this, [this, action] { act(action); });
            buttons.append(button);
        }
        // Keep the buttons when nothing about them changed, so focus stays put.
        bool same = buttons.size() == st.view->buttons().size();
        for (int i = 0; same && i < buttons.size(); ++i)
            same = buttons[i]->text() == st.view->buttons()[i]->text()
                   && buttons[i]->isEnabled() == st.view->buttons()[i]->isEnabled();
        if (same)
            qDeleteAll(buttons);
        else
            st.view->setButtons(buttons);
    }
    const int total = int(items.size());
    // The done count counts up (or down) with the card's standard move.
    const int from = shownDone_;
    shownDone_ = done;
    if (from < 0 || from == done || done_->text().isEmpty())
        done_->setText(setupDoneText(done, total));
    else
        done_->roll(setupDoneText(done, total),
                    [from, done, total](double p) { return setupDoneText(int(std::lround(from + (done - from) * p)), total); },
                    c_.motion.pick(Animation::timing(motion::standard())));
    bar_->setValue(double(done) / std::max(1, total));
}

void SetupCard::act(SetupAction action)
{
    switch (action) {
    case SetupAction::requestAccessibility: c_.permissions.requestAccessibility(); break;
    case SetupAction::openEngine: c_.router.setPane(SettingsPane::engine); break;
    case SetupAction::openKeyboardSettings: c_.permissions.openKeyboardSettings(); break;
    case SetupAction::turnOffPredictions:
        if (c_.hooks.turnOffSystemPredictions)
            c_.hooks.turnOffSystemPredictions();
        c_.permissions.refresh();
        break;
    case SetupAction::quitRivals: c_.rivals.quitRivals(false); break;
    case SetupAction::forceQuitRivals: c_.rivals.quitRivals(true); break;
    }
}

} // namespace tq
