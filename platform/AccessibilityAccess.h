#pragma once
// Whether this program may use the accessibility interface, and asking for it.
//
// On the Linux desktop access means: the AT-SPI bus is reachable and the session's
// accessibility switch (org.a11y.Status.IsEnabled on the session bus) is on. Asking for
// access turns that switch on; it never touches ScreenReaderEnabled, which would start a
// screen reader.

#include <QObject>
#include <QString>

namespace tq {

class AccessibilityAccess : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~AccessibilityAccess() override = default;

    virtual bool isTrusted() = 0;
    // Asks for access; answers whether access is granted afterwards.
    virtual bool requestAccess() = 0;

signals:
    // A hint that access may have changed; read isTrusted() to know.
    void changed();
};

class AtSpiAccessibilityAccess final : public AccessibilityAccess {
    Q_OBJECT
public:
    explicit AtSpiAccessibilityAccess(QObject* parent = nullptr);
    ~AtSpiAccessibilityAccess() override;

    bool isTrusted() override;
    bool requestAccess() override;

private slots:
    void onPropertiesChanged(const QString& interface, const QVariantMap& changed, const QStringList& invalidated);

private:
    bool busReachable();
    QString connectedAddress_;
    QString unreachableLogged_;
};

} // namespace tq
