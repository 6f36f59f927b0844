#pragma once
// Sees every key press, mouse press and scroll of the session before the focused application
// and asks the handler whether to swallow it. Only the keys set with setKeys() (the keys the
// engine acts on in its present state) are held for the answer; every other key is only seen.
// Events this program synthesises never arrive here.

#include "input/TapEvent.h"
#include "settings/KeyCombo.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

namespace tq {

class KeyTapSource;

class KeyTap : public QObject {
    Q_OBJECT
public:
    explicit KeyTap(KeyTapSource& source, QObject* parent = nullptr);
    ~KeyTap() override;

    // true = swallow. No handler counts as false.
    std::function<bool(const TapEvent&)> handler;

    // Installs the tap; true when it runs (also when it already ran). A later call retries.
    bool start();
    bool isRunning() const;

    // The keys that may be swallowed: held for a decision once the window system has taken
    // them (keysInForce()), a moment later.
    void setKeys(const QList<KeyCombo>& keys);
    // The keys set last.
    QList<KeyCombo> grabbedKeys() const;
    // True when the keys set last are all held (or refused by another program), and while the
    // tap does not run: a key shown as taken is then kept from the application.
    bool keysInForce() const;
    // Shortcuts another program already holds (reported, the tap runs on without them). Such a
    // key goes to that program, not to the focused field: its presses never reach the handler.
    QList<KeyCombo> refusedKeys() const;

    static TapEvent toTapEvent(const std::optional<struct TappedKey>& key);

signals:
    void refusedKeysChanged();
    // keysInForce() has become true.
    void keysApplied();

private:
    void applyGrabs();
    KeyTapSource& source_;
    QList<KeyCombo> keys_;
};

} // namespace tq
