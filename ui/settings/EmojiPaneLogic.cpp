#include "ui/settings/EmojiPaneLogic.h"

#include "completion/EmojiIndex.h"
#include "platform/Text.h"

namespace tq {

// "Light" here is a skin tone, elsewhere the weak end of a slider.
QString skinToneName(int tone)
{
    switch (tone) {
    case 0: return text("Default", "skin tone");
    case 1: return text("Light", "skin tone");
    case 2: return text("Medium light", "skin tone");
    case 3: return text("Medium", "skin tone");
    case 4: return text("Medium dark", "skin tone");
    case 5: return text("Dark", "skin tone");
    default: return {};
    }
}

QString skinToneSample(int tone)
{
    const QStringList& suffixes = EmojiIndex::skinToneModifiers();
    const QString hand = QString::fromUtf8("\U0001F44B");
    return tone > 0 && tone < suffixes.size() ? hand + suffixes[tone] : hand;
}

QString emojiSearchSample(const std::function<bool(const QString& word)>& finds)
{
    // Emoji are found by their English names: a translation that names none gives way.
    const QString word = text("party", "emoji search sample");
    return finds(word) ? word : QStringLiteral("party");
}

QString noEmojiMatchText(const QString& query)
{
    return text("No emoji match “%1”").arg(query);
}

} // namespace tq
