#pragma once
// A small future with cancellation, the one asynchronous shape of the engines.
//
// An operation returns a `Future<T>`; its producer keeps the matching `Promise<T>`.
// - The outcome is exactly one of: a value, an error (`ProviderError`, or `PlatformError`
//   for failures of the HTTP client, JSON decoding, the on-device model or the runtime that
//   pass through unchanged), or `Cancelled`. Cancelled is never an error.
// - `then()` continuations always run on the main thread, through its event queue: never
//   inside the call of `then()`, `finish()` or `cancel()`. A continuation bound to a context
//   object is skipped when that object is gone.
// - `cancel()` settles an unfinished future as `Cancelled` at once (the continuation still
//   runs later, from the event queue) and calls the producer's cancel handler; a later
//   `finish()` is ignored. Cancelling a finished future does nothing.
// - `finish()` may be called from any thread; only the first outcome counts.

#include <QCoreApplication>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

namespace tq {

// The one failure the engines create themselves; its message is shown unchanged.
struct ProviderError {
    QString message;
    QString localizedDescription() const { return message; }
    bool operator==(const ProviderError&) const = default;
};

// A failure of the platform or of the built-in runtime, passed through as it came.
// `domain` names its source ("network", "json", "onDevice", "runtime"); `code` is that
// source's own number (for "network", a QNetworkReply::NetworkError).
struct PlatformError {
    QString domain;
    int code = 0;
    QString message;
    QString localizedDescription() const { return message; }
    bool operator==(const PlatformError&) const = default;
};

// The cancelled outcome: the caller or a newer request stopped the work. Never an error.
struct Cancelled {
    bool operator==(const Cancelled&) const = default;
};

// A value for operations that give nothing back.
struct Done {
    bool operator==(const Done&) const = default;
};

template <class T>
class Outcome {
public:
    Outcome(T value) : v_(std::move(value)) {}
    Outcome(ProviderError e) : v_(std::move(e)) {}
    Outcome(PlatformError e) : v_(std::move(e)) {}
    Outcome(Cancelled c) : v_(c) {}

    bool hasValue() const { return std::holds_alternative<T>(v_); }
    bool isCancelled() const { return std::holds_alternative<Cancelled>(v_); }
    bool isError() const { return !hasValue() && !isCancelled(); }
    bool isProviderError() const { return std::holds_alternative<ProviderError>(v_); }
    bool isPlatformError() const { return std::holds_alternative<PlatformError>(v_); }

    const T& value() const { return std::get<T>(v_); }
    T valueOr(T fallback) const { return hasValue() ? value() : std::move(fallback); }
    const ProviderError* providerError() const { return std::get_if<ProviderError>(&v_); }
    const PlatformError* platformError() const { return std::get_if<PlatformError>(&v_); }
    // The text to show for an error (empty for a value or a cancellation).
    QString errorMessage() const
    {
        if (auto p = providerError())
            return p->message;
        if (auto p = platformError())
            return p->message;
        return {};
    }
    bool operator==(const Outcome&) const = default;

    // The same failure (or cancellation) as an outcome of another type.
    template <class U>
    Outcome<U> failureAs() const
    {
        if (auto p = providerError())
            return *p;
        if (auto p = platformError())
            return *p;
        return Cancelled{};
    }

private:
    std::variant<T, ProviderError, PlatformError, Cancelled> v_;
};

namespace futures {
// Runs `fn` on the main thread's event queue.
inline void postToMain(std::function<void()> fn)
{
    auto* app = QCoreApplication::instance();
    if (!app)
        return;
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}
} // namespace futures

template <class T>
class Future;

template <class T>
class Promise {
public:
    Promise() : s_(std::make_shared<State>()) {}

    Future<T> future() const { return Future<T>(s_); }

    // Settles the future; ignored when it already settled (for example by a cancellation).
    // Returns true when this outcome counted.
    bool finish(Outcome<T> outcome) const { return settle(s_, std::move(outcome)); }
    bool isSettled() const
    {
        std::lock_guard lock(s_->mutex);
        return s_->outcome.has_value();
    }
    bool isCancelled() const
    {
        std::lock_guard lock(s_->mutex);
        return s_->cancelled;
    }
    // Called once (on the thread that cancels) when the consumer cancels an unsettled future;
    // runs at once when that already happened.
    void onCancel(std::function<void()> handler) const
    {
        bool now = false;
        {
            std::lock_guard lock(s_->mutex);
            if (s_->cancelled)
                now = true;
            else
                s_->cancelHandler = std::move(handler);
        }
        if (now && handler)
            handler();
    }

private:
    friend class Future<T>;
    struct State {
        std::mutex mutex;
        std::optional<Outcome<T>> outcome;
        bool cancelled = false;
        bool delivered = false;
        std::function<void(const Outcome<T>&)> continuation;
        std::function<void()> cancelHandler;
    };

