#pragma once
// The window content that tells the user the tray icon cannot be seen and what helps on this
// desktop: on GNOME Shell, whose tray is the AppIndicator extension, that extension and a
// button that opens the extension manager where one is installed; elsewhere the panel's tray
// applet and a button that opens the desktop's settings. "Not Now" is Escape, the open button
// Return; "Don't remind me again" turns the reminder off.

#include <QWidget>

#include <functional>

class QCheckBox;
class QPushButton;

namespace tq {

class DesktopSettings;
class MotionContext;
class Preferences;
class PrimaryButton;
class TrayHost;

class HiddenIconPrompt final : public QWidget {
    Q_OBJECT
public:
    HiddenIconPrompt(Preferences& prefs, DesktopSettings& settings, const TrayHost& tray, MotionContext& motion,
                     std::function<void()> close, QWidget* parent = nullptr);

    QPushButton* notNowButton() const { return notNow_; }
    // Hidden where there is nothing to open.
    PrimaryButton* openButton() const { return open_; }
    QCheckBox* dontRemindBox() const { return dontRemind_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    Preferences& prefs_;
    DesktopSettings& settings_;
    std::function<void()> close_;
    QPushButton* notNow_;
    PrimaryButton* open_;
    QCheckBox* dontRemind_;
};

} // namespace tq
