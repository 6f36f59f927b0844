#pragma once
// A D-Bus daemon of a test's own, with no services to start, ended with the test.

#include <QDBusConnection>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace tq::test {

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

} // namespace tq::test
