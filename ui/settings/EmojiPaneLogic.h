#pragma once
// The Emoji pane's words: the names of the six skin tones, the search's first word, the names of
// the emoji found and the line shown when a search finds nothing.

#include "overlay/EmojiItem.h"

#include <QHash>
#include <QString>

#include <functional>

namespace tq {

inline constexpr int kSkinTones = 6;
inline constexpr int kEmojiPreviewLimit = 8;

// "Default", "Light", "Medium light", "Medium", "Medium dark", "Dark".
QString skinToneName(int tone);
// The waving hand in tone `tone` (no modifier for 0).
QString skinToneSample(int tone);
// The word the search starts with: "party" in the interface language when the emoji search
// (`finds`) knows it, else none (the field shows its placeholder).
QString emojiSearchSample(const std::function<bool(const QString& word)>& finds);

// Names of emoji in one language, from the Unicode locale data (CLDR annotations) when the
// system has it installed.
class EmojiNames {
public:
    static constexpr const char* kSystemFolder = "/usr/share/unicode/cldr/common/annotations";
    // The names for `language` (as "pt-BR"), from its own file in `folder` and then from the
    // files of the languages it falls back to; none when there is no such file.
    static EmojiNames load(const QString& language, const QString& folder = QString::fromLatin1(kSystemFolder));
    // The name of `emoji`, of a toned one its untoned name; empty when unknown.
    QString nameOf(const QString& emoji) const;
    bool isEmpty() const { return names_.isEmpty(); }

private:
    void read(const QString& path);
    QHash<QString, QString> names_;
};

// What a found emoji is called in its hover help and for screen readers: in English its short
// code, as typed after a colon; in another language its name there, or nothing (the emoji itself
// is then what a screen reader names).
QString emojiCellName(const EmojiItem& item, const QString& language, const EmojiNames& names);
// "No emoji match “brrr”", the query exactly as typed.
QString noEmojiMatchText(const QString& query);

} // namespace tq
