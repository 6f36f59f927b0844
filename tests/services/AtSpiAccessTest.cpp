// The real accessibility switch on the session bus. Runs fully inside the private desktop
// session (tools/desktop-session.sh); on another session bus it only reads.
#include "app/services/Permissions.h"
#include "platform/AccessibilityAccess.h"
#include "platform/ScreenCaptureAccess.h"

#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tq {
namespace {

const QString kService = QStringLiteral("org.a11y.Bus");
const QString kPath = QStringLiteral("/org/a11y/bus");

std::optional<bool> readFlag(const char* name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.a11y.Status") << QString::fromLatin1(name);
    const QDBusReply<QDBusVariant> reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 2000);
    if (!reply.isValid())
        return std::nullopt;
    return reply.value().variant().toBool();
}

void writeIsEnabled(bool on)
{
    QDBusMessage set = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    set << QStringLiteral("org.a11y.Status") << QStringLiteral("IsEnabled") << QVariant::fromValue(QDBusVariant(on));
    QDBusConnection::sessionBus().call(set, QDBus::Block, 2000);
}

// The other desktop tests need the flag on: it is switched back on however a test ends.
struct IsEnabledRestorer {
    ~IsEnabledRestorer() { writeIsEnabled(true); }
};

TEST(AtSpiAccessibilityAccess, ReadsAndSwitchesOnTheSessionAccessibilityFlag)
{
    if (!QDBusConnection::sessionBus().isConnected())
        GTEST_SKIP() << "no D-Bus session bus";
    const std::optional<bool> initial = readFlag("IsEnabled");
    if (!initial)
        GTEST_SKIP() << "no accessibility bus on this session";
    const std::optional<bool> screenReader = readFlag("ScreenReaderEnabled");

    AtSpiAccessibilityAccess access;
    EXPECT_EQ(access.isTrusted(), *initial);
    if (qEnvironmentVariableIsEmpty("TQ_DESKTOP_SESSION"))
        return; // never switch the flag of someone's real desktop

    const IsEnabledRestorer restore;
    QSignalSpy changed(&access, &AccessibilityAccess::changed);
    writeIsEnabled(false);
    EXPECT_TRUE(changed.count() > 0 || changed.wait(3000)) << "no PropertiesChanged hint";
    EXPECT_FALSE(access.isTrusted());

    EXPECT_TRUE(access.requestAccess());
    EXPECT_TRUE(access.isTrusted());
    EXPECT_EQ(readFlag("IsEnabled"), std::optional<bool>(true));
    // Asking for access must not start a screen reader.
    EXPECT_EQ(readFlag("ScreenReaderEnabled"), screenReader);
}

TEST(AtSpiAccessibilityAccess, PermissionsFollowTheSwitchThroughTheDesktopsHint)
{
    if (qEnvironmentVariableIsEmpty("TQ_DESKTOP_SESSION") || !readFlag("IsEnabled"))
        GTEST_SKIP() << "needs the private desktop session";
    const IsEnabledRestorer restore;
    writeIsEnabled(false);
    AtSpiAccessibilityAccess access;
    VirtualClock clock;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings settings;
    FakeLoginItem login;
    Permissions permissions(access, capture, settings, login, clock);
    ASSERT_FALSE(permissions.accessibility());
    permissions.startWatching();

    QSignalSpy hint(&access, &AccessibilityAccess::changed);
    permissions.requestAccessibility();
    EXPECT_TRUE(settings.opened.empty()); // granted at once: no settings page
    ASSERT_TRUE(hint.count() > 0 || hint.wait(3000));
    clock.advance(std::chrono::milliseconds(300));
    EXPECT_TRUE(permissions.accessibility());
    EXPECT_TRUE(permissions.justGranted(QStringLiteral("onboarding")));
}

TEST(X11ScreenCaptureAccess, AllowedExactlyWhenTheDisplayIsReachable)
{
    X11ScreenCaptureAccess capture;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        EXPECT_FALSE(capture.preflight());
    } else if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        EXPECT_TRUE(capture.request());
    }
}

} // namespace
} // namespace tq
