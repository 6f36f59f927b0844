#include "completion/EmojiIndex.h"

#include "platform/Chars.h"

#include <unicode/uchar.h>

#include <algorithm>

namespace tq {

namespace {

QString fromScalars(std::initializer_list<char32_t> scalars)
{
    return QString::fromUcs4(scalars.begin(), qsizetype(scalars.size()));
}

// ICU's character name (Unicode name), or an empty string.
QString characterName(char32_t cp)
{
    char buf[128];
    UErrorCode err = U_ZERO_ERROR;
    const int32_t n = u_charName(UChar32(cp), U_UNICODE_CHAR_NAME, buf, sizeof buf, &err);
    if (U_FAILURE(err) || n <= 0)
        return {};
    return QString::fromLatin1(buf, std::min<int32_t>(n, sizeof buf));
}

bool has(char32_t cp, UProperty p) { return u_hasBinaryProperty(UChar32(cp), p); }

QStringList splitName(const QString& lower, bool atHyphens)
{
    QStringList words;
    for (const QString& piece : lower.split(u' ', Qt::SkipEmptyParts)) {
        if (atHyphens)
            words += piece.split(u'-', Qt::SkipEmptyParts);
        else
            words += piece;
    }
    return words;
}

bool isQueryChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u'_' || u == u'+'
        || u == u'-';
}

} // namespace

const QList<EmojiIndex::Alias>& EmojiIndex::aliases()
{
    static const QList<Alias> table = [] {
        struct Row {
            std::initializer_list<char32_t> emoji;
            std::initializer_list<const char*> keys;
        };
        const Row rows[] = {
            {{0x1F44D}, {"thumbsup", "+1"}}, {{0x1F44E}, {"thumbsdown", "-1"}}, {{0x2764, 0xFE0F}, {"heart"}},
            {{0x1F602}, {"joy", "lol"}}, {{0x1F604}, {"smile"}}, {{0x1F603}, {"smiley"}}, {{0x1F601}, {"grin"}},
            {{0x1F60A}, {"blush"}}, {{0x1F609}, {"wink"}}, {{0x1F525}, {"fire"}}, {{0x1F389}, {"tada"}},
            {{0x1F973}, {"party"}}, {{0x1F64F}, {"pray", "thanks"}}, {{0x1F680}, {"rocket"}}, {{0x1F440}, {"eyes"}},
            {{0x1F4AF}, {"100", "hundred"}}, {{0x1F44C}, {"ok"}}, {{0x1F44B}, {"wave"}}, {{0x1F44F}, {"clap"}},
            {{0x1F914}, {"thinking"}}, {{0x1F62D}, {"sob"}}, {{0x1F622}, {"cry"}}, {{0x1F60E}, {"cool"}},
            {{0x2705}, {"check", "done"}}, {{0x274C}, {"x"}}, {{0x2B50}, {"star"}}, {{0x2728}, {"sparkles"}},
            {{0x1F60D}, {"love", "heart_eyes"}}, {{0x1F618}, {"kiss"}}, {{0x1F937}, {"shrug"}},
            {{0x1F926}, {"facepalm"}}, {{0x1F4AA}, {"muscle"}}, {{0x2615}, {"coffee"}},
            {{0x26A0, 0xFE0F}, {"warning"}}, {{0x1F4A1}, {"idea", "bulb"}}, {{0x2600, 0xFE0F}, {"sun"}},
            {{0x1F319}, {"moon"}}, {{0x1F923}, {"rofl"}}, {{0x1F605}, {"sweat_smile"}}, {{0x1F643}, {"upside_down"}},
            {{0x1F64C}, {"raised_hands"}}, {{0x1F449}, {"point_right"}}, {{0x261D, 0xFE0F}, {"point_up"}},
            {{0x1F4B0}, {"money"}}, {{0x1F381}, {"gift"}}, {{0x1F382}, {"cake"}}, {{0x1F37A}, {"beer"}},
            {{0x1F355}, {"pizza"}}, {{0x1F480}, {"skull"}}, {{0x1F620}, {"angry"}}, {{0x1F4A4}, {"zzz"}},
            {{0x1F4DD}, {"memo"}}, {{0x1F4C5}, {"calendar"}}, {{0x1F4F1}, {"phone"}}, {{0x1F4BB}, {"laptop"}},
            {{0x1F4E7}, {"mail"}}, {{0x1F512}, {"lock"}}, {{0x1F511}, {"key"}}, {{0x1F4CC}, {"pin"}},
            {{0x1F517}, {"link"}}, {{0x1F4C8}, {"chart"}}, {{0x2708, 0xFE0F}, {"plane"}}, {{0x1F697}, {"car"}},
            {{0x1F3E0}, {"home"}}, {{0x1F3B5}, {"music"}}, {{0x1F4F7}, {"camera"}}, {{0x1F436}, {"dog"}},
            {{0x1F431}, {"cat"}}, {{0x1FAC2}, {"hug"}}, {{0x1FAE1}, {"salute"}}, {{0x1FAE0}, {"melt"}},
            {{0x1F644}, {"eyeroll"}}, {{0x1F4A5}, {"boom"}},
        };
        QList<Alias> out;
        for (const Row& r : rows)
            for (const char* key : r.keys)
                out.append({QString::fromLatin1(key), fromScalars(r.emoji)});
        return out;
    }();
    return table;
}

