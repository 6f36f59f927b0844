#pragma once
// Whether a system tray runs on the desktop to show the program's tray icon: a
// StatusNotifierItem host (the "org.kde.StatusNotifierWatcher" service on the session bus)
// or an XEmbed tray (an owner of the "_NET_SYSTEM_TRAY_S<screen>" selection). Watched: a tray
// started or ended later is reported.

#include <QObject>

#include <memory>

namespace tq {

class TrayHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TrayHost() override = default;
    virtual bool running() const = 0;

signals:
    void runningChanged(bool running);
};

class DesktopTrayHost final : public TrayHost {
    Q_OBJECT
public:
    explicit DesktopTrayHost(QObject* parent = nullptr);
    ~DesktopTrayHost() override;
    bool running() const override { return statusNotifier_ || xembed_; }

private:
    void update();
    struct X11;
    std::unique_ptr<X11> x11_;
    bool statusNotifier_ = false;
    bool xembed_ = false;
};

} // namespace tq
