#include "ui/settings/EmojiPaneLogic.h"

#include "completion/EmojiIndex.h"
#include "platform/Text.h"

namespace tq {

QString skinToneName(int tone)
{
    switch (tone) {
    case 0: return text("Default");
    case 1: return text("Light");
    case 2: return text("Medium light");
    case 3: return text("Medium");
    case 4: return text("Medium dark");
    case 5: return text("Dark");
    default: return {};
    }
}

QString skinToneSample(int tone)
{
    const QStringList& suffixes = EmojiIndex::skinToneModifiers();
    const QString hand = QString::fromUtf8("\U0001F44B");
    return tone > 0 && tone < suffixes.size() ? hand + suffixes[tone] : hand;
}

QString noEmojiMatchText(const QString& query)
{
    return text("No emoji match “%1”").arg(query);
}

} // namespace tq