const QList<EmojiIndex::Emoticon>& EmojiIndex::emoticons()
{
    static const QList<Emoticon> table = [] {
        const QString slight = fromScalars({0x1F642}), blush = fromScalars({0x1F60A}), smile = fromScalars({0x1F604}),
                      grin = fromScalars({0x1F601}), wink = fromScalars({0x1F609}), frown = fromScalars({0x1F641}),
                      disappointed = fromScalars({0x1F61E}), cry = fromScalars({0x1F622}), sob = fromScalars({0x1F62D}),
                      tongue = fromScalars({0x1F61B}), winkTongue = fromScalars({0x1F61C}),
                      open = fromScalars({0x1F62E}), astonished = fromScalars({0x1F632});
        const QString laugh = fromScalars({0x1F606});
        return QList<Emoticon>{
            {":)", {slight, blush}}, {":-)", {slight, blush}}, {":D", {smile, grin}}, {":-D", {smile, grin}},
            {";)", {wink}}, {";-)", {wink}}, {":(", {frown, disappointed}}, {":-(", {frown, disappointed}},
            {":'(", {cry, sob}}, {":P", {tongue, winkTongue}}, {":-P", {tongue, winkTongue}}, {":p", {tongue}},
            {";P", {winkTongue}}, {":O", {open, astonished}}, {":o", {open}},
            {"<3", {fromScalars({0x2764, 0xFE0F}), fromScalars({0x1F970})}}, {"</3", {fromScalars({0x1F494})}},
            {":*", {fromScalars({0x1F618})}}, {"xD", {laugh}}, {"XD", {laugh}}, {"B)", {fromScalars({0x1F60E})}},
            {":/", {fromScalars({0x1F615})}}, {":|", {fromScalars({0x1F610})}}, {"^^", {blush}},
            {"o_O", {fromScalars({0x1F928})}}, {":3", {fromScalars({0x1F63A})}},
        };
    }();
    return table;
}

const QStringList& EmojiIndex::popular()
{
    static const QStringList table = [] {
        const std::initializer_list<char32_t> rows[] = {
            {0x1F602}, {0x2764, 0xFE0F}, {0x1F44D}, {0x1F64F}, {0x1F60A}, {0x1F525}, {0x1F389}, {0x1F60D},
            {0x1F973}, {0x1F440}, {0x1F4AF}, {0x2728}, {0x1F605}, {0x1F914}, {0x1F62D}, {0x1F44F},
            {0x1F64C}, {0x1F4AA}, {0x1F60E}, {0x2705}, {0x1F680}, {0x1F609}, {0x1F642}, {0x1F923},
            {0x1F622}, {0x1F44B}, {0x1F4A1}, {0x2B50}, {0x1F601},
        };
        QStringList out;
        for (const auto& r : rows)
            out << fromScalars(r);
        return out;
    }();
    return table;
}

