#include "completion/EmojiIndex.h"

#include <gtest/gtest.h>

using tq::EmojiIndex;
using tq::EmojiItem;
using tq::EmojiOffer;
using tq::EmojiOfferOptions;
using tq::emojiOffer;
using tq::emojiQuery;

namespace {

QString e(std::initializer_list<char32_t> scalars) { return QString::fromUcs4(scalars.begin(), qsizetype(scalars.size())); }

QStringList emojiOf(const QList<EmojiItem>& items)
{
    QStringList out;
    for (const EmojiItem& i : items)
        out << i.emoji;
    return out;
}

const QString kRocket = e({0x1F680}), kThumbsUp = e({0x1F44D}), kWave = e({0x1F44B}), kMedium = e({0x1F3FD});

} // namespace

TEST(EmojiIndex, EntriesComeFromTheUnicodeData)
{
    EmojiIndex index;
    const auto& entries = index.entries();
    EXPECT_GT(entries.size(), 1000);
    auto find = [&](const QString& emoji) -> const EmojiIndex::Entry* {
        for (const auto& en : entries)
            if (en.emoji == emoji)
                return &en;
        return nullptr;
    };
    const auto* upside = find(e({0x1F643}));
    ASSERT_TRUE(upside);
    EXPECT_EQ(upside->name, "upside-down_face");
    EXPECT_EQ(upside->words, (QStringList{"upside", "down", "face"}));
    EXPECT_FALSE(upside->takesSkinTone);

    const auto* heart = find(e({0x2764, 0xFE0F})); // text-style by default: takes the emoji selector
    ASSERT_TRUE(heart);
    EXPECT_EQ(heart->name, "heavy_black_heart");
    EXPECT_TRUE(find(e({0x2B50})));          // emoji presentation: no selector
    EXPECT_FALSE(find(e({0x1F3FB})));        // skin-tone modifiers are not entries
    EXPECT_TRUE(find(kWave)->takesSkinTone);
    for (const auto& alias : EmojiIndex::aliases())
        EXPECT_TRUE(find(alias.emoji)) << alias.key.toStdString();
}

TEST(EmojiIndex, FixedTables)
{
    EXPECT_EQ(EmojiIndex::aliases().size(), 81);
    EXPECT_EQ(EmojiIndex::emoticons().size(), 26);
    EXPECT_EQ(EmojiIndex::popular().size(), 29);
    EXPECT_EQ(EmojiIndex::skinToneModifiers(), (QStringList{"", e({0x1F3FB}), e({0x1F3FC}), kMedium, e({0x1F3FE}), e({0x1F3FF})}));
}

TEST(EmojiIndex, SearchRanking)
{
    EmojiIndex index;
    const QList<EmojiItem> rocket = index.search(QStringLiteral("rocket"), 7);
    ASSERT_FALSE(rocket.isEmpty());
    EXPECT_EQ(rocket.first(), (EmojiItem{kRocket, "rocket"}));
    EXPECT_LE(rocket.size(), 7);

    EXPECT_EQ(index.search("thumbsup", 7).value(0).emoji, kThumbsUp);
    EXPECT_EQ(index.search("ThumbsUp", 7), index.search("thumbsup", 7));
    EXPECT_EQ(emojiOf(index.search("+1", 7)), QStringList{kThumbsUp});
    EXPECT_EQ(emojiOf(index.search("-1", 7)), QStringList{e({0x1F44E})});
    EXPECT_TRUE(index.search("", 7).isEmpty());
    EXPECT_TRUE(index.search("rocket", 0).isEmpty());

    // Aliases that start with the query join with 500 unless their emoji matched already.
    const QStringList th = emojiOf(index.search("th", 200));
    for (const QString& want : {kThumbsUp, e({0x1F44E}), e({0x1F64F}), e({0x1F914})})
        EXPECT_TRUE(th.contains(want)) << want.toStdString();
    // Two characters never match inside a name.
    for (const EmojiItem& item : index.search("th", 200)) {
        const bool wordStart = item.name.startsWith("th") || item.name.contains("_th") || item.name.contains("-th");
        const bool alias = item.emoji == e({0x1F64F});
        EXPECT_TRUE(wordStart || alias) << item.name.toStdString();
    }
    // Short names win over longer ones with the same match.
    const QList<EmojiItem> face = index.search("face", 50);
    for (qsizetype i = 1; i < face.size(); ++i)
        EXPECT_NE(face[i].emoji, face[0].emoji);
}

TEST(EmojiIndex, SkinTones)
{
    EmojiIndex index;
    EXPECT_EQ(emojiOf(index.search("wave", 7, 3, true)).mid(0, 2), (QStringList{kWave + kMedium, kWave}));
    EXPECT_EQ(emojiOf(index.search("wave", 7, 3, false)).value(0), kWave + kMedium);
    EXPECT_FALSE(emojiOf(index.search("wave", 7, 3, false)).contains(kWave));
    EXPECT_EQ(emojiOf(index.search("wave", 7, 0, true)).value(0), kWave);
    EXPECT_EQ(emojiOf(index.search("wave", 7, 9, true)).value(0), kWave); // out of range: no tone
    EXPECT_EQ(emojiOf(index.search("fire", 7, 3, true)).value(0), e({0x1F525}));
    // Variants count towards the limit.
    EXPECT_EQ(index.search("hand", 7, 2, true).size(), 7);
    EXPECT_EQ(index.search("hand", 1, 2, true).size(), 1);
}

