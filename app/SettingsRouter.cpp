#include "app/SettingsRouter.h"

#include <array>

namespace tq {

namespace {
constexpr std::array<const char*, 12> kNames = {"overview", "general", "engine",   "context",   "personal", "keys",
                                                "emoji",    "apps",    "power",    "insights",  "inspector", "about"};
} // namespace

QString settingsPaneName(SettingsPane pane)
{
    return QString::fromLatin1(kNames[static_cast<std::size_t>(pane)]);
}

std::optional<SettingsPane> settingsPaneFromName(const QString& name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (name == QLatin1String(kNames[i]))
            return static_cast<SettingsPane>(i);
    }
    return std::nullopt;
}

void SettingsRouter::setPane(SettingsPane pane)
{
    if (pane == pane_)
        return;
    pane_ = pane;
    emit paneChanged(pane);
}

} // namespace tq
