#pragma once
// Which file a path names now, and a guard that keeps a read of a mapped file that shrank from
// ending the program.
//
// llama.cpp maps the model file and reads its weights straight from the mapping. When the file
// is cut short under it (copied onto, truncated) a read of a page past the new end raises
// SIGBUS. While a guard for the file exists, the process's SIGBUS handler replaces the faulting
// mapping of that file with zero-filled memory and lets the read go on: what is computed from
// it is worthless, which `faulted()` tells, but nothing ends. Nothing is unwound out of the
// library; the handler makes two system calls (read the process's mappings, map zeros) and
// stores to atomics. A SIGBUS of any other cause goes to the handler that was there before, or
// ends the program as it would have.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

namespace tq {

struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNanoseconds = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The file at `path` (symbolic links followed); none when there is none to read.
std::optional<FileIdentity> fileIdentity(const std::string& path);

class MappedFileGuard {
public:
    // Guards every mapping of `file` (by device and inode). On a fault `stop` is incremented
    // too, so that work counting on it ends early. Gives no protection when too many guards
    // exist at once (`guarding()` says so).
    MappedFileGuard(const FileIdentity& file, std::atomic<std::int64_t>* stop);
    ~MappedFileGuard();
    MappedFileGuard(const MappedFileGuard&) = delete;
    MappedFileGuard& operator=(const MappedFileGuard&) = delete;

    bool guarding() const { return slot_ >= 0; }
    // A read of the file's mapping faulted since the guard was made.
    bool faulted() const;

private:
    int slot_ = -1;
};

} // namespace tq
