#pragma once
// Battery: whether the computer runs on battery now, and the three settings that apply only
// then. The lighter-model picker shows only for the server engines.

#include "ui/settings/SettingsContext.h"

#include <QWidget>

class QComboBox;
class QLabel;

namespace tq {

class SettingRow;
class SettingToggle;
class SymbolView;

class BatteryPane final : public QWidget {
    Q_OBJECT
public:
    explicit BatteryPane(SettingsContext& context, QWidget* parent = nullptr);

    QLabel* powerText() const { return powerText_; }
    SettingToggle* onDemandToggle() const { return onDemand_; }
    SettingToggle* shorterToggle() const { return shorter_; }
    // Visible only while the chosen engine uses a server.
    SettingRow* modelRow() const { return modelRow_; }
    QComboBox* modelBox() const { return model_; }

private:
    void refresh();
    void refreshPower();

    SettingsContext& c_;
    SymbolView* powerSymbol_ = nullptr;
    QLabel* powerText_ = nullptr;
    SettingToggle* onDemand_ = nullptr;
    SettingToggle* shorter_ = nullptr;
    SettingRow* modelRow_ = nullptr;
    QComboBox* model_ = nullptr;
};

} // namespace tq
