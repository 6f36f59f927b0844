#include "platform/UserAccount.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>

#include <pwd.h>
#include <unistd.h>

#include <vector>

namespace tq {

namespace {

// AccountsService keeps the name the desktop's settings show; a missing service is no error.
QString accountsServiceName(uid_t uid)
{
    QDBusConnection bus = QDBusConnection::systemBus();
    if (!bus.isConnected())
        return QString();
    QDBusInterface accounts(QStringLiteral("org.freedesktop.Accounts"), QStringLiteral("/org/freedesktop/Accounts"),
                            QStringLiteral("org.freedesktop.Accounts"), bus);
    accounts.setTimeout(300);
    if (!accounts.isValid())
        return QString();
    QDBusReply<QDBusObjectPath> path = accounts.call(QStringLiteral("FindUserById"), qint64(uid));
    if (!path.isValid())
        return QString();
    QDBusInterface user(QStringLiteral("org.freedesktop.Accounts"), path.value().path(),
                        QStringLiteral("org.freedesktop.Accounts.User"), bus);
    user.setTimeout(300);
    return user.isValid() ? user.property("RealName").toString().trimmed() : QString();
}

class SystemUserAccount final : public UserAccount {
public:
    QString fullName() override
    {
        const uid_t uid = getuid();
        QString name;
        std::vector<char> buffer(16384);
        passwd entry{};
        passwd* found = nullptr;
        if (getpwuid_r(uid, &entry, buffer.data(), buffer.size(), &found) == 0 && found)
            name = account::nameFromGecos(QString::fromLocal8Bit(found->pw_gecos ? found->pw_gecos : ""),
                                          QString::fromLocal8Bit(found->pw_name ? found->pw_name : ""));
        if (name.isEmpty())
            name = accountsServiceName(uid);
        return name;
    }
};

} // namespace

QString account::nameFromGecos(const QString& gecos, const QString& login)
{
    QString name = gecos.section(QLatin1Char(','), 0, 0).trimmed();
    if (name.contains(QLatin1Char('&'))) {
        QString capitalised = login;
        if (!capitalised.isEmpty())
            capitalised[0] = capitalised[0].toUpper();
        name.replace(QLatin1Char('&'), capitalised);
    }
    return name;
}

std::unique_ptr<UserAccount> UserAccount::createSystem()
{
    return std::make_unique<SystemUserAccount>();
}

} // namespace tq
