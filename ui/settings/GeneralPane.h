#pragma once
// General: the interface language, start at login and the tray icon, where suggestions
// appear, spelling, the ghost's look, how text is inserted, the system's own predictions and
// other autocomplete apps. Every control writes its setting only when the user changes it.

#include "ui/design/Components.h"
#include "ui/settings/SettingsContext.h"

#include <QWidget>

class QAbstractButton;
class QComboBox;
class QLabel;
class QSlider;

namespace tq {

class SettingRow;
class SettingToggle;

enum class TrayHelp;

// The explanation under "Show in the system tray": what the icon does, or, while no tray runs,
// why it is missing and what brings it.
QString trayIconDetail(bool trayRunning, TrayHelp help);

// "115%" for 1.15; "+0.5 pt" for 0.5.
QString textScaleLabel(double scale);
QString verticalNudgeLabel(double points);

class GeneralPane final : public QWidget {
    Q_OBJECT
public:
    explicit GeneralPane(SettingsContext& context, QWidget* parent = nullptr);

    SettingToggle* launchAtLogin() const { return launch_; }
    QAbstractButton* wordCountToggle() const { return wordCount_; }
    SettingToggle* trayIconToggle() const { return trayIcon_; }
    QSlider* textScaleSlider() const { return scale_->slider(); }
    QLabel* textScaleValue() const { return scale_->valueLabel(); }
    QSlider* nudgeSlider() const { return nudge_->slider(); }
    QLabel* nudgeValue() const { return nudge_->valueLabel(); }
    QComboBox* insertionBox() const { return insertion_; }
    QLabel* insertionDetail() const { return insertionDetail_; }
    SettingRow* predictionsRow() const { return predictions_; }
    QAbstractButton* turnOffButton() const { return turnOff_; }

private:
    void refresh();
    void refreshPredictions();

    SettingsContext& c_;
    bool predictionsOn_ = false;
    SettingToggle* launch_ = nullptr;
    QAbstractButton* wordCount_ = nullptr;
    SettingToggle* trayIcon_ = nullptr;
    ValueSlider* scale_ = nullptr;
    ValueSlider* nudge_ = nullptr;
    QList<QAbstractButton*> ghostButtons_;
    QComboBox* insertion_ = nullptr;
    QLabel* insertionDetail_ = nullptr;
    SettingRow* predictions_ = nullptr;
    QAbstractButton* turnOff_ = nullptr;
    QWidget* offMark_ = nullptr;
    QList<std::pair<SettingToggle*, std::function<void()>>> toggles_;
};

} // namespace tq
