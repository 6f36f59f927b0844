#pragma once
// Spelling fixes: the correction of a just-finished word, offered in the ghost and applied by
// the accept keys.

#include "field/FieldSnapshot.h"
#include "field/FieldSource.h"
#include "overlay/GhostContent.h"
#include "platform/Clock.h"

#include <QString>

#include <functional>
#include <optional>

namespace tq {

class Preferences;
class TypoChecker;

struct SpellingFix {
    QString fieldKey;
    QString before; // the whole text before the caret when the fix was found
    QString word;
    QString replacement;
    friend bool operator==(const SpellingFix&, const SpellingFix&) = default;
};

// What the engine inserted last and when.
struct Injection {
    QString fieldKey;
    QString text;
    Nanos at{0}; // monotonic clock
};

class FixOffers {
public:
    struct Hooks {
        // Draws the offer in the ghost.
        std::function<void(const GhostContent&)> show;
        std::function<void()> hideGhost;
        // The presented font size for the field.
        std::function<double(const FieldSnapshot&)> fontSize;
        // The lower-cased key name of the accept-word shortcut, or none.
        std::function<std::optional<QString>()> acceptWordHint;
        std::function<const std::optional<Injection>&()> lastInjection;
        // The field now, or none, and where edits go, or none.
        std::function<const std::optional<FieldSnapshot>&()> field;
        std::function<FieldSource*()> source;
        // Inserts the corrected word after the misspelled one was deleted.
        std::function<void(const QString& text, const QString& fieldKey)> insert;
    };

    FixOffers(Clock& clock, Preferences& prefs, TypoChecker& typo, Hooks hooks);

    const std::optional<SpellingFix>& pending() const { return pending_; }
    void drop() { pending_.reset(); }
    // Shows the stored fix again when `s` is still its text; true then.
    bool reshow(const FieldSnapshot& s);
    // Finds a fix for the word just finished in `s` and shows it; true when there is one.
    bool offer(const FieldSnapshot& s);
    // The text of `s` is what the engine just inserted (no fix is offered for it).
    bool isEcho(const FieldSnapshot& s) const;
    // Applies `fix` when the field still holds its text; the offer goes either way.
    bool accept(const SpellingFix& fix);

    static constexpr Nanos kEchoWindow = std::chrono::milliseconds(400);

private:
    void present(const SpellingFix& fix, const FieldSnapshot& s);

    Clock& clock_;
    Preferences& prefs_;
    TypoChecker& typo_;
    Hooks hooks_;
    std::optional<SpellingFix> pending_;
};

} // namespace tq
