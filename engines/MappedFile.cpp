#include "engines/MappedFile.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <mutex>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace tq {

std::optional<FileIdentity> fileIdentity(const std::string& path)
{
    struct stat st = {};
    if (::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return FileIdentity{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino), std::int64_t(st.st_size),
                        std::int64_t(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec};
}

namespace {

// Everything the handler reads is here, in lock-free atomics.
constexpr int kSlots = 8;
enum SlotState : int { kFree = 0, kTaken = 1, kActive = 2 };

struct Slot {
    std::atomic<int> state{kFree};
    std::atomic<unsigned> major{0};
    std::atomic<unsigned> minor{0};
    std::atomic<std::uint64_t> inode{0};
    std::atomic<bool> faulted{false};
    std::atomic<std::atomic<std::int64_t>*> stop{nullptr};
};
Slot slots[kSlots];

// Ranges already replaced by zeros: a thread that faulted on one before another thread
// replaced it reads again instead of passing the signal on.
constexpr int kPatched = 16;
struct Range {
    std::atomic<std::uintptr_t> begin{0};
    std::atomic<std::uintptr_t> end{0};
    std::atomic<int> slot{-1}; // whose mapping it was; cleared when that guard ends
};
Range patched[kPatched];
std::atomic<unsigned> nextPatched{0};

struct sigaction previous = {};

struct Mapping {
    std::uintptr_t begin = 0;
    std::uintptr_t end = 0;
    int protection = 0;
    unsigned major = 0;
    unsigned minor = 0;
    std::uint64_t inode = 0;
};

bool number(const char*& p, const char* end, std::uint64_t& out, unsigned base)
{
    const char* start = p;
    out = 0;
    for (; p < end; ++p) {
        unsigned digit;
        if (*p >= '0' && *p <= '9')
            digit = unsigned(*p - '0');
        else if (base == 16 && *p >= 'a' && *p <= 'f')
            digit = unsigned(*p - 'a' + 10);
        else
            break;
        out = out * base + digit;
    }
    return p != start;
}

bool expect(const char*& p, const char* end, char c)
{
    if (p >= end || *p != c)
        return false;
    ++p;
    return true;
}

bool spaces(const char*& p, const char* end)
{
    const char* start = p;
    while (p < end && *p == ' ')
        ++p;
    return p != start;
}

// "begin-end perms offset major:minor inode path", the head of one line of /proc/self/maps.
bool parse(const char* p, const char* end, Mapping& m)
{
    std::uint64_t begin, finish, offset, major, minor, inode;
    if (!number(p, end, begin, 16) || !expect(p, end, '-') || !number(p, end, finish, 16) || !spaces(p, end)
        || end - p < 4)
        return false;
    m.protection = (p[0] == 'r' ? PROT_READ : 0) | (p[1] == 'w' ? PROT_WRITE : 0) | (p[2] == 'x' ? PROT_EXEC : 0);
    p += 4;
    if (!spaces(p, end) || !number(p, end, offset, 16) || !spaces(p, end) || !number(p, end, major, 16)
        || !expect(p, end, ':') || !number(p, end, minor, 16) || !spaces(p, end) || !number(p, end, inode, 10))
        return false;
    m.begin = std::uintptr_t(begin);
    m.end = std::uintptr_t(finish);
    m.major = unsigned(major);
    m.minor = unsigned(minor);
    m.inode = inode;
    return true;
}

// The mapping that holds `address`, read from /proc/self/maps with system calls only.
bool mappingAt(std::uintptr_t address, Mapping& found)
{
    const int fd = ::open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    char buffer[4096];
    std::size_t held = 0;
    bool skipping = false; // the rest of a line longer than the buffer
    bool hit = false;
    for (;;) {
        const ssize_t n = ::read(fd, buffer + held, sizeof buffer - held);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        held += std::size_t(n);
        std::size_t start = 0;
        while (const void* nl = std::memchr(buffer + start, '\n', held - start)) {
            const char* lineEnd = static_cast<const char*>(nl);
            Mapping m;
            if (!skipping && parse(buffer + start, lineEnd, m) && m.begin <= address && address < m.end) {
                found = m;
                hit = true;
                break;
            }
            skipping = false;
            start = std::size_t(lineEnd - buffer) + 1;
        }
        if (hit)
            break;
        if (start == 0 && held == sizeof buffer) {
            // One line fills the buffer: its head is all that counts.
            Mapping m;
            if (!skipping && parse(buffer, buffer + held, m) && m.begin <= address && address < m.end) {
                found = m;
                hit = true;
                break;
            }
            skipping = true;
            held = 0;
        } else {
            std::memmove(buffer, buffer + start, held - start);
            held -= start;
        }
    }
    ::close(fd);
    return hit;
}

int slotOf(const Mapping& m)
{
    if (m.inode == 0)
        return -1;
    for (int i = 0; i < kSlots; ++i) {
        const Slot& s = slots[i];
        if (s.state.load() == kActive && s.inode.load() == m.inode && s.major.load() == m.major
            && s.minor.load() == m.minor)
            return i;
    }
    return -1;
}

bool isPatched(std::uintptr_t address)
{
    for (const Range& r : patched)
        if (r.begin.load() <= address && address < r.end.load())
            return true;
    return false;
}

// The whole mapping becomes zero-filled memory of the same protection, in place.
bool replaceWithZeros(const Mapping& m, int slot)
{
    Range& r = patched[nextPatched.fetch_add(1) % kPatched];
    r.end.store(0);
    r.slot.store(slot);
    r.begin.store(m.begin);
    r.end.store(m.end);
    void* at = ::mmap(reinterpret_cast<void*>(m.begin), m.end - m.begin, m.protection,
                      MAP_PRIVATE | MAP_ANONYMOUS | MAP_FIXED | MAP_NORESERVE, -1, 0);
    if (at != MAP_FAILED)
        return true;
    r.end.store(0); // not replaced: a read there must not be tried again and again
    r.begin.store(0);
    r.slot.store(-1);
    return false;
}

void passOn(int signal, siginfo_t* info, void* context)
{
    if ((previous.sa_flags & SA_SIGINFO) && previous.sa_sigaction) {
        previous.sa_sigaction(signal, info, context);
        return;
    }
    if (!(previous.sa_flags & SA_SIGINFO) && previous.sa_handler != SIG_DFL && previous.sa_handler != SIG_IGN) {
        previous.sa_handler(signal);
        return;
    }
    // The default action: the faulting read runs again and ends the program, as without us.
    struct sigaction standard = {};
    standard.sa_handler = SIG_DFL;
    sigemptyset(&standard.sa_mask);
    ::sigaction(signal, &standard, nullptr);
    if (!info || info->si_code <= 0)
        ::raise(signal); // sent, not a fault: delivered again once this handler returns
}

void onBusError(int signal, siginfo_t* info, void* context)
{
    const int savedErrno = errno;
    if (info && info->si_code > 0) { // a fault, not a signal sent by a process
        const auto address = reinterpret_cast<std::uintptr_t>(info->si_addr);
        if (isPatched(address)) {
            errno = savedErrno;
            return;
        }
        Mapping m;
        if (mappingAt(address, m)) {
            const int slot = slotOf(m);
            if (slot >= 0 && replaceWithZeros(m, slot)) {
                slots[slot].faulted.store(true);
                if (std::atomic<std::int64_t>* stop = slots[slot].stop.load())
                    stop->fetch_add(1);
                errno = savedErrno;
                return;
            }
            if (isPatched(address)) {
                errno = savedErrno;
                return;
            }
        }
    }
    passOn(signal, info, context);
}

void installHandlerOnce()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action = {};
        action.sa_sigaction = onBusError;
        action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESTART;
        sigemptyset(&action.sa_mask);
        ::sigaction(SIGBUS, &action, &previous);
    });
}

} // namespace

