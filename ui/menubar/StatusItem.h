#pragma once
// The program's item in the system tray: the glyph of the current state and, when the user
// wants it, today's count beside it and in the tooltip. Where a StatusNotifierItem host runs,
// the program's own StatusNotifierItem (whose label carries the count) and any of the host's
// clicks opens the panel; elsewhere Qt's tray icon (XEmbed), whose left click opens the panel
// under the icon and whose right click opens the same rows as a plain menu. Re-reads itself
// when what it shows changes, when a tray starts or ends, when a timed pause ends and at local
// midnight. Main thread only.

#include "platform/Clock.h"
#include "ui/menubar/MenuServices.h"
#include "ui/menubar/MenuState.h"

#include <QObject>
#include <QPoint>
#include <QPointer>

#include <memory>
#include <optional>

class QMenu;
class QSystemTrayIcon;

namespace tq::menu {

class MenuPanel;

class StatusItem final : public QObject {
    Q_OBJECT
public:
    StatusItem(MenuServices services, MenuCallbacks callbacks, QObject* parent = nullptr);
    ~StatusItem() override;

    // Brings the item in line with the settings, the state and today's count.
    void refresh();
    // Opens the panel at the icon (or at `click`), or closes the open one.
    void toggle(QPoint click);
    // A pointer press anywhere on the desktop, at `global`: closes the panel unless it fell on it.
    void pointerPressed(QPoint global);
    void closePanel();
    // The front application changed (the pause pill names it), or what it shares.
    void frontAppChanged();

    // Qt's tray icon while it is the item shown (no StatusNotifierItem host runs).
    QSystemTrayIcon* item() const { return item_.get(); }
    MenuPanel* panel() const;
    QMenu* contextMenu() const { return menu_.get(); }
    GlyphVariant glyph() const { return glyph_; }
    QString toolTip() const;
    // The icon cannot be seen: no tray runs, or the tray put it off every screen.
    bool iconHidden() const;

    // A click that closed the panel within this time does not reopen it.
    static constexpr Nanos kReopenGuard = std::chrono::milliseconds(300);

signals:
    // A tray host started or ended.
    void trayHostChanged(bool running);
    // The panel opened or closed: presses elsewhere matter only while it is open.
    void panelOpenChanged(bool open);

private:
    void buildContextMenu();
    void armRefresh();

    QPoint openClick_;
    Nanos openedAt_{0};
    MenuServices s_;
    MenuCallbacks cb_;
    std::unique_ptr<QSystemTrayIcon> item_;
    std::unique_ptr<QMenu> menu_;
    QPointer<MenuPanel> panel_;
    GlyphVariant glyph_ = GlyphVariant::active;
    std::optional<GlyphVariant> notifierGlyph_; // the glyph the StatusNotifierItem was given
    Nanos closedAt_{-1'000'000'000'000};
    Timer changeTimer_;
};

} // namespace tq::menu
