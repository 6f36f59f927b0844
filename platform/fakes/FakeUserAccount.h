#pragma once
// An account with a settable full name.

#include "platform/UserAccount.h"

namespace tq {

class FakeUserAccount final : public UserAccount {
public:
    QString name;
    int reads = 0;
    QString fullName() override
    {
        ++reads;
        return name;
    }
};

} // namespace tq
