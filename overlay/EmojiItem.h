#pragma once
// One emoji offered to the user: the text inserted (skin tone applied) and its name.

#include <QHash>
#include <QString>

namespace tq {

struct EmojiItem {
    QString emoji; // what is inserted; also the item's identity in lists
    QString name;  // e.g. "upside-down_face"; "emoji" for an emoticon candidate with no entry

    friend bool operator==(const EmojiItem&, const EmojiItem&) = default;
};

inline size_t qHash(const EmojiItem& item, size_t seed = 0) { return qHashMulti(seed, item.emoji, item.name); }

} // namespace tq
