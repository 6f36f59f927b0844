#include "stores/KeychainQueue.h"

#include <QMetaObject>

#include <deque>
#include <mutex>
#include <thread>

namespace tq {

struct KeychainQueue::Shared {
    std::mutex mutex;
    std::deque<std::function<void(const Post&)>> jobs;
    bool running = false;
    QObject* owner = nullptr; // cleared when the queue ends
};

KeychainQueue::KeychainQueue(QObject* owner) : shared_(std::make_shared<Shared>())
{
    shared_->owner = owner;
}

KeychainQueue::~KeychainQueue()
{
    std::lock_guard lock(shared_->mutex);
    shared_->owner = nullptr;
}

bool KeychainQueue::busy() const
{
    std::lock_guard lock(shared_->mutex);
    return shared_->running;
}

void KeychainQueue::push(std::function<void(const Post&)> job)
{
    std::lock_guard lock(shared_->mutex);
    shared_->jobs.push_back(std::move(job));
    if (shared_->running)
        return;
    shared_->running = true;
    std::thread([self = shared_] {
        const Post post = [&self](std::function<void()> deliver) {
            std::lock_guard lock(self->mutex);
            if (QObject* owner = self->owner)
                QMetaObject::invokeMethod(owner, std::move(deliver), Qt::QueuedConnection);
        };
        for (;;) {
            std::function<void(const Post&)> next;
            {
                std::lock_guard lock(self->mutex);
                if (self->jobs.empty() || !self->owner) {
                    self->jobs.clear();
                    self->running = false;
                    return;
                }
                next = std::move(self->jobs.front());
                self->jobs.pop_front();
            }
            next(post);
        }
    }).detach();
}

} // namespace tq
