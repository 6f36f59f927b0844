#pragma once
// The session's accessibility switch (org.a11y.Status on the accessibility bus service), read
// and written by tests that run inside the private desktop session.

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>
#include <QString>

#include <optional>

namespace tq::a11ybus {

inline const QString kService = QStringLiteral("org.a11y.Bus");
inline const QString kPath = QStringLiteral("/org/a11y/bus");

inline std::optional<bool> readFlag(const char* name)
{
    QDBusMessage get = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << QStringLiteral("org.a11y.Status") << QString::fromLatin1(name);
    const QDBusReply<QDBusVariant> reply = QDBusConnection::sessionBus().call(get, QDBus::Block, 2000);
    if (!reply.isValid())
        return std::nullopt;
    return reply.value().variant().toBool();
}

inline void writeIsEnabled(bool on)
{
    QDBusMessage set = QDBusMessage::createMethodCall(kService, kPath, QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Set"));
    set << QStringLiteral("org.a11y.Status") << QStringLiteral("IsEnabled") << QVariant::fromValue(QDBusVariant(on));
    QDBusConnection::sessionBus().call(set, QDBus::Block, 2000);
}

// The desktop tests need the flag on: it is switched back on however a test ends.
struct IsEnabledRestorer {
    ~IsEnabledRestorer() { writeIsEnabled(true); }
};

} // namespace tq::a11ybus
