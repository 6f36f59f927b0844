// The start-up checks of the desktop session against a private D-Bus daemon: what is missing
// is named in one sentence.
#include "platform/DesktopSession.h"

#include "platform/FakeA11yLauncher.h"
#include "support/PrivateBus.h"

#include <QDBusConnection>
#include <QDBusError>
#include <QFile>
#include <QObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace tq {
namespace {

TEST(DesktopSession, EachMissingServiceIsNamed)
{
    EXPECT_EQ(sessionGap(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                       QStringLiteral("nowhere"))),
              SessionGap::noSessionBus);
    QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));

    test::PrivateBus bus;
    if (bus.address().isEmpty())
        GTEST_SKIP() << "dbus-daemon did not start";
    {
        QDBusConnection client = bus.connection(QStringLiteral("client"));
        QDBusConnection launcher = bus.connection(QStringLiteral("launcher"));
        ASSERT_TRUE(client.isConnected() && launcher.isConnected());
        EXPECT_EQ(sessionGap(client), SessionGap::noAccessibilityBus); // nobody owns org.a11y.Bus

        // A launcher naming a bus that does not answer, then one naming a bus that does.
        // They answer on a thread of their own: the checks block this one while they ask.
        QThread answering;
        answering.start();
        FakeA11yLauncher dead(QStringLiteral("unix:path=/nonexistent/a11y"));
        FakeA11yLauncher live(bus.address());
        dead.moveToThread(&answering);
        live.moveToThread(&answering);
        const auto stop = qScopeGuard([&] {
            answering.quit();
            answering.wait();
        });
        ASSERT_TRUE(launcher.registerObject(QStringLiteral("/org/a11y/bus"), &dead, QDBusConnection::ExportAllSlots));
        ASSERT_TRUE(launcher.registerService(QStringLiteral("org.a11y.Bus")));
        EXPECT_EQ(sessionGap(client), SessionGap::noAccessibilityBus);
        launcher.unregisterObject(QStringLiteral("/org/a11y/bus"));
        ASSERT_TRUE(launcher.registerObject(QStringLiteral("/org/a11y/bus"), &live, QDBusConnection::ExportAllSlots));
        EXPECT_EQ(sessionGap(client), SessionGap::none);
        launcher.unregisterObject(QStringLiteral("/org/a11y/bus"));
    }

    for (SessionGap gap : {SessionGap::noSessionBus, SessionGap::noAccessibilityBus}) {
        const QString sentence = sessionGapText(gap);
        EXPECT_TRUE(sentence.endsWith(u'.') && !sentence.contains(u'\n')) << sentence.toStdString();
    }
    EXPECT_TRUE(sessionGapText(SessionGap::none).isEmpty());
}

TEST(DesktopSession, ADisplayThatIsGoneIsNamed)
{
    const auto gone = displayProblem(":187");
    ASSERT_TRUE(gone);
    EXPECT_TRUE(gone->contains(QStringLiteral("\":187\""))) << gone->toStdString();
    EXPECT_TRUE(displayProblem({}));
}

} // namespace
} // namespace tq
