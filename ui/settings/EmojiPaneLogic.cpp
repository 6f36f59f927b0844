#include "ui/settings/EmojiPaneLogic.h"

#include "completion/EmojiIndex.h"
#include "platform/Text.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QXmlStreamReader>

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
    // Emoji are found by their English names: a sample the search does not know would only
    // show "No emoji match", and an English one would stand in a pane of another language.
    const QString word = text("party", "emoji search sample");
    return finds(word) ? word : QString();
}

namespace {
constexpr qint64 kMaxNamesFile = 8 * 1024 * 1024;

bool isEnglish(const QString& language)
{
    return language == QLatin1String("en") || language.startsWith(QLatin1String("en-"));
}

// The files to read for a language, its own first: "pt-BR" gives pt_BR and pt. A script of its
// own ("zh-Hant") falls back to nothing; Norwegian Bokmål's names are kept as "no".
QStringList fileNamesFor(const QString& language)
{
    QStringList parts = language.split(QLatin1Char('-'), Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return {};
    QStringList out;
    while (!parts.isEmpty()) {
        out << parts.join(QLatin1Char('_'));
        if (parts.size() > 1 && parts.last() == QLatin1String("Hant"))
            break;
        parts.removeLast();
    }
    if (out.last() == QLatin1String("nb"))
        out << QStringLiteral("no");
    return out;
}

QString untoned(const QString& emoji)
{
    QString out = emoji;
    out.remove(QChar(0xFE0F));
    for (const QString& tone : EmojiIndex::skinToneModifiers())
        if (!tone.isEmpty())
            out.remove(tone);
    return out;
}
} // namespace

EmojiNames EmojiNames::load(const QString& language, const QString& folder)
{
    EmojiNames names;
    for (const QString& name : fileNamesFor(language))
        names.read(QDir(folder).filePath(name + QStringLiteral(".xml")));
    return names;
}

void EmojiNames::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxNamesFile)
        return;
    // <annotation cp="🥳" type="tts">Partygesicht</annotation>: the short name said for it. A
    // file nearer the language comes first, so names already there are kept.
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("annotation")
            || xml.attributes().value(QLatin1String("type")) != QLatin1String("tts"))
            continue;
        const QString emoji = xml.attributes().value(QLatin1String("cp")).toString();
        const QString name = xml.readElementText().trimmed();
        if (!emoji.isEmpty() && !name.isEmpty() && name != QString::fromUtf8("↑↑↑") && !names_.contains(emoji))
            names_.insert(emoji, name);
    }
}

QString EmojiNames::nameOf(const QString& emoji) const
{
    if (const auto it = names_.constFind(emoji); it != names_.constEnd())
        return *it;
    const QString plain = untoned(emoji);
    if (const auto it = names_.constFind(plain); it != names_.constEnd())
        return *it;
    return {};
}

QString emojiCellName(const EmojiItem& item, const QString& language, const EmojiNames& names)
{
    if (isEnglish(language))
        return text(":%1:", "emoji name").arg(item.name);
    return names.nameOf(item.emoji);
}

QString noEmojiMatchText(const QString& query)
{
    return text("No emoji match “%1”").arg(query);
}

} // namespace tq
