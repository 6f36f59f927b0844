// The start-up checks of the desktop session against a private D-Bus daemon: what is missing
// is named in one sentence.
#include "platform/DesktopSession.h"

#include "platform/FakeA11yLauncher.h"

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

// A bus daemon of its own, with no services to start.
class PrivateBus {
public:
    PrivateBus()
    {
        QFile config(dir_.filePath(QStringLiteral("bus.conf")));
        if (!config.open(QIODevice::WriteOnly))
            return;
        config.write(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig><type>session</type><auth>EXTERNAL</auth><listen>unix:dir=)" + dir_.path().toUtf8() + R"(</listen>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/>
</policy></busconfig>)");
        config.close();
        daemon_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--nofork"), QStringLiteral("--print-address"),
                                                      QStringLiteral("--config-file=") + config.fileName()});
        if (daemon_.waitForReadyRead(5000))
            address_ = QString::fromUtf8(daemon_.readLine().trimmed());
    }
    ~PrivateBus()
    {
        for (const QString& name : std::as_const(names_))
            QDBusConnection::disconnectFromBus(name);
        daemon_.kill();
        daemon_.waitForFinished();
    }
    QString address() const { return address_; }
    QDBusConnection connection(const QString& name)
    {
        names_ << name;
        return QDBusConnection::connectToBus(address_, name);
    }

private:
    QTemporaryDir dir_;
    QProcess daemon_;
    QString address_;
    QStringList names_;
};

TEST(DesktopSession, EachMissingServiceIsNamed)
{
    EXPECT_EQ(sessionGap(QDBusConnection::connectToBus(QStringLiteral("unix:path=/nonexistent/bus"),
                                                       QStringLiteral("nowhere"))),
              SessionGap::noSessionBus);
    QDBusConnection::disconnectFromBus(QStringLiteral("nowhere"));

    PrivateBus bus;
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
