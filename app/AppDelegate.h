#pragma once
// The application's lifecycle around the model: starts it once launching has finished, keeps
// the tray item, honours the launch arguments (also those a later launch hands over), and
// writes the stores before the process ends, whether by Quit, Ctrl+Q, SIGTERM or the end of
// the desktop session.

#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>

namespace tq {

class AppModel;
class Clock;
class DesktopSettings;
class MotionContext;
class SystemReduceMotion;
class SessionEnd;
class SingleInstance;
class TrayHost;
namespace menu {
class StatusItem;
}

class AppDelegate final : public QObject {
    Q_OBJECT
public:
    // `exit` ends the process (default: _exit, so no other clean-up runs after the flush).
    AppDelegate(AppModel& model, SingleInstance& instance, SessionEnd& sessionEnd, TrayHost& trayHost,
                DesktopSettings& desktopSettings, Clock& clock, std::function<void(int)> exit = {},
                QObject* parent = nullptr);
    ~AppDelegate() override;

    // Starts the model and the tray item, then applies the program's arguments.
    void didFinishLaunching(const QStringList& arguments);
    // "--play-intro" anywhere plays the intro; "--open-settings" followed by a pane name opens
    // the settings window on that pane (an unknown name: on the current pane). True when a
    // window was opened.
    bool applyArguments(const QStringList& arguments);
    // A later launch: its arguments, else the settings window.
    void reopen(const QStringList& arguments);
    // Writes rules, statistics and writing memory at once, then ends the process with 0.
    void terminate();

    menu::StatusItem* tray() const { return tray_.get(); }

private:
    AppModel& model_;
    std::function<void(int)> exit_;
    std::unique_ptr<SystemReduceMotion> reduceMotion_;
    std::unique_ptr<MotionContext> motion_; // the tray panel's and the hidden-icon prompt's
    std::unique_ptr<menu::StatusItem> tray_;
    bool terminating_ = false;
};

} // namespace tq
