#pragma once
// Whether the computer runs on battery, polled every 30 seconds.

#include "platform/Clock.h"

#include <QObject>

namespace tq {

class PowerSource;

class PowerMonitor final : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool onBattery READ onBattery NOTIFY onBatteryChanged)

public:
    static constexpr Nanos kPollInterval = std::chrono::seconds(30);

    PowerMonitor(PowerSource& source, Clock& clock, QObject* parent = nullptr);

    bool onBattery() const { return onBattery_; }
    bool isRunning() const { return timer_.isActive(); }

    // Reads the source now and then every 30 seconds for as long as the monitor lives.
    void start();
    void refresh();

signals:
    void onBatteryChanged(bool onBattery);

private:
    PowerSource& source_;
    bool onBattery_ = false;
    Timer timer_;
};

} // namespace tq
