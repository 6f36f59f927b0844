// The real accessibility switch on the session bus. Runs fully inside the private desktop
// session (tools/desktop-session.sh); on another session bus it only reads.
#include "platform/AccessibilityAccess.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
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

    QSignalSpy changed(&access, &AccessibilityAccess::changed);
    writeIsEnabled(false);
    EXPECT_TRUE(changed.count() > 0 || changed.wait(3000)) << "no PropertiesChanged hint";
    EXPECT_FALSE(access.isTrusted());

    EXPECT_TRUE(access.requestAccess());
    EXPECT_TRUE(access.isTrusted());
    EXPECT_EQ(readFlag("IsEnabled"), std::optional<bool>(true));
    // Asking for access must not start a screen reader.
    EXPECT_EQ(readFlag("ScreenReaderEnabled"), screenReader);

    writeIsEnabled(*initial);
}

} // namespace
} // namespace tq
