#pragma once

#include "platform/SingleInstance.h"

namespace tq {

class FakeSingleInstance final : public SingleInstance {
public:
    bool claim(const QStringList& arguments) override
    {
        claimed << arguments;
        return first;
    }
    void launchAgain(const QStringList& arguments) { emit handedOver(arguments); }
    bool first = true;
    QList<QStringList> claimed;
};

} // namespace tq
