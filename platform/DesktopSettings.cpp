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
        {"GNOME", SettingsPage::accessibility, {"gnome-control-center", "universal-access"}},
        {"GNOME", SettingsPage::keyboard, {"gnome-control-center", "keyboard"}},
        {"KDE", SettingsPage::accessibility, {"systemsettings", "kcm_access"}},
        {"KDE", SettingsPage::keyboard, {"systemsettings", "kcm_keyboard"}},
        {"KDE", SettingsPage::accessibility, {"systemsettings5", "kcm_access"}},
        {"KDE", SettingsPage::keyboard, {"systemsettings5", "kcm_keyboard"}},
        {"XFCE", SettingsPage::accessibility, {"xfce4-accessibility-settings"}},
        {"XFCE", SettingsPage::keyboard, {"xfce4-keyboard-settings"}},
        {"X-Cinnamon", SettingsPage::accessibility, {"cinnamon-settings", "accessibility"}},
        {"X-Cinnamon", SettingsPage::keyboard, {"cinnamon-settings", "keyboard"}},
        {"MATE", SettingsPage::accessibility, {"mate-at-properties"}},
        {"MATE", SettingsPage::keyboard, {"mate-keyboard-properties"}},
        {"LXQt", SettingsPage::keyboard, {"lxqt-config-input"}},
        {"XFCE", SettingsPage::panel, {"xfce4-panel", "--preferences"}},
        {"X-Cinnamon", SettingsPage::panel, {"cinnamon-settings", "panel"}},
        {"KDE", SettingsPage::panel, {"systemsettings"}},
        {"KDE", SettingsPage::panel, {"systemsettings5"}},
        {"MATE", SettingsPage::panel, {"mate-control-center"}},
        {"LXQt", SettingsPage::panel, {"lxqt-config"}},
        {"GNOME", SettingsPage::panel, {"gnome-control-center"}},
        {"GNOME", SettingsPage::extensions, {"gnome-extensions-app"}},
        {"GNOME", SettingsPage::extensions, {"extension-manager"}},
    };
    return table;
}
} // namespace

QStringList XdgDesktopSettings::command(SettingsPage page, const QString& desktops,
                                        const std::function<bool(const QString&)>& installed)
{
    if (page == SettingsPage::screenRecording)
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

namespace {
QStringList commandHere(SettingsPage page)
{
    return XdgDesktopSettings::command(page, qEnvironmentVariable("XDG_CURRENT_DESKTOP"), [](const QString& program) {
        return !QStandardPaths::findExecutable(program).isEmpty();
    });
}
} // namespace

bool XdgDesktopSettings::canOpen(SettingsPage page) const { return !commandHere(page).isEmpty(); }

bool XdgDesktopSettings::open(SettingsPage page)
{
    const QStringList cmd = commandHere(page);
    if (cmd.isEmpty()) {
        if (page != SettingsPage::screenRecording)
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
