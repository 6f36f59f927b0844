#include "completion/ReplyCleanup.h"

#include "platform/Chars.h"

#include <QSet>

#include <array>
#include <unordered_set>

namespace tq {

namespace {

using namespace chars;

const std::array<const char16_t*, 8> kContextMarkers{
    u"[Context]", u"[Now]", u"[Writer]", u"[Writer's phrasing]",
    u"[Copied]", u"[Beside it]", u"[Looked at just before]", u"[On screen]",
};
const std::array<const char16_t*, 5> kLabels{u"continuation:", u"completion:", u"next words:", u"output:", u"answer:"};
const std::array<const char16_t*, 2> kFences{u"\"\"\"", u"```"};
const std::array<std::pair<char16_t, char16_t>, 3> kWrappingPairs{{{u'"', u'"'}, {u'\u201C', u'\u201D'}, {u'\'', u'\''}}};
const std::array<const char16_t*, 6> kRefusals{
    u"i'm sorry, but", u"i\u2019m sorry, but", u"i can't help", u"i cannot help", u"as an ai", u"i can\u2019t help",
};
constexpr std::u16string_view kClosingPunctuation = u".,!?;:)]}";

const QSet<QString>& stopWords()
{
    static const QSet<QString> words = [] {
        const char* list[] = {
            "the", "and", "but", "for", "nor", "yet", "you", "your", "yours", "she", "her", "hers", "his", "him",
            "they", "them", "their", "our", "ours", "its", "it's", "was", "were", "are", "been", "being", "have",
            "has", "had", "will", "would", "shall", "should", "can", "could", "may", "might", "must", "not", "this",
            "that", "these", "those", "with", "from", "into", "onto", "than", "then", "there", "here", "what",
            "when", "where", "which", "who", "whom", "whose", "why", "how", "all", "any", "some", "more", "most",
            "much", "many", "very", "just", "also", "too", "out", "off", "over", "about", "does", "did", "done",
            "get", "got", "let", "i'm", "i'll", "i've", "i'd", "don't", "can't", "won't", "isn't",
        };
        QSet<QString> s;
        for (const char* w : list)
            s.insert(QString::fromLatin1(w));
        return s;
    }();
    return words;
}

const QSet<QString>& repeatPhrases()
{
    static const QSet<QString> phrases = [] {
        const char* list[] = {
            "one by", "step by", "day by", "side by", "little by", "bit by", "piece by", "case by", "line by",
            "face to", "back to", "time to", "door to", "word for", "hand in", "day after", "year after",
            "time after", "again and",
        };
        QSet<QString> s;
        for (const char* p : list)
            s.insert(QString::fromLatin1(p));
        return s;
    }();
    return phrases;
}

bool isPunctuationOrSymbol(char32_t c)
{
    switch (QChar::category(c)) {
    case QChar::Punctuation_Connector:
    case QChar::Punctuation_Dash:
    case QChar::Punctuation_Open:
    case QChar::Punctuation_Close:
    case QChar::Punctuation_InitialQuote:
    case QChar::Punctuation_FinalQuote:
    case QChar::Punctuation_Other:
    case QChar::Symbol_Math:
    case QChar::Symbol_Currency:
    case QChar::Symbol_Modifier:
    case QChar::Symbol_Other:
        return true;
    default:
        return false;
    }
}

// Whitespace-separated tokens with their UTF-16 start offsets.
struct Token {
    QStringView text;
    qsizetype start;
};
QList<Token> tokens(QStringView text)
{
    QList<Token> out;
    qsizetype i = 0;
    while (i < text.size()) {
        while (i < text.size() && isSpace(text[i].unicode()))
            ++i;
        const qsizetype start = i;
        while (i < text.size() && !isSpace(text[i].unicode()))
            ++i;
        if (i > start)
            out.append({text.mid(start, i - start), start});
    }
    return out;
}

// The last sentence: after the last line break or the last ".", "!" or "?" followed by whitespace.
QStringView lastSentence(QStringView t)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (isLineBreak(c))
            start = i + 1;
        else if ((c == u'.' || c == u'!' || c == u'?') && i + 1 < t.size() && isSpace(t[i + 1].unicode()))
            start = i + 1;
    }
    return t.mid(start);
}

char32_t lastScalar(QStringView text) { return firstScalar(last(text)); }

bool startsWithLower(QStringView text, const char16_t* prefix)
{
    const QStringView p(prefix);
    return text.size() >= p.size() && text.left(p.size()).toString().toLower() == p;
}

} // namespace

// MARK: word lists

