#include "platform/DesktopSettings.h"
#include "platform/TrayHost.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

std::function<bool(const QString&)> installed(QStringList programs)
{
    return [programs](const QString& p) { return programs.contains(p); };
}

TEST(XdgDesktopSettings, PrefersTheRunningDesktopsOwnTool)
{
    const auto both = installed({"gnome-control-center", "xfce4-keyboard-settings", "xfce4-accessibility-settings"});
    EXPECT_EQ(XdgDesktopSettings::command(SettingsPage::keyboard, "XFCE", both), QStringList{"xfce4-keyboard-settings"});
    EXPECT_EQ(XdgDesktopSettings::command(SettingsPage::accessibility, "ubuntu:GNOME", both),
              (QStringList{"gnome-control-center", "universal-access"}));
    EXPECT_EQ(XdgDesktopSettings::command(SettingsPage::keyboard, "KDE", installed({"systemsettings5"})),
              (QStringList{"systemsettings5", "kcm_keyboard"}));
    // The panel that holds the tray: its own preferences where the desktop has them.
    const auto panels = installed({"gnome-control-center", "xfce4-panel"});
    EXPECT_EQ(XdgDesktopSettings::command(SettingsPage::panel, "XFCE", panels), (QStringList{"xfce4-panel", "--preferences"}));
    EXPECT_EQ(XdgDesktopSettings::command(SettingsPage::panel, "GNOME", panels), QStringList{"gnome-control-center"});
    EXPECT_EQ(XdgDesktopSettings::command(SettingsPage::extensions, "ubuntu:GNOME", installed({"extension-manager"})),
              QStringList{"extension-manager"});
}

TEST(DesktopTrayHost, GnomeShellsTrayIsTheAppIndicatorExtension)
{
    EXPECT_EQ(DesktopTrayHost::help("ubuntu:GNOME", false), TrayHelp::installAppIndicator);
    EXPECT_EQ(DesktopTrayHost::help("GNOME", true), TrayHelp::enableAppIndicator);
    EXPECT_EQ(DesktopTrayHost::help("GNOME-Flashback:GNOME", false), TrayHelp::panelApplet) << "a panel with a tray";
    EXPECT_EQ(DesktopTrayHost::help("XFCE", false), TrayHelp::panelApplet);
}

TEST(XdgDesktopSettings, FallsBackToAnyInstalledToolAndElseToNothing)
{
    EXPECT_EQ(XdgDesktopSettings::command(SettingsPage::keyboard, "openbox", installed({"mate-keyboard-properties"})),
              QStringList{"mate-keyboard-properties"});
    EXPECT_TRUE(XdgDesktopSettings::command(SettingsPage::accessibility, "LXQt", installed({"lxqt-config-input"})).isEmpty());
    EXPECT_TRUE(XdgDesktopSettings::command(SettingsPage::keyboard, "", installed({})).isEmpty());
    // X11 has no screen-recording permission, hence no page for it.
    EXPECT_TRUE(XdgDesktopSettings::command(SettingsPage::screenRecording, "GNOME", installed({"gnome-control-center"})).isEmpty());
}

} // namespace
} // namespace tq
