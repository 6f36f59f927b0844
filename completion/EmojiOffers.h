#pragma once
// Emoji after a colon and a word, and emoji in place of an emoticon: the offer in the picker,
// the picker's keys and the insertion.

#include "completion/EngineStatus.h"
#include "field/FieldSnapshot.h"
#include "field/FieldSource.h"
#include "settings/KeyCombo.h"

#include <QList>

#include <functional>
#include <memory>
#include <optional>

namespace tq {

class EmojiIndex;
class EmojiPickerPanel;
class OverlayScreens;
class Preferences;

class EmojiOffers {
public:
    struct Hooks {
        // An offer is shown: the suggestion on show goes.
        std::function<void()> clearSuggestion;
        std::function<void(const EngineStatus&)> status;
        std::function<void(const QString&)> announce;
        // Escape: holds offers until the text before the caret changes.
        std::function<void()> holdCurrentText;
        // Where the emoji goes, or none.
        std::function<FieldSource*()> source;
        // Inserts `emoji` after the replaced text was deleted.
        std::function<void(const QString& emoji)> insert;
    };

    EmojiOffers(Preferences& prefs, const OverlayScreens& screens, Hooks hooks);
    ~EmojiOffers();

    EmojiIndex& index() { return *index_; }
    EmojiPickerPanel& picker() { return *picker_; }
    // The picker is on screen with rows.
    bool isOpen() const;
    // Return inserts the highlighted emoji (else it keeps its meaning).
    bool acceptsReturn() const { return acceptsReturn_; }

    // Shows the offer for the text before the caret of `s`, or closes the picker; true when
    // an offer is shown. `held`: the user dismissed offers for this very text.
    bool offer(const FieldSnapshot& s, bool held);
    // A key while the picker is open: true swallowed, false passed on, none: not the picker's.
    std::optional<bool> handleKey(const KeyPress& press);
    // The keys handleKey() swallows while open.
    QList<KeyCombo> actingKeys() const;
    void close();

    static constexpr int kAsked = 7;

private:
    void insertSelected();

    Preferences& prefs_;
    Hooks hooks_;
    std::unique_ptr<EmojiIndex> index_;
    std::unique_ptr<EmojiPickerPanel> picker_;
    bool acceptsReturn_ = true;
};

} // namespace tq
