#include "ui/menubar/PanelPlacement.h"

#include <algorithm>

namespace tq::menu {

namespace {
const Screen* screenAt(const QList<Screen>& screens, QPoint p)
{
    for (const Screen& s : screens) {
        if (s.geometry.contains(p))
            return &s;
    }
    return nullptr;
}
} // namespace

QPoint placePanel(const PlacementInput& in)
{
    const bool hasIcon = in.icon && !in.icon->isEmpty();
    // The anchor: the icon's rectangle, else a point-sized rectangle at the pointer.
    const QRect anchor = hasIcon ? *in.icon : QRect(in.click, QSize(1, 1));
    const Screen* screen = screenAt(in.screens, anchor.center());
    if (!screen && hasIcon)
        screen = screenAt(in.screens, in.click);
    if (!screen && !in.screens.isEmpty())
        screen = &in.screens.first();
    const QRect area = screen ? screen->available : QRect(QPoint(0, 0), in.panel);

    const int w = in.panel.width();
    const int h = in.panel.height();
    int x = anchor.left();
    int y = anchor.bottom() + 1 + kPanelGap;
    // No room below: open above the anchor.
    if (y + h > area.bottom() + 1 && anchor.top() - kPanelGap - h >= area.top())
        y = anchor.top() - kPanelGap - h;
    // Inside the screen, 8 in from the sides; the start edges win when the panel is larger.
    x = std::max(std::min(x, area.right() + 1 - kScreenMargin - w), area.left() + kScreenMargin);
    y = std::max(std::min(y, area.bottom() + 1 - h), area.top());
    return {x, y};
}

bool trayIconHidden(bool hostRunning, const std::optional<QRect>& icon, const QList<QRect>& screens)
{
    if (!hostRunning)
        return true;
    if (!icon || icon->width() <= 0 || icon->height() <= 0)
        return false; // the host tells nothing about where it put the icon
    const QPoint centre = icon->center();
    return std::none_of(screens.begin(), screens.end(), [&](const QRect& s) { return s.contains(centre); });
}

} // namespace tq::menu
