#pragma once
// Opens pages of the desktop's own settings application.

#include <QString>
#include <QStringList>

#include <functional>

namespace tq {

enum class SettingsPage {
    accessibility,
    screenRecording,
    keyboard,
    panel,      // the desktop's panel and its tray
    extensions, // GNOME Shell's extensions (its tray is one)
};

class DesktopSettings {
public:
    virtual ~DesktopSettings() = default;
    // Answers whether a settings window was started.
    virtual bool open(SettingsPage page) = 0;
    // Whether a settings window for `page` is installed.
    virtual bool canOpen(SettingsPage page) const = 0;
};

// Starts the settings tool of the running desktop (XDG_CURRENT_DESKTOP), else the first one
// installed. X11 has no screen-recording permission, so that page never opens anything.
class XdgDesktopSettings final : public DesktopSettings {
public:
    bool open(SettingsPage page) override;
    bool canOpen(SettingsPage page) const override;

    // The program and arguments that show `page`, or an empty list. `desktops` is the
    // colon-separated XDG_CURRENT_DESKTOP; `installed` says whether a program is on PATH.
    static QStringList command(SettingsPage page, const QString& desktops,
                               const std::function<bool(const QString&)>& installed);
};

} // namespace tq
