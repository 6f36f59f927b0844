#include "platform/XTestInjectedKeys.h"

#include <chrono>
#include <deque>
#include <mutex>

namespace tq::injected {

namespace {

using Steady = std::chrono::steady_clock;
// An entry older than this is dropped: its event was lost or never came.
constexpr auto kLifetime = std::chrono::seconds(2);
constexpr std::size_t kMaxEntries = 4096;

struct Entry {
    std::uint32_t code;
    Steady::time_point at;
    bool rawSeen = false;
    bool grabSeen = false;
};

std::mutex mutex;
std::deque<Entry> entries;

void prune()
{
    const auto now = Steady::now();
    while (!entries.empty()
           && ((entries.front().rawSeen && entries.front().grabSeen) || now - entries.front().at > kLifetime
               || entries.size() > kMaxEntries))
        entries.pop_front();
}

template <typename Seen>
bool take(std::uint32_t code, Seen seen)
{
    std::lock_guard lock(mutex);
    prune();
    for (Entry& e : entries) {
        if (e.code == code && !seen(e)) {
            seen(e) = true;
            prune();
            return true;
        }
    }
    return false;
}

} // namespace

void note(std::uint32_t code)
{
    std::lock_guard lock(mutex);
    prune();
    entries.push_back(Entry{code, Steady::now()});
}

bool takeRaw(std::uint32_t code) { return take(code, [](Entry& e) -> bool& { return e.rawSeen; }); }
bool takeGrab(std::uint32_t code) { return take(code, [](Entry& e) -> bool& { return e.grabSeen; }); }

void settleUngrabbed(std::uint32_t code)
{
    std::lock_guard lock(mutex);
    for (Entry& e : entries)
        if (e.code == code && e.rawSeen && !e.grabSeen) {
            e.grabSeen = true;
            break;
        }
    prune();
}

void clear()
{
    std::lock_guard lock(mutex);
    entries.clear();
}

} // namespace tq::injected
