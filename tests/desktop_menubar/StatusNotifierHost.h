#pragma once
// A small StatusNotifier host on the test session's bus: it owns org.kde.StatusNotifierWatcher,
// records the items that register, reads their properties, follows their label signal and
// clicks them the way a panel does.

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QObject>
#include <QStringList>

namespace tq::desktoptest {

class StatusNotifierHost final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(QStringList RegisteredStatusNotifierItems READ items)
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
    Q_PROPERTY(int ProtocolVersion READ protocolVersion)

public:
    ~StatusNotifierHost() override
    {
        bus_.unregisterService(QStringLiteral("org.kde.StatusNotifierWatcher"));
        bus_.unregisterObject(QStringLiteral("/StatusNotifierWatcher"));
    }

    bool start()
    {
        return bus_.registerObject(QStringLiteral("/StatusNotifierWatcher"), this,
                                   QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllProperties
                                       | QDBusConnection::ExportAllSignals)
            && bus_.registerService(QStringLiteral("org.kde.StatusNotifierWatcher"));
    }

    QStringList items() const { return items_; }
    bool hostRegistered() const { return true; }
    int protocolVersion() const { return 0; }
    // Each XAyatanaNewLabel the item sent.
    QStringList labelSignals;

    // A property of the last item registered; an invalid variant when it cannot be read.
    QVariant itemProperty(const QString& name) const
    {
        if (items_.isEmpty())
            return {};
        QDBusMessage get = QDBusMessage::createMethodCall(items_.last(), QStringLiteral("/StatusNotifierItem"),
                                                          QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << QStringLiteral("org.kde.StatusNotifierItem") << name;
        const QDBusMessage reply = bus_.call(get, QDBus::Block, 3000);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return {};
        return reply.arguments().first().value<QDBusVariant>().variant();
    }

    // The sides of the IconPixmap images.
    QList<int> iconSides() const
    {
        QList<int> sides;
        const QVariant v = itemProperty(QStringLiteral("IconPixmap"));
        if (!v.canConvert<QDBusArgument>())
            return sides;
        const QDBusArgument arg = v.value<QDBusArgument>();
        arg.beginArray();
        while (!arg.atEnd()) {
            int width = 0, height = 0;
            QByteArray bytes;
            arg.beginStructure();
            arg >> width >> height >> bytes;
            arg.endStructure();
            if (width == height && bytes.size() == width * height * 4)
                sides << width;
        }
        arg.endArray();
        return sides;
    }

    // Calls Activate(x, y) on the last item, as a panel does on a click.
    bool activate(int x, int y) const
    {
        QDBusMessage call = QDBusMessage::createMethodCall(items_.last(), QStringLiteral("/StatusNotifierItem"),
                                                           QStringLiteral("org.kde.StatusNotifierItem"),
                                                           QStringLiteral("Activate"));
        call << x << y;
        return bus_.call(call, QDBus::Block, 3000).type() == QDBusMessage::ReplyMessage;
    }

public slots:
    void RegisterStatusNotifierItem(const QString& service, const QDBusMessage& message)
    {
        // A path names an object of the caller, anything else a bus name at the usual path.
        const QString item = service.startsWith(QLatin1Char('/')) ? message.service() : service;
        if (items_.contains(item))
            return;
        items_ << item;
        bus_.connect(item, QStringLiteral("/StatusNotifierItem"), QStringLiteral("org.kde.StatusNotifierItem"),
                     QStringLiteral("XAyatanaNewLabel"), this, SLOT(newLabel(QString, QString)));
        emit StatusNotifierItemRegistered(item);
    }
    void RegisterStatusNotifierHost(const QString&) {}

signals:
    void StatusNotifierItemRegistered(const QString& service);
    void StatusNotifierItemUnregistered(const QString& service);
    void StatusNotifierHostRegistered();

private slots:
    void newLabel(const QString& label, const QString&) { labelSignals << label; }

private:
    QDBusConnection bus_ = QDBusConnection::sessionBus();
    QStringList items_;
};

} // namespace tq::desktoptest
