#include "services/PowerMonitor.h"

#include "platform/PowerSource.h"

#include <QPointer>

namespace tq {

PowerMonitor::PowerMonitor(PowerSource& source, Clock& clock, QObject* parent)
    : QObject(parent), source_(source), timer_(clock)
{
}

void PowerMonitor::start()
{
    refresh();
    QPointer<PowerMonitor> self(this);
    timer_.startRepeating(kPollInterval, [self] {
        if (self)
            self->refresh();
    });
}

void PowerMonitor::refresh()
{
    const bool battery = source_.onBattery();
    if (battery == onBattery_)
        return;
    onBattery_ = battery;
    emit onBatteryChanged(battery);
}

} // namespace tq
