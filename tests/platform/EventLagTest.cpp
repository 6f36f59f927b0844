#include "platform/EventLag.h"

#include <gtest/gtest.h>

#include <vector>

using tq::EventLag;

TEST(EventLag, LatenessIsMeasuredAgainstTheQuickestEvent)
{
    struct Step {
        std::uint32_t server;
        std::int64_t local;
        std::int64_t lag;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"steady events are on time", {{1000, 50'000, 0}, {1100, 50'100, 0}, {1102, 50'103, 1}}},
        {"a stall shows as lag (less the drift allowance)", {{1000, 50'000, 0}, {1150, 53'150, 2997}, {4200, 53'200, 0}}},
        {"a quicker event lowers the baseline", {{1000, 50'005, 0}, {1010, 50'010, 0}, {1020, 50'025, 5}}},
        {"the server clock wraps", {{0xFFFF'FFF0u, 10'000, 0}, {0x10, 10'032, 0}, {0x20, 10'548, 500}}},
        {"slightly older stamps count as on time", {{5000, 70'000, 0}, {4998, 69'998, 0}}},
        {"a server clock drifting slower is followed", {{0, 0, 0}, {99'950, 100'000, 0}, {199'900, 200'000, 0}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EventLag lag;
        for (const Step& s : c.steps)
            EXPECT_EQ(lag.read(s.server, s.local), s.lag) << s.server;
    }
}