MappedFileGuard::MappedFileGuard(const FileIdentity& file, std::atomic<std::int64_t>* stop)
{
    static_assert(std::atomic<std::uint64_t>::is_always_lock_free && std::atomic<int>::is_always_lock_free);
    installHandlerOnce();
    for (int i = 0; i < kSlots; ++i) {
        int expected = kFree;
        if (!slots[i].state.compare_exchange_strong(expected, kTaken))
            continue;
        Slot& s = slots[i];
        s.major.store(::major(dev_t(file.device)));
        s.minor.store(::minor(dev_t(file.device)));
        s.inode.store(file.inode);
        s.faulted.store(false);
        s.stop.store(stop);
        s.state.store(kActive);
        slot_ = i;
        return;
    }
}

MappedFileGuard::~MappedFileGuard()
{
    if (slot_ < 0)
        return;
    Slot& s = slots[slot_];
    s.state.store(kTaken);
    s.stop.store(nullptr);
    // Its mappings are gone: the addresses may hold another file's next.
    for (Range& r : patched) {
        if (r.slot.load() == slot_) {
            r.end.store(0);
            r.begin.store(0);
            r.slot.store(-1);
        }
    }
    s.state.store(kFree);
}

bool MappedFileGuard::faulted() const
{
    return slot_ >= 0 && slots[slot_].faulted.load();
}

} // namespace tq
