#pragma once
// How long after it happened an X event is read. The server stamps events with its own
// millisecond clock (32 bits, wrapping); the offset between that clock and ours is learnt
// from the events themselves: the smallest difference seen, allowed to creep up by 1 ms a
// second so that clocks drifting apart are followed.

#include <cstdint>
#include <optional>

namespace tq {

class EventLag {
public:
    // Notes an event stamped `serverMs` and read at `localMs` (a steady clock); how late it was
    // read, in milliseconds (0 when it came as fast as any before it).
    std::int64_t read(std::uint32_t serverMs, std::int64_t localMs);

private:
    std::optional<std::int64_t> baseline_; // local minus server time of the quickest event
    std::int64_t server_ = 0;              // the server's clock, unwrapped
    std::uint32_t lastServer_ = 0;
    std::int64_t lastLocal_ = 0;
};

} // namespace tq
