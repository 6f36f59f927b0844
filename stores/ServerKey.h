#pragma once
// The OpenAI-compatible server's API key as the user typed it: used at once for this run and
// written to the keychain in the background. The keychain may sit behind an unlock prompt for
// as long as the user likes, so no write is ever waited for: one still running when this object
// ends finishes (or not) on its own, and what was queued behind it is dropped.

#include "stores/Keychain.h"
#include "stores/KeychainQueue.h"

#include <QObject>
#include <QString>

#include <optional>

namespace tq {

class ServerKey : public QObject {
    Q_OBJECT
public:
    enum class State {
        untouched,   // nothing typed this run: the keychain's key is the one used
        saving,      // a write is on its way to the keychain
        saved,
        sessionOnly, // the keychain refused or cannot be reached: the key lives until quit
    };

    explicit ServerKey(Keychain keychain, QObject* parent = nullptr);
    ~ServerKey() override;

    // The key typed this run (empty: none), whatever became of its write.
    const std::optional<QString>& typedKey() const { return typed_; }
    State state() const { return state_; }
    // Uses `key` from now on and stores it (an empty key removes the stored one).
    void set(const QString& key);

    // A pasted key without its surrounding whitespace; none when a control character remains
    // inside (a key is one line of visible characters).
    static std::optional<QString> normalize(const QString& typed);

signals:
    void stateChanged();

private:
    void finished(quint64 generation, bool ok, const QString& error);

    Keychain keychain_;
    KeychainQueue queue_{this};
    std::optional<QString> typed_;
    State state_ = State::untouched;
    quint64 generation_ = 0;
};

} // namespace tq
