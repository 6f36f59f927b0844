#pragma once
// Puts text into the focused application as if the user typed it: synthesised key presses, a
// paste through the clipboard that puts the user's clipboard back, and Delete presses. A paste
// waits for the user's clipboard to be saved, and what is asked for meanwhile waits behind it;
// a clipboard that cannot be saved is left alone and the text typed instead.

#include "field/TextInjecting.h"
#include "platform/Clipboard.h"
#include "platform/Clock.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace tq {

class KeySynth;

class TextInjector : public QObject, public TextInjecting {
    Q_OBJECT
public:
    TextInjector(KeySynth& keys, Clipboard& clipboard, Clock& clock, QObject* parent = nullptr);
    ~TextInjector() override;

    void type(const QString& text) override;
    void paste(const QString& text) override;
    void deleteBackward(int count) override;

    // The clipboard goes back this long after a paste, once the application has fetched it.
    static constexpr Millis kRestoreDelay{300};
    // Shortly after a late fetch, the clipboard goes back.
    static constexpr Millis kAfterFetch{50};
    // Never fetched: the clipboard goes back anyway.
    static constexpr Millis kRestoreFallback{2000};
    // Largest piece of text sent at once, in UTF-16 units.
    static constexpr int kChunkUnits = 20;

    // Leading spaces count, and the rest cut into pieces of at most 20 UTF-16 units that
    // never split a surrogate pair.
    static int leadingSpaces(const QString& text);
    static QStringList chunks(const QString& text);

    // Until the user's clipboard is back (or the paste was typed instead).
    bool restorePending() const { return saving_ || saved_.has_value(); }

private:
    struct Step {
        enum class Kind { type, paste, erase } kind;
        QString text;
        int count = 0;
    };
    void saved(std::optional<ClipboardSnapshot> snapshot);
    void putPaste(const QString& text);
    void typeNow(const QString& text);
    void eraseNow(int count);
    void onFetched();
    void restore();

    KeySynth& keys_;
    Clipboard& clipboard_;
    Clock& clock_;
    std::optional<ClipboardSnapshot> saved_; // the user's clipboard while our paste is on it
    bool saving_ = false;                    // the user's clipboard is being read
    QList<Step> waiting_;                    // asked for while it is read, in order
    bool fetched_ = false;
    bool delayPassed_ = false;
    Timer delayTimer_;
    Timer fallbackTimer_;
    Timer afterFetchTimer_;
};

} // namespace tq
