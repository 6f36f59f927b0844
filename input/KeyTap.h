#pragma once
// Sees every key press, mouse press and scroll of the session before the focused application
// and asks the handler whether to swallow it. Only the shortcut keys can be swallowed: the
// trigger, alternatives and toggle shortcuts always, the accept keys, Escape, the arrows and
// Return only while something is shown. Events this program synthesises never arrive here.

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

    // Shortcuts that may always be swallowed, and those (with Escape, the arrows and Return)
    // that may be swallowed only while something is shown.
    void setShortcuts(const QList<std::optional<KeyCombo>>& always, const QList<std::optional<KeyCombo>>& whileShown);
    void setShowing(bool showing);
    bool isShowing() const { return showing_; }
    // The keys held for a decision now.
    QList<KeyCombo> grabbedKeys() const;
    // Shortcuts another program already holds (reported, the tap runs on without them).
    QList<KeyCombo> refusedKeys() const;

    static TapEvent toTapEvent(const std::optional<struct TappedKey>& key);

private:
    void applyGrabs();
    KeyTapSource& source_;
    QList<KeyCombo> always_;
    QList<KeyCombo> whileShown_;
    bool showing_ = false;
};

} // namespace tq
