#pragma once
// The emoji vocabulary: emoji named by their Unicode character names (from ICU), short-code
// aliases, emoticons and a list of popular emoji. Answers which emoji fit a word typed after a
// colon and which emoji may replace an emoticon at the end of the text. Main thread only.

#include "overlay/EmojiItem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tq {

class EmojiIndex {
public:
    struct Entry {
        QString emoji;       // as inserted, without skin tone
        QString name;        // Unicode character name, lower case, "_" for spaces
        QStringList words;   // the name's words, lower case
        bool takesSkinTone = false;
    };
    struct Alias {
        QString key;
        QString emoji;
    };
    struct Emoticon {
        QString text;
        QStringList candidates;
    };
    struct EmoticonMatch {
        QString emoticon; // as found at the end of the text
        QList<EmojiItem> items;
        friend bool operator==(const EmoticonMatch&, const EmoticonMatch&) = default;
    };

    // Fixed tables, in their order.
    static const QList<Alias>& aliases();
    static const QList<Emoticon>& emoticons();
    static const QStringList& popular();
    // Index 0: no tone; 1 to 5: the Fitzpatrick modifiers U+1F3FB to U+1F3FF.
    static const QStringList& skinToneModifiers();

    // Emoji for a word typed after a colon (without the colon), best first, at most `limit`
    // items, skin tone `skinTone` (0 to 5) applied; with `includeNeutralTone` the untoned form
    // follows each toned one.
    QList<EmojiItem> search(const QString& query, int limit, int skinTone = 0, bool includeNeutralTone = false);
    // The emoticon that ends `before` (at its start or after whitespace) and its candidates.
    std::optional<EmoticonMatch> emoticonMatch(const QString& before);

    // Every known emoji, built from the Unicode data on first use.
    const QList<Entry>& entries();

private:
    void build();
    const Entry* entryFor(const QString& emoji);

    bool built_ = false;
    QList<Entry> entries_;
    QHash<QString, qsizetype> byEmoji_;
};

// The word after a colon that ends the text before the caret (":rocket" gives "rocket"), or
// none. ASCII letters, digits, "_", "+" and "-"; at most 32; the colon at the start of the
// text or after whitespace, "(", "[" or "{".
std::optional<QString> emojiQuery(const QString& before);

// What the emoji picker offers for the text before the caret.
struct EmojiOffer {
    QList<EmojiItem> items;
    QString replacing;          // the text the emoji replaces: ":" + word, or the emoticon
    bool emoticon = false;      // offered for an emoticon rather than a colon word
    bool acceptsReturn = false; // Return inserts the emoji (else it keeps its meaning)
    friend bool operator==(const EmojiOffer&, const EmojiOffer&) = default;
};

struct EmojiOfferOptions {
    bool emojiEnabled = true;
    bool emoticons = true;
    int skinTone = 0;
    bool includeNeutralTone = false;
    int limit = 7;
};

// The offer for `before`, or none. An emoticon at the end wins over a colon word, so ":D" and
// ":P" reach their faces instead of a search for "d" or "p"; Return takes the emoji only after
// a colon word of two characters or more, so a one-character word never eats a new line.
std::optional<EmojiOffer> emojiOffer(EmojiIndex& index, const QString& before, const EmojiOfferOptions& options);

} // namespace tq
