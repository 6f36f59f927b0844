#include "platform/DesktopSession.h"

#include "platform/DisplayLoss.h"
#include "platform/Text.h"

#include <QDBusMessage>
#include <QDBusReply>

#include <X11/Xlib.h>

namespace tq {

QString sessionGapText(SessionGap gap)
{
    switch (gap) {
    case SessionGap::none:
        return {};
    case SessionGap::noSessionBus:
        return text("There is no D-Bus session bus, so %1 cannot reach text fields.").arg(appName());
    case SessionGap::noAccessibilityBus:
        return text("The desktop's accessibility bus is not running, so %1 cannot reach text fields.").arg(appName());
    }
    return {};
}

SessionGap sessionGap(QDBusConnection bus)
{
    if (!bus.isConnected())
        return SessionGap::noSessionBus;
    const QString service = QStringLiteral("org.a11y.Bus");
    const QDBusReply<QString> address = bus.call(
        QDBusMessage::createMethodCall(service, QStringLiteral("/org/a11y/bus"), service, QStringLiteral("GetAddress")),
        QDBus::Block, 2000);
    if (!address.isValid() || address.value().isEmpty())
        return SessionGap::noAccessibilityBus;
    const QString probe = QStringLiteral("tessaquill-session-probe");
    const bool answers = QDBusConnection::connectToBus(address.value(), probe).isConnected();
    QDBusConnection::disconnectFromBus(probe);
    return answers ? SessionGap::none : SessionGap::noAccessibilityBus;
}

std::optional<QString> displayProblem(const QByteArray& display)
{
    if (display.isEmpty())
        return QStringLiteral("Tessaquill needs an X11 desktop session, and there is no DISPLAY here.");
    if (Display* d = openXDisplay(display.constData())) {
        XCloseDisplay(d);
        return std::nullopt;
    }
    return QStringLiteral("Tessaquill cannot open the X display \"%1\": the desktop session it names is not running.")
        .arg(QString::fromLocal8Bit(display));
}

} // namespace tq