QString ReplyCleaner::normalizeWord(QStringView token)
{
    qsizetype b = 0, e = token.size();
    auto pairAt = [&](qsizetype i) { return i + 1 < token.size() && token[i].isHighSurrogate() && token[i + 1].isLowSurrogate(); };
    while (b < e) {
        const bool pair = pairAt(b);
        if (!isPunctuationOrSymbol(pair ? QChar::surrogateToUcs4(token[b], token[b + 1]) : token[b].unicode()))
            break;
        b += pair ? 2 : 1;
    }
    while (e > b) {
        const bool pair = e - 2 >= b && pairAt(e - 2);
        if (!isPunctuationOrSymbol(pair ? QChar::surrogateToUcs4(token[e - 2], token[e - 1]) : token[e - 1].unicode()))
            break;
        e -= pair ? 2 : 1;
    }
    return token.mid(b, e - b).toString().toLower();
}

QStringList ReplyCleaner::wordList(QStringView text)
{
    QStringList out;
    for (const Token& t : tokens(text)) {
        QString w = normalizeWord(t.text);
        if (!w.isEmpty())
            out.append(std::move(w));
    }
    return out;
}

bool ReplyCleaner::isStopWord(const QString& w) { return stopWords().contains(w); }

bool ReplyCleaner::isContentWord(const QString& w)
{
    if (w.isEmpty() || isStopWord(w))
        return false;
    bool letter = false;
    for (char32_t c : w.toUcs4())
        letter = letter || isLetter(c);
    return letter && chars::countAtLeast(w, 3);
}

// MARK: steps

QString ReplyCleaner::stripThink(const QString& text)
{
    QString out = text;
    for (qsizetype open = out.indexOf(u"<think>"); open >= 0; open = out.indexOf(u"<think>")) {
        const qsizetype close = out.indexOf(u"</think>", open + 7);
        if (close < 0)
            out.truncate(open);
        else
            out.remove(open, close + 8 - open);
    }
    return out;
}

bool ReplyCleaner::hasContextMarker(QStringView text)
{
    for (const char16_t* m : kContextMarkers)
        if (text.contains(QStringView(m)))
            return true;
    return false;
}

QString ReplyCleaner::stripLabels(const QString& input)
{
    QStringView text(input);
    for (const char16_t* label : kLabels) {
        if (startsWithLower(text, label))
            text = trim(text.mid(QStringView(label).size()), isSpaceOrTab);
    }
    for (const char16_t* fence : kFences) {
        const QStringView f(fence);
        if (text.startsWith(f))
            text = text.mid(f.size());
        if (text.endsWith(f))
            text.chop(f.size());
    }
    for (const auto& [open, close] : kWrappingPairs) {
        if (countAtLeast(text, 2) && text.startsWith(QChar(open)) && text.endsWith(QChar(close)))
            text = text.mid(1, text.size() - 2);
    }
    return text.toString();
}

bool ReplyCleaner::isRefusal(QStringView text)
{
    for (const char16_t* r : kRefusals)
        if (startsWithLower(text, r))
            return true;
    return false;
}

QString ReplyCleaner::firstLine(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (isLineBreak(text[i].unicode()))
            return text.left(i).toString();
    return text.toString();
}