TEST(EmojiIndex, EmoticonMatch)
{
    EmojiIndex index;
    const auto smile = index.emoticonMatch(QStringLiteral("Nice :)"));
    ASSERT_TRUE(smile);
    EXPECT_EQ(smile->emoticon, ":)");
    EXPECT_EQ(emojiOf(smile->items), (QStringList{e({0x1F642}), e({0x1F60A})}));
    EXPECT_EQ(smile->items[0].name, "slightly_smiling_face");

    EXPECT_FALSE(index.emoticonMatch(QStringLiteral("Nice:)")));
    EXPECT_FALSE(index.emoticonMatch(QStringLiteral("x:-)")));
    EXPECT_EQ(index.emoticonMatch(QStringLiteral("ok :-)"))->emoticon, ":-)");
    EXPECT_EQ(index.emoticonMatch(QStringLiteral("line\n:)"))->emoticon, ":)");
    EXPECT_EQ(index.emoticonMatch(QStringLiteral("</3"))->emoticon, "</3");
    EXPECT_EQ(emojiOf(index.emoticonMatch(QStringLiteral(":p"))->items), QStringList{e({0x1F61B})});
    EXPECT_EQ(emojiOf(index.emoticonMatch(QStringLiteral(":P"))->items), (QStringList{e({0x1F61B}), e({0x1F61C})}));
    const auto heart = index.emoticonMatch(QStringLiteral("love <3"));
    ASSERT_TRUE(heart);
    EXPECT_EQ(heart->items, (QList<EmojiItem>{{e({0x2764, 0xFE0F}), "heavy_black_heart"},
                                              {e({0x1F970}), "smiling_face_with_smiling_eyes_and_three_hearts"}}));
    EXPECT_FALSE(index.emoticonMatch(QString()));
}

TEST(EmojiIndex, ColonWordQuery)
{
    const struct {
        QString before;
        std::optional<QString> query;
    } cases[] = {
        {":rocket", "rocket"},
        {"Launch :rocket", "rocket"},
        {"(:rocket", "rocket"},
        {"{:ok", "ok"},
        {"x:rocket", std::nullopt},
        {".:rocket", std::nullopt},
        {"at 12:30", std::nullopt},
        {":100", "100"},
        {":+1", std::nullopt},
        {":-", std::nullopt},
        {":" + QString(33, u'a'), std::nullopt},
        {":" + QString(32, u'a'), QString(32, u'a')},
        {QStringLiteral(":caf\u00E9"), std::nullopt},
        {"rocket", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(emojiQuery(c.before), c.query) << c.before.toStdString();
}

TEST(EmojiIndex, OffersLetEmoticonsWinAndShortWordsKeepReturn)
{
    EmojiIndex index;
    const auto rocket = emojiOffer(index, QStringLiteral("Launch :rocket"), {});
    ASSERT_TRUE(rocket);
    EXPECT_EQ(rocket->items.value(0).emoji, kRocket);
    EXPECT_LE(rocket->items.size(), 7);
    EXPECT_EQ(rocket->replacing, ":rocket");
    EXPECT_TRUE(rocket->acceptsReturn);
    EXPECT_FALSE(rocket->emoticon);

    const struct {
        QString before;
        QStringList emoji;
    } emoticons[] = {
        {":D", {e({0x1F604}), e({0x1F601})}},
        {"so :P", {e({0x1F61B}), e({0x1F61C})}},
        {"wow :O", {e({0x1F62E}), e({0x1F632})}},
        {"ha :-P", {e({0x1F61B}), e({0x1F61C})}},
        {":3", {e({0x1F63A})}},
    };
    for (const auto& c : emoticons) {
        SCOPED_TRACE(c.before.toStdString());
        const auto offer = emojiOffer(index, c.before, {});
        ASSERT_TRUE(offer);
        EXPECT_TRUE(offer->emoticon);
        EXPECT_FALSE(offer->acceptsReturn);
        EXPECT_EQ(emojiOf(offer->items), c.emoji);
        EXPECT_EQ(offer->replacing, c.before.split(' ').last());
    }

    // A one-character word offers emoji but leaves Return to the application.
    const auto x = emojiOffer(index, QStringLiteral("no :x"), {});
    ASSERT_TRUE(x);
    EXPECT_EQ(x->items.value(0).emoji, e({0x274C}));
    EXPECT_FALSE(x->acceptsReturn);
    EmojiOfferOptions noEmoticons;
    noEmoticons.emoticons = false;
    const auto d = emojiOffer(index, QStringLiteral(":D"), noEmoticons);
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->emoticon);
    EXPECT_FALSE(d->acceptsReturn);
    EXPECT_FALSE(emojiOffer(index, QStringLiteral("Nice :)"), noEmoticons));

    EmojiOfferOptions off;
    off.emojiEnabled = false;
    EXPECT_FALSE(emojiOffer(index, QStringLiteral(":rocket"), off));
    EXPECT_FALSE(emojiOffer(index, QStringLiteral(":zzqqxx"), {}));
}
