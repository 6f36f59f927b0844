#include "ui/settings/BatteryPane.h"

#include "services/PowerMonitor.h"
#include "engines/ProviderHub.h"
#include "platform/Text.h"
#include "settings/Preferences.h"
#include "look/Palette.h"
#include "ui/design/SettingsRows.h"
#include "ui/design/Fonts.h"
#include "ui/design/Text.h"
#include "ui/settings/SettingsStyle.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tq {

BatteryPane::BatteryPane(SettingsContext& context, QWidget* parent) : QWidget(parent), c_(context)
{
    Preferences& p = c_.prefs;
    PaneForm* form = fillWithForm(this);
    QWidget* page = form->widget();

    auto* status = new QWidget(page);
    auto* statusRow = new QHBoxLayout(status);
    statusRow->setContentsMargins(0, 4, 0, 4);
    statusRow->setSpacing(8);
    powerSymbol_ = new SymbolView(QStringLiteral("powerplug"), 16, palette::paperDim(), status);
    powerText_ = makeLabel(QString(), fonts::Role::body, palette::paperDim(), true, status);
    statusRow->addWidget(powerSymbol_, 0, Qt::AlignVCenter);
    statusRow->addWidget(powerText_, 1);
    form->addSection()->addRow(status);

    FormSection* settings = form->addSection();
    onDemand_ = new SettingToggle(text("Only when I ask"),
                                  text("On battery, suggestions appear only after you press the Suggest Now shortcut."), c_.motion, page);
    settings->addRow(onDemand_);
    connect(onDemand_, &QAbstractButton::clicked, this, [&p](bool on) { p.setBatteryOnDemand(on); });
    shorter_ = new SettingToggle(text("Shorter suggestions"), text("Fewer words take less power to write."), c_.motion, page);
    settings->addRow(shorter_);
    connect(shorter_, &QAbstractButton::clicked, this, [&p](bool on) { p.setBatteryShorter(on); });
    model_ = new QComboBox(page);
    model_->setAccessibleName(text("Lighter model"));
    model_->setCursor(Qt::PointingHandCursor);
    modelRow_ = new SettingRow(text("Lighter model"), QString(), model_, page);
    modelRow_->titleLabel()->setBuddy(model_);
    settings->addRow(modelRow_);
    // Only the user's choice writes; filling the list never does.
    connect(model_, &QComboBox::activated, this, [this, &p](int i) { p.setBatteryModel(model_->itemData(i).toString()); });

    connect(&p, &Preferences::changed, this, &BatteryPane::refresh);
    connect(&c_.hub, &ProviderHub::modelListChanged, this, &BatteryPane::refresh);
    connect(&c_.power, &PowerMonitor::onBatteryChanged, this, &BatteryPane::refreshPower);
    refresh();
    refreshPower();
}

void BatteryPane::refresh()
{
    Preferences& p = c_.prefs;
    onDemand_->setChecked(p.batteryOnDemand()); // the knob follows `toggled`: not blocked
    shorter_->setChecked(p.batteryShorter());
    const EngineKind engine = p.engine();
    modelRow_->setVisible(usesServer(engine));
    QSignalBlocker block(model_);
    model_->clear();
    model_->addItem(text("Same as plugged in"), QString());
    if (usesServer(engine)) {
        for (const QString& name : c_.hub.modelList(engine))
            model_->addItem(name, name);
    }
    // A stored name that is not listed shows no selection.
    model_->setCurrentIndex(model_->findData(p.batteryModel()));
}

void BatteryPane::refreshPower()
{
    const bool onBattery = c_.power.onBattery();
    powerSymbol_->setSymbol(onBattery ? QStringLiteral("battery.50percent") : QStringLiteral("powerplug"), palette::paperDim());
    powerText_->setText(onBattery ? text("Running on battery. These apply right now.")
                                  : text("Plugged in. These wait until you unplug."));
}

} // namespace tq