namespace {

constexpr char16_t kEsc = 0x1B;

bool within(char16_t c, char16_t from, char16_t to) { return c >= from && c <= to; }

// The end of a control sequence's parameters, intermediates and final byte from `i`.
qsizetype controlSequenceEnd(QStringView t, qsizetype i)
{
    while (i < t.size() && within(t[i].unicode(), 0x30, 0x3F))
        ++i;
    while (i < t.size() && within(t[i].unicode(), 0x20, 0x2F))
        ++i;
    return i < t.size() && within(t[i].unicode(), 0x40, 0x7E) ? i + 1 : i;
}

// The end of a control string from `i`: after BEL or the string terminator, else the text's end.
qsizetype controlStringEnd(QStringView t, qsizetype i)
{
    for (; i < t.size(); ++i) {
        const char16_t c = t[i].unicode();
        if (c == 0x07 || c == 0x9C)
            return i + 1;
        if (c == kEsc && i + 1 < t.size() && t[i + 1] == u'\\')
            return i + 2;
    }
    return i;
}

// Where the escape sequence starting at `i` ends; none when no sequence starts there.
std::optional<qsizetype> escapeEnd(QStringView t, qsizetype i)
{
    const char16_t c = t[i].unicode();
    switch (c) {
    case 0x9B:
        return controlSequenceEnd(t, i + 1);
    case 0x90: case 0x98: case 0x9D: case 0x9E: case 0x9F:
        return controlStringEnd(t, i + 1);
    case kEsc:
        break;
    default:
        return std::nullopt;
    }
    if (i + 1 == t.size())
        return i + 1;
    const char16_t next = t[i + 1].unicode();
    if (next == u'[')
        return controlSequenceEnd(t, i + 2);
    if (next == u']' || next == u'P' || next == u'X' || next == u'^' || next == u'_')
        return controlStringEnd(t, i + 2);
    if (within(next, 0x21, 0x2F)) { // intermediates, then a final byte
        qsizetype j = i + 2;
        while (j < t.size() && within(t[j].unicode(), 0x20, 0x2F))
            ++j;
        return j < t.size() && within(t[j].unicode(), 0x30, 0x7E) ? j + 1 : j;
    }
    if (within(next, 0x30, 0x7E))
        return i + 2;
    return i + 1; // a lone escape
}

bool isTag(char32_t c) { return c >= 0xE0020 && c <= 0xE007F; }

// Letters that draw nothing: the Hangul fillers, the blank braille pattern and the combining
// grapheme joiner.
bool isBlankLetter(char32_t c)
{
    return c == 0x115F || c == 0x1160 || c == 0x3164 || c == 0xFFA0 || c == 0x2800 || c == 0x034F;
}

bool isStackingMark(char32_t c)
{
    const auto category = QChar::category(c);
    return category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing;
}

// Marks kept on one base character; real text needs at most three or four.
constexpr int kMaxMarksPerBase = 4;

} // namespace

QString ReplyCleaner::removeHidden(QStringView text)
{
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    const auto scalarAt = [&](qsizetype i, qsizetype& len) -> char32_t {
        const QChar c = text[i];
        len = 1;
        if (c.isHighSurrogate() && i + 1 < n && text[i + 1].isLowSurrogate()) {
            len = 2;
            return QChar::surrogateToUcs4(c, text[i + 1]);
        }
        return c.isSurrogate() ? 0xFFFD : c.unicode();
    };
    qsizetype i = 0;
    int marks = 0; // on the last base character kept
    while (i < n) {
        if (const auto end = escapeEnd(text, i)) {
            i = *end;
            continue;
        }
        qsizetype len = 1;
        const char32_t c = scalarAt(i, len);
        if (c == 0x1F3F4) {
            // A black flag with a run of tags closed by the cancel tag is a subdivision flag.
            qsizetype j = i + len, tagLen = 0;
            bool closed = false;
            while (j < n && isTag(scalarAt(j, tagLen))) {
                closed = scalarAt(j, tagLen) == 0xE007F;
                j += tagLen;
                if (closed)
                    break;
            }
            out += text.mid(i, closed && j > i + len + 2 ? j - i : len);
            i = closed ? j : i + len;
            continue;
        }
        const auto category = QChar::category(c);
        // Controls but tab and line breaks go here, so marks on both sides of one count as one stack.
        const bool lineBreak = chars::isLineBreak(c);
        bool drop = c == 0xFFFD || (category == QChar::Other_Format && c != 0x200C && c != 0x200D)
            || category == QChar::Other_PrivateUse || isBlankLetter(c)
            || (category == QChar::Other_Control && c != u'\t' && !lineBreak);
        if (!drop && isStackingMark(c))
            drop = ++marks > kMaxMarksPerBase;
        else if (!drop && !lineBreak)
            marks = 0;
        if (!drop)
            out += text.mid(i, len);
        i += len;
    }
    return out;
}

QString ReplyCleaner::normalizeSpacing(QStringView text, bool tabsAsSpaces)
{
    QString out;
    out.reserve(text.size());
    qsizetype run = 0; // spaces and tabs at the end of `out`
    for (QChar c : text) {
        const bool blank = c == u' ' || c == u'\t';
        if (!blank && c.category() == QChar::Other_Control)
            continue;
        if (!blank) {
            run = 0;
            out.append(c);
            continue;
        }
        if (++run == 2) // a run of two or more becomes one space
            out.back() = u' ';
        if (run == 1)
            out.append(tabsAsSpaces ? QChar(u' ') : c);
    }
    return out;
}

