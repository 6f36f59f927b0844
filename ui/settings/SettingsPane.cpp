#include "ui/settings/SettingsPane.h"

#include "platform/Text.h"


namespace tq {

namespace {
constexpr std::array<const char*, 12> kNames = {"overview", "general", "engine",   "context",   "personal", "keys",
                                                "emoji",    "apps",    "power",    "insights",  "inspector", "about"};
constexpr std::array<const char*, 12> kSymbols = {
    "house", "gearshape", "cpu", "text.viewfinder", "person.text.rectangle", "keyboard",
    "face.smiling", "square.grid.2x2", "battery.75percent", "chart.bar.xaxis", "stethoscope", "info.circle"};

} // namespace

QString settingsPaneName(SettingsPane pane)
{
    return QString::fromLatin1(kNames[static_cast<std::size_t>(pane)]);
}

std::optional<SettingsPane> settingsPaneFromName(const QString& name)
{
    for (std::size_t i = 0; i < kNames.size(); ++i) {
        if (name == QLatin1String(kNames[i]))
            return kAllSettingsPanes[i];
    }
    return std::nullopt;
}

QString paneTitle(SettingsPane pane)
{
    switch (pane) {
    case SettingsPane::overview: return text("Overview");
    case SettingsPane::general: return text("General");
    case SettingsPane::engine: return text("Engine");
    case SettingsPane::context: return text("Context");
    case SettingsPane::personal: return text("Your Voice");
    case SettingsPane::keys: return text("Keys");
    case SettingsPane::emoji: return text("Emoji");
    case SettingsPane::apps: return text("Apps & Sites");
    case SettingsPane::power: return text("Battery");
    case SettingsPane::insights: return text("Insights");
    case SettingsPane::inspector: return text("Field Inspector");
    case SettingsPane::about: return text("About");
    }
    return {};
}

QString paneSubtitle(SettingsPane pane)
{
    switch (pane) {
    case SettingsPane::overview: return text("How %app is doing today");
    case SettingsPane::general: return text("Where and how suggestions appear");
    case SettingsPane::engine: return text("The model that writes your suggestions");
    case SettingsPane::context: return text("What %app may look at to guess better");
    case SettingsPane::personal: return text("Help suggestions sound like you");
    case SettingsPane::keys: return text("Accept, dismiss and summon suggestions");
    case SettingsPane::emoji: return text("Emoji search and emoticons");
    case SettingsPane::apps: return text("Rules for each app and website");
    case SettingsPane::power: return text("Save power when you're unplugged");
    case SettingsPane::insights: return text("Words saved and how fast suggestions arrive");
    case SettingsPane::inspector: return text("What %app sees in the focused field");
    case SettingsPane::about: return text("Version and privacy");
    }
    return {};
}

QString paneSymbol(SettingsPane pane)
{
    return QString::fromLatin1(kSymbols[static_cast<std::size_t>(pane)]);
}

const std::vector<PaneSection>& paneSections()
{
    using P = SettingsPane;
    static const std::vector<PaneSection> sections = {
        {QString(), {P::overview}},
        {text("Writing"), {P::general, P::engine, P::context, P::personal}},
        {text("Input"), {P::keys, P::emoji}},
        {text("Rules"), {P::apps, P::power}},
        {text("Activity"), {P::insights, P::inspector}},
        {QString(), {P::about}},
    };
    return sections;
}

std::optional<SettingsPane> adjacentPane(SettingsPane pane, int step)
{
    const int at = int(pane) + step;
    if (at < 0 || at >= int(kAllSettingsPanes.size()))
        return std::nullopt;
    return kAllSettingsPanes[std::size_t(at)];
}

} // namespace tq
