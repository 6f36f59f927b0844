#pragma once
// Where the menu panel opens: under the tray icon when the tray host reports its geometry,
// else at the pointer where the click happened; above instead when there is no room below
// (a tray at the bottom of the screen); always kept inside the screen's free area, 8 in from
// its sides. Qt's top-left
// logical coordinates. Pure.

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

namespace tq::menu {

constexpr int kPanelWidth = 300;
constexpr int kPanelGap = 5;    // between the icon (or the pointer) and the panel
constexpr int kScreenMargin = 8; // kept free at the screen's sides

struct Screen {
    QRect geometry;  // the whole screen
    QRect available; // less the desktop's panels
};

struct PlacementInput {
    std::optional<QRect> icon; // the icon's geometry when the host reports it
    QPoint click;              // where the pointer was at the click
    QList<Screen> screens;     // the first is the primary screen
    QSize panel;
};

// The panel's top-left corner.
QPoint placePanel(const PlacementInput& input);

// The icon cannot be seen: no tray host runs, or the host reports the icon off every screen.
bool trayIconHidden(bool hostRunning, const std::optional<QRect>& icon, const QList<QRect>& screens);

} // namespace tq::menu
