#pragma once
// The OpenAI-compatible server's API key, kept in memory for the run: read from the keychain
// once in the background, replaced at once by a key the user types (which is then written to
// the keychain in the background). The keychain may sit behind an unlock prompt for as long as
// the user likes, so nothing here ever waits for it (a request waits for the stored key a few
// seconds at most, see ProviderHub), a write still running when this object ends finishes (or
// not) on its own, and what was queued behind it is dropped.

#include "platform/Clock.h"
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
    // How the read of the stored key went.
    enum class Load {
        notAsked,
        reading, // on its way from the keychain
        found,
        none,    // the keychain holds no key
        failed,  // the keychain could not hand it out (locked, missing, not text of a key)
    };

    explicit ServerKey(Keychain keychain, QObject* parent = nullptr);
    ~ServerKey() override;

    // The key to send: the one typed this run, else the stored one once it has arrived; empty
    // when there is none (yet).
    QString current() const;
    // The key typed this run (empty: none), whatever became of its write.
    const std::optional<QString>& typedKey() const { return typed_; }
    State state() const { return state_; }
    Load loadState() const { return load_; }
    // Asks the keychain for the stored key, unless it is on its way, has arrived, or a key was
    // typed. A read that failed is tried again.
    void load();
    // Uses `key` from now on and stores it (an empty key removes the stored one).
    void set(const QString& key);
    // Quit: waits at most `wait` for a write still on its way and logs one that did not land.
    // True when nothing typed is left unstored.
    bool flush(Millis wait);

    // A sentence for the key's field when the stored key could not be read; empty otherwise.
    QString problem() const;

    // A pasted key without its surrounding whitespace; none when anything but visible ASCII
    // remains inside (a key is one line of printable characters).
    static std::optional<QString> normalize(const QString& typed);
    // Why a typed key is refused, as a sentence; empty when normalize accepts it.
    static QString refusal(const QString& typed);

signals:
    void stateChanged();
    // current() may have changed: the stored key arrived, or a key was typed.
    void keyChanged();

private:
    struct Read {
        Load load = Load::failed;
        QString key;
        QString error;
    };
    static Read readStored(const Keychain& keychain);
    void finished(quint64 generation, bool ok, const QString& error);
    void arrived(const Read& read);

    Keychain keychain_;
    KeychainQueue queue_{this};
    std::optional<QString> typed_;
    QString stored_;
    State state_ = State::untouched;
    Load load_ = Load::notAsked;
    quint64 generation_ = 0;
};

} // namespace tq
