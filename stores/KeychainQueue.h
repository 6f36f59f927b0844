#pragma once
// Keychain calls run one after another on a detached thread that lives while there is work.
// The keychain may sit behind an unlock prompt for as long as the user likes, so nothing waits
// for a call: when the queue ends, the running call finishes on its own, its result goes nowhere
// and the calls queued behind it are dropped.

#include <QObject>

#include <functional>
#include <memory>

namespace tq {

class KeychainQueue {
public:
    // Results are handed to `owner`'s thread; the queue must end before `owner` does.
    explicit KeychainQueue(QObject* owner);
    ~KeychainQueue();
    KeychainQueue(const KeychainQueue&) = delete;
    KeychainQueue& operator=(const KeychainQueue&) = delete;

    // Runs `call` on the queue's thread, then `deliver(result)` on the owner's thread unless the
    // queue has ended by then. Both must own copies of all they use: `call` may outlive the owner.
    template <class Call, class Deliver>
    void run(Call call, Deliver deliver)
    {
        push([call = std::move(call), deliver = std::move(deliver)](const Post& post) mutable {
            post([deliver, result = call()]() mutable { deliver(std::move(result)); });
        });
    }
    // A call is running or waiting to run.
    bool busy() const;

private:
    using Post = std::function<void(std::function<void()>)>;
    struct Shared;
    void push(std::function<void(const Post&)> job);

    std::shared_ptr<Shared> shared_;
};

} // namespace tq
