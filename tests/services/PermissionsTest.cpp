#include "services/Permissions.h"

#include "platform/fakes/FakeAccessibilityAccess.h"
#include "platform/fakes/FakeDesktopSettings.h"
#include "platform/fakes/FakeLoginItem.h"
#include "platform/fakes/FakeScreenCaptureAccess.h"
#include "platform/AccessibilityAccess.h"
#include "support/A11yBus.h"

#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace tq {
namespace {

class PermissionsTest : public ::testing::Test {
protected:
    std::unique_ptr<Permissions> make()
    {
        return std::make_unique<Permissions>(access, capture, settings, login, clock);
    }
    // Reads of the access state during `span` of virtual time.
    int readsDuring(Nanos span)
    {
        const int before = access.reads;
        clock.advance(span);
        return access.reads - before;
    }

    VirtualClock clock;
    FakeAccessibilityAccess access;
    FakeScreenCaptureAccess capture;
    FakeDesktopSettings settings;
    FakeLoginItem login;
};

TEST_F(PermissionsTest, PollsEverySecondWhileMissingAndEveryFiveOnceGranted)
{
    auto p = make();
    EXPECT_FALSE(p->isPolling());
    p->startWatching();
    EXPECT_EQ(readsDuring(10s), 10);

    int granted = 0;
    p->setOnAccessibilityGranted([&] { ++granted; });
    QSignalSpy changed(p.get(), &Permissions::accessibilityChanged);
    access.setTrusted(true, /*notify=*/false);
    clock.advance(1s); // the next one-second tick sees the grant
    EXPECT_TRUE(p->accessibility());
    EXPECT_EQ(granted, 1);
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(p->accessibilityGrantedAt(), clock.now());

    EXPECT_EQ(readsDuring(4900ms), 0);
    EXPECT_EQ(readsDuring(100ms), 1);
    EXPECT_EQ(readsDuring(20s), 4);
    EXPECT_EQ(granted, 1);
    EXPECT_EQ(changed.count(), 1);

    // Revoked: back to every second, the grant callback stays silent.
    access.setTrusted(false, false);
    clock.advance(5s);
    EXPECT_FALSE(p->accessibility());
    EXPECT_EQ(readsDuring(3s), 3);
    EXPECT_EQ(granted, 1);
}

TEST_F(PermissionsTest, DesktopHintRefreshesAfterAShortDelay)
{
    auto p = make();
    p->startWatching();
    clock.advance(200ms);
    access.setTrusted(true); // posts the hint
    clock.advance(299ms);
    EXPECT_FALSE(p->accessibility());
    clock.advance(1ms);
    EXPECT_TRUE(p->accessibility());
}

TEST_F(PermissionsTest, WatchingTwiceObservesOnceButRestartsThePoll)
{
    auto p = make();
    p->startWatching();
    clock.advance(700ms);
    p->startWatching();
    EXPECT_EQ(readsDuring(999ms), 0); // restarted at 700 ms: next tick at 1700 ms
    EXPECT_EQ(readsDuring(1ms), 1);

    access.setTrusted(false); // a hint with nothing changed
    EXPECT_EQ(readsDuring(300ms), 1);
}

TEST_F(PermissionsTest, RequestThatLeadsNowhereLooksStuckAfterTenSeconds)
{
    auto p = make();
    p->startWatching();
    p->requestAccessibility();
    EXPECT_EQ(access.requests, 1);
    ASSERT_EQ(settings.opened.size(), 1u);
    EXPECT_EQ(settings.opened[0], SettingsPage::accessibility);
    ASSERT_TRUE(p->accessibilityRequestedAt());

    QSignalSpy stuck(p.get(), &Permissions::accessibilityLooksStuckChanged);
    clock.advance(10s); // the tick at exactly 10 s is not "more than 10 s"
    EXPECT_FALSE(p->accessibilityLooksStuck());
    clock.advance(1s);
    EXPECT_TRUE(p->accessibilityLooksStuck());
    clock.advance(5s);
    EXPECT_EQ(stuck.count(), 1);

    p->requestAccessibility();
    EXPECT_FALSE(p->accessibilityLooksStuck());
    EXPECT_EQ(stuck.count(), 2);

    // The grant clears it; a later revocation is no stuck request.
    clock.advance(11s);
    EXPECT_TRUE(p->accessibilityLooksStuck());
    access.setTrusted(true, false);
    clock.advance(1s);
    EXPECT_FALSE(p->accessibilityLooksStuck());
    access.setTrusted(false, false);
    clock.advance(60s);
    EXPECT_FALSE(p->accessibility());
    EXPECT_FALSE(p->accessibilityLooksStuck());
}

TEST_F(PermissionsTest, GrantedRequestOpensNoSettings)
{
    access.grantOnRequest = true;
    auto p = make();
    p->requestAccessibility();
    EXPECT_TRUE(settings.opened.empty());
}

TEST_F(PermissionsTest, JustGrantedHoldsFor120SecondsOncePerPlace)
{
    auto p = make();
    p->startWatching();
    EXPECT_FALSE(p->justGranted(QStringLiteral("onboarding")));
    access.setTrusted(true);
    clock.advance(300ms);
    ASSERT_TRUE(p->accessibility());
    clock.advance(119s);
    EXPECT_TRUE(p->justGranted(QStringLiteral("onboarding")));
    p->markCelebrated(QStringLiteral("onboarding"));
    EXPECT_FALSE(p->justGranted(QStringLiteral("onboarding")));
    EXPECT_TRUE(p->justGranted(QStringLiteral("overview")));
    clock.advance(1s);
    EXPECT_FALSE(p->justGranted(QStringLiteral("overview")));
}

TEST_F(PermissionsTest, AccessGrantedAtLaunchIsNoFreshGrant)
{
    access.trusted = true;
    capture.allowed = true;
    int granted = 0;
    auto p = make();
    p->setOnAccessibilityGranted([&] { ++granted; });
    EXPECT_TRUE(p->accessibility());
    EXPECT_TRUE(p->screenRecording());
    p->startWatching();
    EXPECT_EQ(p->pollInterval(), 5s);
    clock.advance(30s);
    EXPECT_FALSE(p->justGranted(QStringLiteral("overview")));
    EXPECT_FALSE(p->accessibilityGrantedAt().isValid());
    EXPECT_EQ(granted, 0);
}

TEST_F(PermissionsTest, ScreenRecordingAndPredictionsAreRefreshed)
{
    auto p = make();
    EXPECT_FALSE(p->screenRecording());
    EXPECT_FALSE(p->systemPredictionsOn()); // the desktop has no inline predictions
    QSignalSpy spy(p.get(), &Permissions::screenRecordingChanged);
    p->refresh();
    EXPECT_EQ(spy.count(), 0);
    capture.allowed = true;
    p->refresh();
    p->refresh();
    EXPECT_TRUE(p->screenRecording());
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(PermissionsTest, SettingsPagesByAnchor)
{
    auto p = make();
    p->openPrivacyPane(QStringLiteral("Privacy_ScreenCapture"));
    p->openPrivacyPane(QStringLiteral("Privacy_Accessibility"));
    p->openPrivacyPane(QStringLiteral("no such page"));
    p->openKeyboardSettings();
    EXPECT_EQ(settings.opened, (std::vector<SettingsPage>{SettingsPage::screenRecording, SettingsPage::accessibility, SettingsPage::keyboard}));
}

QStringList logged;
void captureLog(QtMsgType, const QMessageLogContext&, const QString& message) { logged << message; }

TEST_F(PermissionsTest, FailedLaunchAtLoginChangeIsLoggedOnly)
{
    auto p = make();
    p->setLaunchAtLogin(true);
    EXPECT_TRUE(p->launchAtLogin());

    login.failure = QStringLiteral("The autostart folder is read-only.");
    logged.clear();
    const auto previous = qInstallMessageHandler(captureLog);
    p->setLaunchAtLogin(false);
    qInstallMessageHandler(previous);
    EXPECT_TRUE(p->launchAtLogin());
    ASSERT_EQ(logged.size(), 1);
    EXPECT_EQ(logged[0], QStringLiteral("Tessaquill: launch at login change failed: The autostart folder is read-only."));
}

// The real switch on the private desktop session's bus.
TEST(PermissionsSession, FollowTheAccessibilitySwitchThroughTheDesktopsHint)
{
    if (qEnvironmentVariableIsEmpty("TQ_DESKTOP_SESSION") || !a11ybus::readFlag("IsEnabled"))
        GTEST_SKIP() << "needs the private desktop session";
    const a11ybus::IsEnabledRestorer restore;
    a11ybus::writeIsEnabled(false);
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

} // namespace
} // namespace tq
