#pragma once
// The program's own item for trays that read StatusNotifierItems over the session bus (GNOME's
// AppIndicator extension, KDE Plasma, the indicator applets of XFCE and MATE, Budgie): the icon
// in every size it is drawn at, a tooltip, a label beside the icon (XAyatanaLabel) and the
// host's clicks. While published it is registered with org.kde.StatusNotifierWatcher, and again
// whenever a watcher starts.

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QString>

#include <memory>

namespace tq {

class StatusNotifierItem : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~StatusNotifierItem() override = default;

    // Puts the item on the bus and registers it; withdraw() takes it off (hosts drop it).
    virtual void publish() = 0;
    virtual void withdraw() = 0;
    virtual bool published() const = 0;

    // Square images, one per size.
    virtual void setIcon(const QList<QImage>& sizes) = 0;
    virtual void setToolTip(const QString& title, const QString& body) = 0;
    // The text beside the icon and the widest text it is expected to take; empty: no label.
    virtual void setLabel(const QString& label, const QString& guide) = 0;

signals:
    // The host's click, middle click and menu request at a screen position in Qt's logical
    // coordinates; a null point when the host gave none.
    void activated(QPoint at);
    void secondaryActivated(QPoint at);
    void contextMenuRequested(QPoint at);
};

// The item over QtDBus on the session bus, under the name
// "org.kde.StatusNotifierItem-<pid>-<n>" at the path "/StatusNotifierItem".
class DBusStatusNotifierItem final : public StatusNotifierItem {
    Q_OBJECT
public:
    explicit DBusStatusNotifierItem(QObject* parent = nullptr);
    ~DBusStatusNotifierItem() override;

    void publish() override;
    void withdraw() override;
    bool published() const override;
    void setIcon(const QList<QImage>& sizes) override;
    void setToolTip(const QString& title, const QString& body) override;
    void setLabel(const QString& label, const QString& guide) override;

    // The bytes of IconPixmap for one image: ARGB32, network byte order, row by row.
    static QByteArray argb32NetworkOrder(const QImage& image);

private:
    void registerWithWatcher();
    struct Bus;
    std::unique_ptr<Bus> bus_;
};

} // namespace tq
