#pragma once
// About: the mark, name, version and tagline, what happens to the user's text, four
// maintenance buttons (one row, or two rows of two when narrow), the reset with its
// confirmation, and the open-source notices.

#include "ui/design/Confirmation.h"
#include "ui/settings/SettingsContext.h"

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLabel;

namespace tq {

// Lays its buttons out in one centred row when they fit, else in a centred grid of two columns.
class ButtonFlow final : public QWidget {
    Q_OBJECT
public:
    ButtonFlow(const QList<QAbstractButton*>& buttons, int spacing, QWidget* parent = nullptr);
    bool isOneRow() const { return oneRow_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QList<int> widths() const;
    int rowHeight() const;
    QList<QAbstractButton*> buttons_;
    int spacing_;
    bool oneRow_ = true;
};

class AboutPane final : public QWidget {
    Q_OBJECT
public:
    explicit AboutPane(SettingsContext& context, QWidget* parent = nullptr);

    void openDataFolder();
    void showWelcomeAgain();
    void playIntroAgain();
    void openNotices();
    void askReset();
    void resetSettings();

    QLabel* version() const { return version_; }
    ButtonFlow* buttons() const { return flow_; }
    QAbstractButton* button(int index) const { return buttons_.value(index); }
    QAbstractButton* noticesButton() const { return notices_; }
    Confirmation* resetDialog() const { return dialog_; }

private:
    SettingsContext& c_;
    QLabel* version_;
    ButtonFlow* flow_;
    QList<QAbstractButton*> buttons_;
    QAbstractButton* notices_;
    QPointer<Confirmation> dialog_;
};

} // namespace tq
