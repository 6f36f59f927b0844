#pragma once

#include "platform/SessionEnd.h"

namespace tq {

class FakeSessionEnd final : public SessionEnd {
public:
    void start() override { ++starts; }
    void end() { emit ending(); }
    int starts = 0;
};

} // namespace tq
