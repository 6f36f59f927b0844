#pragma once
// One owned worker thread that runs one job at a time. A job handed in while another runs
// waits; a newer job takes a waiting one's place, and the replaced one is told so. The
// destructor drops the waiting job, lets the running one end (it can look at stopping())
// and joins the thread.

#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tq {

class LatestJobWorker {
public:
    // `onStart` runs once on the worker thread, before any job.
    explicit LatestJobWorker(std::function<void()> onStart = {});
    ~LatestJobWorker();
    LatestJobWorker(const LatestJobWorker&) = delete;
    LatestJobWorker& operator=(const LatestJobWorker&) = delete;

    // Runs `work` on the worker once it is free. `replaced` runs on the calling thread, inside a
    // later submit(), when a newer job takes this one's place before it started.
    void submit(std::function<void()> work, std::function<void()> replaced = {});

    // True once the owner began to end: a running job may stop early.
    bool stopping() const { return stopping_.load(std::memory_order_relaxed); }

private:
    struct Job {
        std::function<void()> work;
        std::function<void()> replaced;
    };
    void run(const std::function<void()>& onStart);

    std::mutex lock_;
    std::condition_variable wake_;
    std::optional<Job> waiting_;
    std::atomic<bool> stopping_{false};
    std::thread thread_; // last: starts once the rest is in place
};

} // namespace tq
