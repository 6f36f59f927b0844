#include "stores/ServerKey.h"

#include "platform/Log.h"

#include <QPointer>

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace tq {

// Jobs run one after another on a detached thread that lives while there is work, so the
// object can end while a job waits on the keychain.
struct ServerKey::Queue {
    std::mutex mutex;
    std::deque<std::function<void()>> jobs;
    bool running = false;
    ServerKey* owner = nullptr; // cleared when the owner ends; results then go nowhere

    void push(std::function<void()> job, const std::shared_ptr<Queue>& self)
    {
        std::lock_guard lock(mutex);
        jobs.push_back(std::move(job));
        if (running)
            return;
        running = true;
        std::thread([self] {
            for (;;) {
                std::function<void()> next;
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
                next();
            }
        }).detach();
    }
};

ServerKey::ServerKey(Keychain keychain, QObject* parent)
    : QObject(parent), keychain_(std::move(keychain)), queue_(std::make_shared<Queue>())
{
    queue_->owner = this;
}

ServerKey::~ServerKey()
{
    std::lock_guard lock(queue_->mutex);
    if (queue_->running)
        log::warning(QStringLiteral("The server's API key was still being stored when the program ended."));
    queue_->owner = nullptr;
}

std::optional<QString> ServerKey::normalize(const QString& typed)
{
    const QString key = typed.trimmed();
    for (const QChar c : key) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return std::nullopt;
    }
    return key;
}

void ServerKey::set(const QString& key)
{
    typed_ = key;
    state_ = State::saving;
    const quint64 generation = ++generation_;
    emit stateChanged();
    // The job owns copies of all it uses: it may outlive this object.
    std::weak_ptr<Queue> weak = queue_;
    queue_->push([weak, store = &keychain_.store(), service = keychain_.service(), key, generation] {
        QString error;
        const bool ok = key.isEmpty() ? store->remove(service, kServerApiKeyAccount, &error)
                                      : store->write(service, kServerApiKeyAccount, key.toUtf8(), &error);
        const auto queue = weak.lock();
        if (!queue)
            return;
        std::lock_guard lock(queue->mutex);
        if (ServerKey* owner = queue->owner)
            QMetaObject::invokeMethod(owner, [owner, generation, ok, error] { owner->finished(generation, ok, error); },
                                      Qt::QueuedConnection);
    }, queue_);
}

void ServerKey::finished(quint64 generation, bool ok, const QString& error)
{
    if (!ok)
        log::error(QStringLiteral("The server's API key could not be stored: ") + error);
    if (generation != generation_)
        return; // a newer key is on its way
    state_ = ok ? State::saved : State::sessionOnly;
    emit stateChanged();
}

} // namespace tq
