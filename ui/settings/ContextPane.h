#pragma once
// Context: which pieces of context a suggestion may read. Six switches, the row that asks for
// window capture where the system needs a permission for it, and the privacy note.

#include "ui/settings/SettingsContext.h"

#include <QWidget>

class QAbstractButton;

namespace tq {

class FormSection;
class SettingRow;
class SettingToggle;

class ContextPane final : public QWidget {
    Q_OBJECT
public:
    explicit ContextPane(SettingsContext& context, QWidget* parent = nullptr);

    enum Switch { app, website, clipboard, screen, recent, nearby };
    SettingToggle* toggle(Switch which) const { return toggles_[which]; }
    SettingRow* screenRecordingRow() const { return captureRow_; }
    QAbstractButton* allowButton() const { return allow_; }
    // The "Allow…" button's action.
    void allowScreenRecording();

private:
    void refresh();
    SettingsContext& c_;
    SettingToggle* toggles_[6] = {};
    FormSection* section_;
    SettingRow* captureRow_;
    QAbstractButton* allow_;
};

} // namespace tq
