#pragma once
// The session's accessibility switch (org.a11y.Status on the accessibility bus service), read
// and written by tests that run inside the private desktop session, and the bus itself
// killed and started again.

#include "support/Wait.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QString>

#include <algorithm>
#include <csignal>
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

// The processes under `pid`, children first.
inline QList<qint64> descendantsOf(qint64 pid)
{
    QList<qint64> out;
    const auto childrenOf = [&out](qint64 parent) {
        for (const QString& task : QDir(QStringLiteral("/proc/%1/task").arg(parent)).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            QFile f(QStringLiteral("/proc/%1/task/%2/children").arg(parent).arg(task));
            if (f.open(QIODevice::ReadOnly))
                for (const QByteArray& child : f.readAll().simplified().split(' '))
                    if (!child.isEmpty())
                        out.append(child.toLongLong());
        }
    };
    childrenOf(pid);
    for (qsizetype i = 0; i < out.size(); ++i)
        childrenOf(out[i]);
    return out;
}

// Running, not a zombie waiting for its parent.
inline bool alive(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray text = stat.readAll();
    const qsizetype close = text.lastIndexOf(')');
    return close > 0 && text.mid(close + 2, 1) != "Z";
}

inline qint64 launcherPid()
{
    const auto reply = QDBusConnection::sessionBus().interface()->servicePid(kService);
    return reply.isValid() ? qint64(reply.value()) : -1;
}

// The bus's address; asking starts a launcher when none runs, as the session starts one.
inline QString address(int timeoutMs = 10000)
{
    const QDBusMessage ask = QDBusMessage::createMethodCall(kService, kPath, kService, QStringLiteral("GetAddress"));
    const QDBusMessage reply = QDBusConnection::sessionBus().call(ask, QDBus::Block, timeoutMs);
    return reply.type() == QDBusMessage::ReplyMessage ? reply.arguments().value(0).toString() : QString();
}

// The launcher, its bus and the registry killed outright; then a new launcher started on
// demand by the session (so that nothing of the test's holds it), its bus running and the
// switch on, for the tests after this one as well. Empty when done, else what failed.
inline std::string restart()
{
    const qint64 launcher = launcherPid();
    if (launcher <= 0)
        return "no accessibility bus in the session";
    const QList<qint64> bus = descendantsOf(launcher) << launcher;
    for (qint64 pid : bus)
        ::kill(pid_t(pid), SIGKILL);
    if (!testwait::waitFor([&] { return std::none_of(bus.begin(), bus.end(), alive); }, 10000))
        return "the accessibility bus outlived its kill";
    if (!testwait::waitFor([&] { return !address().isEmpty() && launcherPid() != launcher; }, testwait::kPatience))
        return "no accessibility bus came back";
    writeIsEnabled(true);
    return {};
}

// The processes the registry of the bus at `busAddress` has embedded, by their bus names.
inline QMap<QString, qint64> embedded(const QString& busAddress)
{
    QMap<QString, qint64> out;
    const QString name = QStringLiteral("tq-test-embedded");
    {
        QDBusConnection c = QDBusConnection::connectToBus(busAddress, name);
        const QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.atspi.Registry"),
                                                                QStringLiteral("/org/a11y/atspi/accessible/root"),
                                                                QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
        const QDBusMessage reply = c.call(ask, QDBus::Block, 5000);
        if (reply.type() == QDBusMessage::ReplyMessage && !reply.arguments().isEmpty()) {
            const QDBusArgument arg = reply.arguments().constFirst().value<QDBusArgument>();
            arg.beginArray();
            while (!arg.atEnd()) {
                QString service;
                QDBusObjectPath path;
                arg.beginStructure();
                arg >> service >> path;
                arg.endStructure();
                const QDBusReply<uint> pid = c.interface()->servicePid(service);
                out.insert(service, pid.isValid() ? qint64(pid.value()) : -1);
            }
            arg.endArray();
        }
    }
    QDBusConnection::disconnectFromBus(name);
    return out;
}

// Whether the application root of `service` on the bus at `busAddress` answers for its children.
inline bool rootAnswers(const QString& busAddress, const QString& service)
{
    const QString name = QStringLiteral("tq-test-root");
    bool answered = false;
    {
        QDBusConnection c = QDBusConnection::connectToBus(busAddress, name);
        const QDBusMessage ask = QDBusMessage::createMethodCall(service, QStringLiteral("/org/a11y/atspi/accessible/root"),
                                                                QStringLiteral("org.a11y.atspi.Accessible"), QStringLiteral("GetChildren"));
        answered = c.call(ask, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
    }
    QDBusConnection::disconnectFromBus(name);
    return answered;
}

} // namespace tq::a11ybus
