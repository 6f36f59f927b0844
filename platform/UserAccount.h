#pragma once
// The account the program runs under, as far as the prompt needs it: the owner's full name.

#include <QString>

namespace tq {

class UserAccount {
public:
    virtual ~UserAccount() = default;
    // The account's full name; empty when none is recorded.
    virtual QString fullName() = 0;

    // The passwd entry and AccountsService unless a test installed another.
    static UserAccount& shared();
    static void setShared(UserAccount* account); // nullptr restores the real one
};

namespace account {
// The full name in a passwd comment field ("Full Name,room,phone,…"); "&" stands for the
// login name with its first letter capitalised.
QString nameFromGecos(const QString& gecos, const QString& login);
} // namespace account

} // namespace tq
