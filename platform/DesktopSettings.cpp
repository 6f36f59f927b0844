#include "platform/DesktopSettings.h"

#include "platform/Log.h"

#include <QProcess>
#include <QStandardPaths>

namespace tq {

namespace {
struct Tool {
    const char* desktop; // as named in XDG_CURRENT_DESKTOP
    SettingsPage page;
    QStringList command;
};

const std::vector<Tool>& tools()
{
    static const std::vector<Tool> table = {
        {"GNOME", SettingsPage::Accessibility, {"gnome-control-center", "universal-access"}},
        {"GNOME", SettingsPage::Keyboard, {"gnome-control-center", "keyboard"}},
        {"KDE", SettingsPage::Accessibility, {"systemsettings", "kcm_access"}},
        {"KDE", SettingsPage::Keyboard, {"systemsettings", "kcm_keyboard"}},
        {"KDE", SettingsPage::Accessibility, {"systemsettings5", "kcm_access"}},
        {"KDE", SettingsPage::Keyboard, {"systemsettings5", "kcm_keyboard"}},
        {"XFCE", SettingsPage::Accessibility, {"xfce4-accessibility-settings"}},
        {"XFCE", SettingsPage::Keyboard, {"xfce4-keyboard-settings"}},
        {"X-Cinnamon", SettingsPage::Accessibility, {"cinnamon-settings", "accessibility"}},
        {"X-Cinnamon", SettingsPage::Keyboard, {"cinnamon-settings", "keyboard"}},
        {"MATE", SettingsPage::Accessibility, {"mate-at-properties"}},
        {"MATE", SettingsPage::Keyboard, {"mate-keyboard-properties"}},
        {"LXQt", SettingsPage::Keyboard, {"lxqt-config-input"}},
        {"XFCE", SettingsPage::Panel, {"xfce4-panel", "--preferences"}},
        {"X-Cinnamon", SettingsPage::Panel, {"cinnamon-settings", "panel"}},
        {"KDE", SettingsPage::Panel, {"systemsettings"}},
        {"KDE", SettingsPage::Panel, {"systemsettings5"}},
        {"MATE", SettingsPage::Panel, {"mate-control-center"}},
        {"LXQt", SettingsPage::Panel, {"lxqt-config"}},
        {"GNOME", SettingsPage::Panel, {"gnome-control-center"}},
    };
    return table;
}
} // namespace

DesktopSettings& DesktopSettings::system()
{
    static XdgDesktopSettings settings;
    return settings;
}

QStringList XdgDesktopSettings::command(SettingsPage page, const QString& desktops,
                                        const std::function<bool(const QString&)>& installed)
{
    if (page == SettingsPage::ScreenRecording)
        return {};
    const QStringList running = desktops.split(QLatin1Char(':'), Qt::SkipEmptyParts);
    // The running desktop's own tool first, in the order the session names its desktops.
    for (const QString& desktop : running) {
        for (const Tool& t : tools()) {
            if (t.page == page && desktop.compare(QLatin1String(t.desktop), Qt::CaseInsensitive) == 0 && installed(t.command.first()))
                return t.command;
        }
    }
    for (const Tool& t : tools()) {
        if (t.page == page && installed(t.command.first()))
            return t.command;
    }
    return {};
}

bool XdgDesktopSettings::open(SettingsPage page)
{
    const QStringList cmd = command(page, qEnvironmentVariable("XDG_CURRENT_DESKTOP"), [](const QString& program) {
        return !QStandardPaths::findExecutable(program).isEmpty();
    });
    if (cmd.isEmpty()) {
        if (page != SettingsPage::ScreenRecording)
            log::info(QStringLiteral("No settings application of this desktop shows that page."));
        return false;
    }
    if (!QProcess::startDetached(cmd.first(), cmd.mid(1))) {
        log::warning(QStringLiteral("Could not start the desktop's settings: ") + cmd.first());
        return false;
    }
    return true;
}

} // namespace tq