    static void deliverLater(const std::shared_ptr<State>& s)
    {
        futures::postToMain([s] {
            std::function<void(const Outcome<T>&)> fn;
            std::optional<Outcome<T>> out;
            {
                std::lock_guard lock(s->mutex);
                if (s->delivered || !s->continuation || !s->outcome)
                    return;
                s->delivered = true;
                fn = std::move(s->continuation);
                s->continuation = nullptr;
                out = s->outcome;
            }
            fn(*out);
        });
    }

    static bool settle(const std::shared_ptr<State>& s, Outcome<T> outcome)
    {
        bool post = false;
        {
            std::lock_guard lock(s->mutex);
            if (s->outcome)
                return false;
            s->outcome = std::move(outcome);
            post = static_cast<bool>(s->continuation);
        }
        if (post)
            deliverLater(s);
        return true;
    }

    std::shared_ptr<State> s_;
};

template <class T>
class Future {
public:
    Future() = default;

    // A future that already holds its outcome.
    static Future ready(Outcome<T> outcome)
    {
        Promise<T> p;
        p.finish(std::move(outcome));
        return p.future();
    }

    bool isValid() const { return static_cast<bool>(s_); }
    bool isFinished() const
    {
        if (!s_)
            return false;
        std::lock_guard lock(s_->mutex);
        return s_->outcome.has_value();
    }
    // The outcome once finished.
    std::optional<Outcome<T>> result() const
    {
        if (!s_)
            return std::nullopt;
        std::lock_guard lock(s_->mutex);
        return s_->outcome;
    }

    // Sets the one continuation (a later call replaces an undelivered one). It runs on the
    // main thread from the event queue; with a context, only while the context exists.
    void then(QObject* context, std::function<void(const Outcome<T>&)> fn) const
    {
        if (!s_)
            return;
        QPointer<QObject> guard(context);
        const bool bound = context != nullptr;
        auto wrapped = [guard, bound, fn = std::move(fn)](const Outcome<T>& o) {
            if (bound && !guard)
                return;
            fn(o);
        };
        bool post = false;
        {
            std::lock_guard lock(s_->mutex);
            if (s_->delivered)
                return;
            s_->continuation = std::move(wrapped);
            post = s_->outcome.has_value();
        }
        if (post)
            Promise<T>::deliverLater(s_);
    }
    void then(std::function<void(const Outcome<T>&)> fn) const { then(nullptr, std::move(fn)); }

    // Settles an unfinished future as Cancelled and tells the producer.
    void cancel() const
    {
        if (!s_)
            return;
        std::function<void()> handler;
        bool post = false;
        {
            std::lock_guard lock(s_->mutex);
            if (s_->outcome || s_->cancelled)
                return;
            s_->cancelled = true;
            s_->outcome = Outcome<T>(Cancelled{});
            post = static_cast<bool>(s_->continuation);
            handler = std::move(s_->cancelHandler);
            s_->cancelHandler = nullptr;
        }
        if (post)
            Promise<T>::deliverLater(s_);
        if (handler)
            handler();
    }

private:
    friend class Promise<T>;
    explicit Future(std::shared_ptr<typename Promise<T>::State> s) : s_(std::move(s)) {}
    std::shared_ptr<typename Promise<T>::State> s_;
};

// A future of fn(outcome): `fn` maps the outcome of `f` to an Outcome<U>. Cancelling the
// result cancels `f`.
template <class U, class T, class Fn>
Future<U> map(const Future<T>& f, Fn fn)
{
    Promise<U> p;
    p.onCancel([f] { f.cancel(); });
    f.then([p, fn = std::move(fn)](const Outcome<T>& o) {
        if (!p.isSettled())
            p.finish(fn(o));
    });
    return p.future();
}

// A future of the future `fn(outcome)` returns. Cancelling the result cancels whichever
// step is running.
template <class U, class T, class Fn>
Future<U> chain(const Future<T>& f, Fn fn)
{
    Promise<U> p;
    auto inner = std::make_shared<Future<U>>();
    p.onCancel([f, inner] {
        f.cancel();
        inner->cancel();
    });
    f.then([p, inner, fn = std::move(fn)](const Outcome<T>& o) {
        if (p.isSettled())
            return;
        *inner = fn(o);
        inner->then([p](const Outcome<U>& r) { p.finish(r); });
    });
    return p.future();
}

} // namespace tq
