#pragma once
// The settings window's panes and the one record of which pane is selected.

#include <QObject>
#include <QString>

#include <optional>

namespace tq {

enum class SettingsPane { overview, general, engine, context, personal, keys, emoji, apps, power, insights, inspector, about };

// The pane's name ("overview", "keys", …), as launch arguments give it.
QString settingsPaneName(SettingsPane pane);
// None for any text that names no pane.
std::optional<SettingsPane> settingsPaneFromName(const QString& name);

class SettingsRouter final : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    SettingsPane pane() const { return pane_; }
    // Notifies only when the pane really changes.
    void setPane(SettingsPane pane);

signals:
    void paneChanged(tq::SettingsPane pane);

private:
    SettingsPane pane_ = SettingsPane::overview;
};

} // namespace tq