QString ReplyCleaner::removeOverlap(const QString& reply, QStringView typedIn)
{
    // Only the last 80 typed characters (and the one before them) and as many of the reply's
    // first characters (and the one after them) take part.
    const QStringView body = trimSpaceStart(reply);
    const Chars t(last(trimSpaceEnd(typedIn), 81)), b(first(body, 81));
    const int tailLen = std::min(80, t.size());
    for (int k = std::min(tailLen, b.size()); k >= 1; --k) {
        const QStringView cand = t.right(k);
        const QStringView head = b.left(k);
        bool pass = k > 7 && head == cand;
        if (!pass) {
            const int from = t.size() - k;
            pass = isWordChar(t.scalar(from)) && (from == 0 || !isWordChar(t.scalar(from - 1)))
                && !(isWordChar(t.scalar(t.size() - 1)) && b.size() > k && isWordChar(b.scalar(k)))
                && cand.toString().toLower() == head.toString().toLower();
        }
        if (pass)
            return body.mid(b.offset(k)).toString();
    }
    return reply;
}

std::optional<QString> ReplyCleaner::joinSpacing(const QString& reply, QStringView typed, PromptStyle style,
                                                 const MisspelledTest& isMisspelled)
{
    const QStringView r(reply);
    auto withoutLeadingSpaces = [&] { return trimStart(r, isSpaceOrTab).toString(); };
    if (typed.isEmpty())
        return withoutLeadingSpaces();
    const char32_t last = lastScalar(typed);
    if (isSpace(last)) {
        if (style == PromptStyle::raw && isSpaceOrTab(last) && !r.isEmpty() && !isSpaceOrTab(r[0].unicode()))
            return std::nullopt;
        return withoutLeadingSpaces();
    }
    if (r.isEmpty())
        return reply;
    if (isSpaceOrTab(r[0].unicode()))
        return QStringLiteral(" ") + withoutLeadingSpaces();
    if (style == PromptStyle::raw)
        return reply;

    const char32_t first = firstScalar(r);
    if (isLetterOrNumber(last) && isLetterOrNumber(first)) {
        if (!isMisspelled)
            return reply;
        // The word being typed, and the reply's first word; longer runs are no words.
        const Chars tc(chars::last(typed, 100)), rc(chars::first(r, 100));
        int from = tc.size();
        while (from > 0 && isLetterOrNumber(tc.scalar(from - 1)))
            --from;
        int to = 0;
        while (to < rc.size() && isLetterOrNumber(rc.scalar(to)))
            ++to;
        const QString joined = tc.mid(from).toString() + rc.left(to).toString();
        const bool known = !joined.isEmpty() && !isMisspelled(joined.toLower());
        return known ? reply : QStringLiteral(" ") + reply;
    }
    if (last < 0x80 && kClosingPunctuation.find(char16_t(last)) != std::u16string_view::npos && isLetterOrNumber(first))
        return QStringLiteral(" ") + reply;
    return reply;
}

QString ReplyCleaner::cutAtRepeat(const QString& reply, QStringView typed)
{
    const QStringList context = wordList(last(typed, 4000));
    QStringList words = context;
    QList<qsizetype> starts;
    for (const Token& t : tokens(reply)) {
        QString w = normalizeWord(t.text);
        if (w.isEmpty())
            continue;
        words.append(std::move(w));
        starts.append(t.start);
    }
    const int contextCount = int(context.size());
    if (starts.isEmpty() || words.size() <= 3)
        return reply;

    // Words as numbers (equal words, equal numbers), so a four-word key is four numbers.
    QHash<QString, quint64> ids;
    QList<quint64> id(words.size());
    QList<bool> content(words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        auto it = ids.constFind(words[i]);
        if (it == ids.constEnd())
            it = ids.insert(words[i], quint64(ids.size()));
        id[i] = *it;
        content[i] = isContentWord(words[i]);
    }
    using Key = std::array<quint64, 4>;
    auto key = [&](int i) -> std::optional<Key> {
        if (i < 3 || content[i - 3] + content[i - 2] + content[i - 1] + content[i] < 2)
            return std::nullopt;
        return Key{id[i - 3], id[i - 2], id[i - 1], id[i]};
    };
    struct KeyHash {
        size_t operator()(const Key& k) const noexcept { return qHashRange(k.begin(), k.end()); }
    };
    std::unordered_set<Key, KeyHash> seen;
    for (int i = 3; i < contextCount; ++i)
        if (const auto k = key(i))
            seen.insert(*k);
    for (int i = contextCount; i < words.size(); ++i) {
        const auto k = key(i);
        if (!k)
            continue;
        if (seen.contains(*k)) {
            const int cutWord = std::max(contextCount, i - 3) - contextCount;
            return trimSpaceEnd(QStringView(reply).left(starts[cutWord])).toString();
        }
        seen.insert(*k);
    }
    return reply;
}

