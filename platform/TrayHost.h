#pragma once
// Whether a system tray runs on the desktop to show the program's tray icon: a
// StatusNotifierItem host (the "org.kde.StatusNotifierWatcher" service on the session bus)
// or an XEmbed tray (an owner of the "_NET_SYSTEM_TRAY_S<screen>" selection). Watched: a tray
// started or ended later is reported. It also holds the program's own StatusNotifierItem and
// knows what brings a tray to a desktop that shows none.

#include <QObject>

#include <memory>

namespace tq {

class StatusNotifierItem;

// The tray the icon goes to: a StatusNotifierItem host where one runs, else an XEmbed tray.
enum class TrayKind { none, xembed, statusNotifier };

// What makes the icon visible on this desktop when no tray shows it.
enum class TrayHelp {
    panelApplet,         // the panel's system tray or status area applet
    installAppIndicator, // GNOME Shell: its tray is the AppIndicator extension, not installed
    enableAppIndicator,  // GNOME Shell: the AppIndicator extension is installed but off
};

// How to bring a tray to this desktop, in a sentence.
QString trayHelpText(TrayHelp help);
// Why the icon cannot show where no tray runs, and what brings one.
QString noTrayText(TrayHelp help);

class TrayHost : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~TrayHost() override = default;
    virtual TrayKind kind() const = 0;
    bool running() const { return kind() != TrayKind::none; }
    // Whether the tray shows a text beside the icon: StatusNotifierItem hosts do, except KDE
    // Plasma's; XEmbed trays never do.
    virtual bool showsLabels() const = 0;
    virtual TrayHelp help() const = 0;
    virtual StatusNotifierItem& statusNotifierItem() = 0;

signals:
    void runningChanged(bool running);
    void kindChanged(tq::TrayKind kind);
};

class DesktopTrayHost final : public TrayHost {
    Q_OBJECT
public:
    explicit DesktopTrayHost(QObject* parent = nullptr);
    ~DesktopTrayHost() override;
    TrayKind kind() const override;
    bool showsLabels() const override { return kind() == TrayKind::statusNotifier && !plasma_; }
    TrayHelp help() const override;
    StatusNotifierItem& statusNotifierItem() override;

    // `desktops`: XDG_CURRENT_DESKTOP; `appIndicatorInstalled`: the GNOME Shell extension is.
    static TrayHelp help(const QString& desktops, bool appIndicatorInstalled);

private:
    void update();
    struct X11;
    std::unique_ptr<X11> x11_;
    std::unique_ptr<StatusNotifierItem> item_;
    bool statusNotifier_ = false;
    bool plasma_ = false; // the StatusNotifier watcher is KDE Plasma's
    bool xembed_ = false;
};

} // namespace tq
