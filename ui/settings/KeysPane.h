#pragma once
// Keys: the six shortcuts of the suggestion loop (each may be cleared), what an accepted word
// brings with it, what Escape does, and a warning when two shortcuts are the same.

#include "ui/settings/SettingsContext.h"

#include <QWidget>

#include <array>

class QComboBox;
class QLabel;

namespace tq {

class FormSection;
class SettingToggle;
class ShortcutRecorder;

class KeysPane final : public QWidget {
    Q_OBJECT
public:
    explicit KeysPane(SettingsContext& context, QWidget* parent = nullptr);

    // In the order of the duplicate rule: next word, whole suggestion, suggest now, other
    // suggestions, pause in this app, on or off everywhere.
    ShortcutRecorder* recorder(int index) const { return recorders_[std::size_t(index)]; }
    SettingToggle* trailingSpace() const { return space_; }
    SettingToggle* trailingPunctuation() const { return punctuation_; }
    QComboBox* escapePicker() const { return escape_; }
    QWidget* warningRow() const { return warningRow_; }
    QLabel* warning() const { return warning_; }
    QWidget* takenRow() const { return takenRow_; }
    QLabel* taken() const { return taken_; }

private:
    void refresh();
    SettingsContext& c_;
    std::array<ShortcutRecorder*, 6> recorders_{};
    SettingToggle* space_;
    SettingToggle* punctuation_;
    QComboBox* escape_;
    FormSection* shortcuts_;
    QWidget* warningRow_;
    QLabel* warning_;
    QWidget* takenRow_ = nullptr;
    QLabel* taken_ = nullptr;
};

} // namespace tq
