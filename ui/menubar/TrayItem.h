#pragma once
// The program's item in the desktop's system tray: opens the settings window and quits.

#include <QObject>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QSystemTrayIcon;

namespace tq {

class TrayItem final : public QObject {
    Q_OBJECT
public:
    TrayItem(std::function<void()> openSettings, std::function<void()> quit, QObject* parent = nullptr);
    ~TrayItem() override;

    // Shows or removes the item.
    void setVisible(bool visible);
    // True when the desktop has no system tray to show the item in.
    static bool iconHidden();

    QMenu* menu() const { return menu_.get(); }
    QAction* settingsAction() const { return settings_; }
    QAction* quitAction() const { return quit_; }

private:
    std::unique_ptr<QMenu> menu_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    QAction* settings_ = nullptr;
    QAction* quit_ = nullptr;
};

} // namespace tq
