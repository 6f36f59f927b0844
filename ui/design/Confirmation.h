#pragma once
// A question before an action, as a dark window-modal sheet over its owner's window. It never
// runs an event loop of its own: the answer arrives later, as a call. The sheet belongs to the
// window, not to the pane that asked, and closes itself when that pane goes; the answer runs
// only while the pane lives.

#include <QDialog>
#include <QPushButton>
#include <QPointer>

#include <functional>


namespace tq {

class Confirmation final : public QDialog {
    Q_OBJECT
public:
    struct Question {
        QString title;
        QString detail;          // under the title; may be empty
        QString action;          // the confirming button; empty for a notice with one button
        bool destructive = true; // a red action and Cancel the default, else the action is
        QString cancel = {};     // the dismissing button; "Cancel" (or "OK" for a notice)
    };

    // Opens the question over `owner`'s window. `confirmed` runs when the action is chosen,
    // `dismissed` when the sheet closes any other way; neither runs once `owner` is gone.
    static Confirmation* ask(QWidget* owner, const Question& question, std::function<void()> confirmed,
                             std::function<void()> dismissed = {});

    QAbstractButton* actionButton() const { return action_; }
    QAbstractButton* cancelButton() const { return cancel_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    Confirmation(QWidget* window, const Question& question);
    QPointer<QWidget> owner_;
    QPushButton* action_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool answered_ = false;
};

} // namespace tq
