#pragma once
// Screens for overlay tests, set by hand in bottom-left screen space.

#include "platform/OverlayWindow.h"

namespace tq {

class FakeOverlayScreens final : public OverlayScreens {
public:
    QList<ScreenArea> list;
    std::optional<ScreenArea> main;
    const ColourScheme* scheme = nullptr;

    QList<ScreenArea> screens() const override { return list; }
    std::optional<ScreenArea> mainScreen() const override { return main ? main : (list.isEmpty() ? std::nullopt : std::optional(list.first())); }
    const ColourScheme* colourScheme() const override { return scheme; }
};

} // namespace tq
