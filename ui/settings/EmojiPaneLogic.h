#pragma once
// The Emoji pane's words: the names of the six skin tones, the search's first word and the line
// shown when a search finds nothing. Pure.

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
// (`finds`) knows it, else the English word, which it always knows.
QString emojiSearchSample(const std::function<bool(const QString& word)>& finds);
// "No emoji match “brrr”", the query exactly as typed.
QString noEmojiMatchText(const QString& query);

} // namespace tq
