#include "ui/settings/EmojiPaneLogic.h"

#include "completion/EmojiIndex.h"
#include "platform/Text.h"

#include <QCoreApplication>

namespace tq {

// Own context: "Light" here is a skin tone, elsewhere the weak end of a slider.
QString skinToneName(int tone)
{
    switch (tone) {
    case 0: return QCoreApplication::translate("tq::SkinTone", "Default");
    case 1: return QCoreApplication::translate("tq::SkinTone", "Light");
    case 2: return QCoreApplication::translate("tq::SkinTone", "Medium light");
    case 3: return QCoreApplication::translate("tq::SkinTone", "Medium");
    case 4: return QCoreApplication::translate("tq::SkinTone", "Medium dark");
    case 5: return QCoreApplication::translate("tq::SkinTone", "Dark");
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
