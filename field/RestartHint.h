#pragma once
// A program built on Chromium that shares no text: it shows its web content to the
// accessibility interface only when started with the switch below.

#include <QString>

namespace tq {

inline constexpr auto kRendererAccessibilitySwitch = "--force-renderer-accessibility";

struct RestartHint {
    QString appName;
    QString command; // how to start it, the switch included; empty when unknown

    // What the user is told, naming the program and the switch.
    QString sentence() const;
    friend bool operator==(const RestartHint&, const RestartHint&) = default;
};

} // namespace tq