const QStringList& EmojiIndex::skinToneModifiers()
{
    static const QStringList table{QString(), fromScalars({0x1F3FB}), fromScalars({0x1F3FC}), fromScalars({0x1F3FD}),
                                   fromScalars({0x1F3FE}), fromScalars({0x1F3FF})};
    return table;
}

const QList<EmojiIndex::Entry>& EmojiIndex::entries()
{
    build();
    return entries_;
}

void EmojiIndex::build()
{
    if (built_)
        return;
    built_ = true;
    struct Range {
        char32_t first, last;
        bool allowsSelector; // text-style emoji here are made emoji with U+FE0F
    };
    constexpr Range ranges[] = {
        {0x1F300, 0x1F5FF, false}, {0x1F600, 0x1F64F, false}, {0x1F680, 0x1F6FF, false},
        {0x1F900, 0x1F9FF, false}, {0x1FA70, 0x1FAFF, false}, {0x2600, 0x27BF, true},
        {0x2B50, 0x2B55, false},   {0x231A, 0x23FF, true},
    };
    auto append = [this](QString emoji, const QString& name, bool atHyphens, char32_t cp) {
        const QString lower = name.toLower();
        QString joined = lower;
        joined.replace(u' ', u'_');
        byEmoji_.insert(emoji, entries_.size());
        entries_.append({std::move(emoji), joined, splitName(lower, atHyphens), has(cp, UCHAR_EMOJI_MODIFIER_BASE)});
    };
    for (const Range& r : ranges) {
        for (char32_t cp = r.first; cp <= r.last; ++cp) {
            if (!has(cp, UCHAR_EMOJI) || has(cp, UCHAR_EMOJI_MODIFIER))
                continue;
            const QString name = characterName(cp);
            if (name.isEmpty())
                continue;
            QString emoji;
            if (has(cp, UCHAR_EMOJI_PRESENTATION))
                emoji = fromScalars({cp});
            else if (r.allowsSelector)
                emoji = fromScalars({cp, 0xFE0F});
            else
                continue;
            append(std::move(emoji), name, true, cp);
        }
    }
    for (const Alias& a : aliases()) {
        if (byEmoji_.contains(a.emoji))
            continue;
        const char32_t cp = a.emoji.toUcs4().value(0);
        if (const QString name = characterName(cp); !name.isEmpty())
            append(a.emoji, name, false, cp);
    }
}

const EmojiIndex::Entry* EmojiIndex::entryFor(const QString& emoji)
{
    build();
    const auto it = byEmoji_.constFind(emoji);
    return it == byEmoji_.constEnd() ? nullptr : &entries_[*it];
}

