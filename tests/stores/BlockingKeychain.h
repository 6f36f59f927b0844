#pragma once
// A keychain whose reads and writes wait, as behind an unlock prompt nobody answers, until let go.

#include "platform/fakes/FakeKeychain.h"

#include <condition_variable>
#include <mutex>

namespace tq {

class BlockingKeychain final : public KeychainService {
    template <class F>
    auto locked(F f) -> decltype(f())
    {
        std::lock_guard lock(mutex);
        return f();
    }
    template <class F>
    auto afterRelease(F f) -> decltype(f())
    {
        std::unique_lock lock(mutex);
        ++waiting;
        open.wait(lock, [this] { return released; });
        return f();
    }

public:
    SecretLookup read(const QString& s, const QString& a) override
    {
        return afterRelease([&] { return inner.read(s, a); });
    }
    bool write(const QString& s, const QString& a, const QByteArray& secret, QString* error) override
    {
        return afterRelease([&] { return inner.write(s, a, secret, error); });
    }
    bool remove(const QString& s, const QString& a, QString* error) override
    {
        return locked([&] { return inner.remove(s, a, error); });
    }
    SecretListing items(const QString& s) override { return locked([&] { return inner.items(s); }); }

    void release()
    {
        std::lock_guard lock(mutex);
        released = true;
        open.notify_all();
    }
    // Calls that have waited for the release, answered or not.
    int waitingCalls()
    {
        return locked([&] { return waiting; });
    }
    QByteArray stored(const QString& account)
    {
        return locked([&] { return inner.value(kKeychainService, account); });
    }

    FakeKeychain inner; // set up before the first call
    std::mutex mutex;
    std::condition_variable open;
    bool released = false;
    int waiting = 0;
};

} // namespace tq
