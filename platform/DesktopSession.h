#pragma once
// What the program needs of the desktop session before it can do anything: an X display it
// can open, a D-Bus session bus, and the accessibility bus that carries the text fields.
// Each missing piece is said in one sentence.

#include <QDBusConnection>
#include <QString>

#include <optional>

namespace tq {

enum class SessionGap {
    none,
    noSessionBus,       // no D-Bus session bus to connect to
    noAccessibilityBus, // the session bus has no accessibility bus, or it does not answer
};

// The sentence for a gap (empty for none).
QString sessionGapText(SessionGap gap);

// What is missing of `bus` and the accessibility bus it names.
SessionGap sessionGap(QDBusConnection bus);

// The sentence to end with when the X display named by `display` (DISPLAY) cannot be opened;
// none when it opens.
std::optional<QString> displayProblem(const QByteArray& display);

} // namespace tq
