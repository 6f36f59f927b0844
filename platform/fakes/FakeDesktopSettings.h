#pragma once

#include "platform/DesktopSettings.h"

#include <vector>

namespace tq {

class FakeDesktopSettings final : public DesktopSettings {
public:
    bool open(SettingsPage page) override
    {
        opened.push_back(page);
        return page != SettingsPage::screenRecording;
    }
    std::vector<SettingsPage> opened;
};

} // namespace tq
