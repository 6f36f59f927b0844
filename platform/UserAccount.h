#pragma once
// The account the program runs under, as far as the prompt needs it: the owner's full name.

#include <QString>

#include <memory>

namespace tq {

class UserAccount {
public:
    virtual ~UserAccount() = default;
    // The account's full name; empty when none is recorded.
    virtual QString fullName() = 0;

    // The system implementation (made once, by SystemPlatform).
    static std::unique_ptr<UserAccount> createSystem();
};

namespace account {
// The full name in a passwd comment field ("Full Name,room,phone,…"); "&" stands for the
// login name with its first letter capitalised.
QString nameFromGecos(const QString& gecos, const QString& login);
} // namespace account

} // namespace tq
