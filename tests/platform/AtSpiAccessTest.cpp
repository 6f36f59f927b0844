// The real accessibility switch on the session bus. Runs fully inside the private desktop
// session (tools/desktop-session.sh); on another session bus it only reads.
#include "platform/AccessibilityAccess.h"
#include "platform/ScreenCaptureAccess.h"
#include "support/A11yBus.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace tq {
namespace {

using namespace a11ybus;

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
