#pragma once

#include "platform/DesktopSettings.h"

#include <algorithm>
#include <vector>

namespace tq {

class FakeDesktopSettings final : public DesktopSettings {
public:
    bool open(SettingsPage page) override
    {
        opened.push_back(page);
        return canOpen(page);
    }
    bool canOpen(SettingsPage page) const override
    {
        return page != SettingsPage::screenRecording && std::find(missing.begin(), missing.end(), page) == missing.end();
    }
    std::vector<SettingsPage> opened;
    std::vector<SettingsPage> missing; // pages no installed tool shows
};

} // namespace tq
