#pragma once
// The one record of which settings pane is selected. Made once per run by the window
// manager; never saved.

#include "ui/settings/SettingsPane.h"

#include <QObject>

namespace tq {

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