QString ReplyCleaner::limitWords(const QString& reply, int limit)
{
    if (limit < 1)
        return {};
    const QList<Token> words = tokens(reply);
    if (words.size() <= limit)
        return reply;
    return reply.left(words[limit].start);
}

QString ReplyCleaner::dropRestOfLine(const QString& reply, QStringView after)
{
    const QString rest = trim(QStringView(firstLine(after)), isSpaceOrTab).toString();
    if (rest.isEmpty() || !reply.endsWith(rest))
        return reply;
    return trimSpaceEnd(QStringView(reply).chopped(rest.size())).toString();
}

bool ReplyCleaner::looksLikeEcho(QStringView reply, QStringView typed)
{
    const QStringView t = trimSpaceEnd(typed);
    if (t.isEmpty())
        return false;
    const char32_t c = lastScalar(t);
    const QStringList replyWords = wordList(reply);
    if (replyWords.isEmpty())
        return false;
    QString first = replyWords.first();

    if (c == U'.' || c == U'!' || c == U'?') {
        if (!isContentWord(first))
            return false;
        for (char32_t r : reply.toUcs4()) {
            if (isLetter(r)) {
                if (!QChar::isLower(r))
                    return false;
                const QStringView ended = trimEnd(t, [](char32_t x) { return x == U'.' || x == U'!' || x == U'?'; });
                return wordList(lastSentence(ended)).contains(first);
            }
        }
        return false;
    }

    QStringList words = wordList(lastSentence(t));
    if (t.size() == typed.size() && isWordChar(c) && isWordChar(firstScalar(reply)) && !words.isEmpty())
        first = words.takeLast() + first;
    if (!isContentWord(first))
        return false;
    if (!words.mid(std::max<qsizetype>(0, words.size() - 3)).contains(first))
        return false;
    if (words.size() >= 2) {
        const QString& a = words[words.size() - 2];
        if (repeatPhrases().contains(a + u' ' + words.last()) && a == first)
            return false;
    }
    return true;
}

// MARK: pipeline

QString ReplyCleaner::clean(const QString& reply, const QString& before, const QString& after, int wordLimit,
                            PromptStyle style, const MisspelledTest& isMisspelled, bool tabsAsSpaces)
{
    QString text = stripThink(removeHidden(reply));
    if (hasContextMarker(text))
        return {};
    if (style == PromptStyle::instruct) {
        text = stripLabels(trim(QStringView(text), isLineBreak).toString());
        if (isRefusal(text))
            return {};
    } else if (!text.isEmpty() && isLineBreak(text[0].unicode())) {
        return {};
    }
    text = normalizeSpacing(firstLine(text), tabsAsSpaces);
    text = removeOverlap(text, before);
    std::optional<QString> joined = joinSpacing(text, before, style, isMisspelled);
    if (!joined)
        return {};
    text = cutAtRepeat(*joined, before);
    text = limitWords(text, wordLimit);
    text = dropRestOfLine(trimSpaceEnd(text).toString(), after);
    if (!hasLetterOrNumber(text) || looksLikeEcho(text, before))
        return {};
    return text;
}

// MARK: alternatives

QString ReplyCleaner::firstWordKey(QStringView text)
{
    const Chars c(text);
    int i = 0;
    while (i < c.size() && !isWordChar(c.scalar(i)))
        ++i;
    if (i < c.size() && (isCJK(c.scalar(i)) || (i + 1 < c.size() && isCJK(c.scalar(i + 1)))))
        return c.range(i, i + 2).toString();
    int end = i;
    while (end < c.size() && isWordChar(c.scalar(end)))
        ++end;
    return c.range(i, end).toString();
}

QStringList ReplyCleaner::distinctAlternatives(const std::optional<QString>& first, const QStringList& list)
{
    QStringList candidates{first.value_or(QString())};
    candidates += list;
    QStringList kept;
    QStringList keys;
    QList<int> lengths;
    for (const QString& cand : candidates) {
        const QStringView trimmed = trim(QStringView(cand), isSpaceOrTab);
        const QString key = firstWordKey(trimmed.toString().toLower());
        if (key.isEmpty())
            continue;
        const int length = chars::count(trimmed);
        if (const qsizetype at = keys.indexOf(key); at >= 0) {
            if (length > lengths[at]) {
                kept[at] = cand;
                lengths[at] = length;
            }
            continue;
        }
        kept.append(cand);
        keys.append(key);
        lengths.append(length);
    }
    return kept;
}

} // namespace tq