QList<EmojiItem> EmojiIndex::search(const QString& queryIn, int limit, int skinTone, bool includeNeutralTone)
{
    const QString query = queryIn.toLower();
    if (query.isEmpty() || limit <= 0)
        return {};
    build();

    QString aliasEmoji;
    for (const Alias& a : aliases()) {
        if (a.key == query) {
            aliasEmoji = a.emoji;
            break;
        }
    }
    const bool longQuery = chars::count(query) >= 3;
    const QStringList& pop = popular();

    struct Result {
        const Entry* entry;
        int score;
    };
    QList<Result> results;
    for (const Entry& e : entries_) {
        int score = 0;
        if (!aliasEmoji.isEmpty() && e.emoji == aliasEmoji)
            score = 1000;
        else if (e.name == query)
            score = 900;
        else if (!e.words.isEmpty() && e.words.first().startsWith(query))
            score = 600;
        else if (std::any_of(e.words.begin(), e.words.end(), [&](const QString& w) { return w.startsWith(query); }))
            score = 400;
        else if (longQuery && e.name.contains(query))
            score = 150;
        else
            continue;
        if (const qsizetype rank = pop.indexOf(e.emoji); rank >= 0)
            score += 80 - int(rank);
        score -= 3 * int(e.words.size());
        results.append({&e, score});
    }
    for (const Alias& a : aliases()) {
        if (a.key == query || !a.key.startsWith(query))
            continue;
        const Entry* e = entryFor(a.emoji);
        if (e && std::none_of(results.begin(), results.end(), [&](const Result& r) { return r.entry->emoji == e->emoji; }))
            results.append({e, 500});
    }
    std::stable_sort(results.begin(), results.end(), [](const Result& a, const Result& b) {
        if (a.score != b.score)
            return a.score > b.score;
        return a.entry->name < b.entry->name;
    });

    const QStringList& tones = skinToneModifiers();
    const bool toned = skinTone >= 1 && skinTone < tones.size();
    QList<EmojiItem> items;
    for (const Result& r : results) {
        if (toned && r.entry->takesSkinTone) {
            items.append({r.entry->emoji + tones[skinTone], r.entry->name});
            if (includeNeutralTone && items.size() < limit)
                items.append({r.entry->emoji, r.entry->name});
        } else {
            items.append({r.entry->emoji, r.entry->name});
        }
        if (items.size() >= limit)
            break;
    }
    return items;
}

std::optional<EmojiIndex::EmoticonMatch> EmojiIndex::emoticonMatch(const QString& beforeIn)
{
    const QStringView before(beforeIn);
    static const QList<Emoticon> longestFirst = [] {
        QList<Emoticon> list = emoticons();
        std::stable_sort(list.begin(), list.end(), [](const Emoticon& a, const Emoticon& b) {
            return chars::count(a.text) > chars::count(b.text);
        });
        return list;
    }();
    for (const Emoticon& e : longestFirst) {
        if (!before.endsWith(e.text))
            continue;
        const QStringView rest = before.chopped(e.text.size());
        if (!rest.isEmpty() && !chars::isSpace(chars::firstScalar(chars::last(rest))))
            continue;
        EmoticonMatch match{e.text, {}};
        for (const QString& c : e.candidates) {
            const Entry* entry = entryFor(c);
            match.items.append({c, entry ? entry->name : QStringLiteral("emoji")});
        }
        return match;
    }
    return std::nullopt;
}

std::optional<QString> emojiQuery(const QString& beforeIn)
{
    const QStringView before(beforeIn);
    qsizetype start = before.size();
    while (start > 0 && isQueryChar(before[start - 1]))
        --start;
    const QStringView word = before.mid(start);
    if (word.isEmpty() || word.size() > 32)
        return std::nullopt;
    const bool letter = std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLetter(); });
    const bool digitsOnly = std::all_of(word.begin(), word.end(), [](QChar c) { return c.isDigit(); });
    if (!letter && !digitsOnly)
        return std::nullopt;
    if (start == 0 || before[start - 1] != u':')
        return std::nullopt;
    if (start >= 2) {
        const QString beforeColon = chars::last(before.left(start - 1)).toString();
        const char32_t c = chars::firstScalar(beforeColon);
        if (!chars::isSpace(c) && c != U'(' && c != U'[' && c != U'{')
            return std::nullopt;
    }
    return word.toString();
}

std::optional<EmojiOffer> emojiOffer(EmojiIndex& index, const QString& before, const EmojiOfferOptions& options)
{
    if (!options.emojiEnabled)
        return std::nullopt;
    if (options.emoticons) {
        if (auto match = index.emoticonMatch(before))
            return EmojiOffer{match->items, match->emoticon, true, false};
    }
    if (const auto query = emojiQuery(before)) {
        QList<EmojiItem> items = index.search(*query, options.limit, options.skinTone, options.includeNeutralTone);
        if (!items.isEmpty())
            return EmojiOffer{std::move(items), QStringLiteral(":") + *query, false, query->size() >= 2};
    }
    return std::nullopt;
}

} // namespace tq
