#pragma once
// Stands in for the accessibility bus launcher on a test's own bus, naming `address` as the
// accessibility bus.

#include <QObject>
#include <QString>

namespace tq {

class FakeA11yLauncher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.a11y.Bus")
public:
    explicit FakeA11yLauncher(QString address) : address_(std::move(address)) {}
public slots:
    QString GetAddress() const { return address_; }

private:
    QString address_;
};

} // namespace tq
