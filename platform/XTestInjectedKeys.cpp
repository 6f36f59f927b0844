#include "platform/XTestInjectedKeys.h"

namespace tq {

namespace {
using Steady = std::chrono::steady_clock;
// An entry older than this is dropped: its event was lost or never came.
constexpr auto kLifetime = std::chrono::seconds(2);
constexpr std::size_t kMaxEntries = 4096;
} // namespace

void InjectedKeys::prune()
{
    const auto now = Steady::now();
    while (!entries_.empty()
           && ((entries_.front().rawSeen && entries_.front().grabSeen) || now - entries_.front().at > kLifetime
               || entries_.size() > kMaxEntries))
        entries_.pop_front();
}

template <typename Seen>
bool InjectedKeys::take(std::uint32_t code, Seen seen)
{
    std::lock_guard lock(mutex_);
    prune();
    for (Entry& e : entries_) {
        if (e.code == code && !seen(e)) {
            seen(e) = true;
            prune();
            return true;
        }
    }
    return false;
}

void InjectedKeys::note(std::uint32_t code)
{
    std::lock_guard lock(mutex_);
    prune();
    entries_.push_back(Entry{code, Steady::now()});
}

bool InjectedKeys::takeRaw(std::uint32_t code) { return take(code, [](Entry& e) -> bool& { return e.rawSeen; }); }
bool InjectedKeys::takeGrab(std::uint32_t code) { return take(code, [](Entry& e) -> bool& { return e.grabSeen; }); }

void InjectedKeys::settleUngrabbed(std::uint32_t code)
{
    std::lock_guard lock(mutex_);
    for (Entry& e : entries_)
        if (e.code == code && e.rawSeen && !e.grabSeen) {
            e.grabSeen = true;
            break;
        }
    prune();
}

} // namespace tq
