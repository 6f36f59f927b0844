#pragma once
#include "platform/InstalledApps.h"

namespace tq {

// Installed applications set by hand.
class FakeInstalledApps final : public InstalledApps {
public:
    QList<DesktopApp> list;
    const QList<DesktopApp>& apps() override { return list; }
};

} // namespace tq
