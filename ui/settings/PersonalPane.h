#pragma once
// Your Voice: the user's standing instructions to the model, cut at a limit of user-visible
// characters with a counter, and the writing memory: its switches, its influence, how many
// passages it holds and erasing them all.

#include "ui/design/Confirmation.h"
#include "ui/settings/SettingsContext.h"

#include <QPointer>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QPlainTextEdit;
class QSlider;

namespace tq {

class SettingRow;
class SettingToggle;

class PersonalPane final : public QWidget {
    Q_OBJECT
public:
    PersonalPane(SettingsContext& context, int limit, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QLabel* counter() const { return counter_; }
    SettingToggle* memoryToggle() const { return memory_; }
    SettingToggle* recordAllToggle() const { return recordAll_; }
    QSlider* influence() const { return slider_; }
    SettingRow* influenceRow() const { return influenceRow_; }
    QLabel* passages() const { return passages_; }
    QAbstractButton* eraseButton() const { return erase_; }
    // The confirmation while it is shown.
    Confirmation* eraseDialog() const { return dialog_; }
    void askErase();
    void eraseAll();

private:
    void edited();
    void refresh();
    void refreshCounter();

    SettingsContext& c_;
    int limit_;
    QPlainTextEdit* editor_;
    QLabel* counter_;
    SettingToggle* memory_;
    SettingToggle* recordAll_;
    QSlider* slider_;
    SettingRow* influenceRow_;
    QLabel* passages_;
    QAbstractButton* erase_;
    QPointer<Confirmation> dialog_;
    bool filling_ = false;
};

} // namespace tq
