#pragma once
// The org.kde.StatusNotifierItem interface of DBusStatusNotifierItem as QtDBus exports it:
// the properties hosts read, the methods they call and the signals that tell them to read again.
// Private to platform/.

#include <QDBusAbstractAdaptor>
#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QList>
#include <QPoint>
#include <QString>

#include <functional>

namespace tq {

struct SniPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;
};
using SniPixmaps = QList<SniPixmap>;

struct SniToolTip {
    QString iconName;
    SniPixmaps icon;
    QString title;
    QString body;
};

QDBusArgument& operator<<(QDBusArgument& arg, const SniPixmap& p);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniPixmap& p);
QDBusArgument& operator<<(QDBusArgument& arg, const SniToolTip& t);
const QDBusArgument& operator>>(const QDBusArgument& arg, SniToolTip& t);

// What the item shows; the adaptor reads it.
struct SniState {
    QString id;
    QString title;
    SniPixmaps icon;
    SniToolTip toolTip;
    QString label;
    QString labelGuide;
};

class StatusNotifierAdaptor final : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ emptyName)
    Q_PROPERTY(tq::SniPixmaps IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyName)
    Q_PROPERTY(tq::SniPixmaps OverlayIconPixmap READ noPixmap)
    Q_PROPERTY(QString AttentionIconName READ emptyName)
    Q_PROPERTY(tq::SniPixmaps AttentionIconPixmap READ noPixmap)
    Q_PROPERTY(QString AttentionMovieName READ emptyName)
    Q_PROPERTY(tq::SniToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ label)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)

public:
    StatusNotifierAdaptor(QObject* item, const SniState& state);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return state_.id; }
    QString title() const { return state_.title; }
    QString status() const { return QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString emptyName() const { return {}; }
    SniPixmaps iconPixmap() const { return state_.icon; }
    SniPixmaps noPixmap() const { return {}; }
    SniToolTip toolTip() const { return state_.toolTip; }
    bool itemIsMenu() const { return false; }
    // No exported menu: hosts call ContextMenu instead.
    QDBusObjectPath menu() const { return QDBusObjectPath(QStringLiteral("/NO_DBUSMENU")); }
    QString label() const { return state_.label; }
    QString labelGuide() const { return state_.labelGuide; }

public slots:
    void Activate(int x, int y);
    void SecondaryActivate(int x, int y);
    void ContextMenu(int x, int y);
    void Scroll(int delta, const QString& orientation);

signals:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

public:
    enum class Click { primary, secondary, menu };
    // The host's clicks, at the position it gave (device pixels).
    std::function<void(Click, QPoint)> clicked;

private:
    const SniState& state_;
};

} // namespace tq

Q_DECLARE_METATYPE(tq::SniPixmap)
Q_DECLARE_METATYPE(tq::SniToolTip)
