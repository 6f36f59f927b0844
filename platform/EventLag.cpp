#include "platform/EventLag.h"

#include <algorithm>

namespace tq {

std::int64_t EventLag::read(std::uint32_t serverMs, std::int64_t localMs)
{
    if (!baseline_) {
        server_ = serverMs;
        lastServer_ = serverMs;
        lastLocal_ = localMs;
        baseline_ = localMs - server_;
        return 0;
    }
    // Events may come slightly out of order: a step is taken as signed.
    server_ += std::int32_t(serverMs - lastServer_);
    lastServer_ = serverMs;
    const std::int64_t sample = localMs - server_;
    const std::int64_t drift = std::max<std::int64_t>(0, localMs - lastLocal_) / 1000;
    lastLocal_ = std::max(lastLocal_, localMs);
    baseline_ = std::min(*baseline_ + drift, sample);
    return sample - *baseline_;
}

} // namespace tq
