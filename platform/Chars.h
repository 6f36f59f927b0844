#pragma once
// Text as the user sees it: user-visible characters (extended grapheme clusters), the scalars
// they start with, the character tests and the trimming every layer shares. Lengths the
// program counts go through here, never bytes or UTF-16 units.
//
// Functions that cut a text return views into it; they refuse a temporary QString, whose
// view would dangle.

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace tq {

namespace chars {

// ---- user-visible characters

// Number of user-visible characters.
int count(QStringView text);
// count(text) >= n, without counting past n.
bool countAtLeast(QStringView text, int n);
// UTF-16 offset just after the first `n` characters / where the last `n` characters begin.
qsizetype offsetAfter(QStringView text, int n);
qsizetype offsetOfLast(QStringView text, int n);
// The first / last `n` characters (all of the text when it is shorter).
QStringView first(QStringView text, int n);
QStringView last(QStringView text, int n = 1);
QStringView first(QString&&, int) = delete;
QStringView last(QString&&, int = 1) = delete;
// True when `pos` (a UTF-16 offset) falls on a character boundary.
bool isBoundary(QStringView text, qsizetype pos);
// UTF-16 offsets of every character boundary, from 0 to text.size() inclusive (a single 0
// for an empty text). One pass, for code that walks a text character by character.
QList<qsizetype> boundaries(QStringView text);

// ---- scalars and character tests

// The first code point of `text` (0 when empty): for a character, the one whose properties
// stand for it.
inline char32_t firstScalar(QStringView text)
{
    if (text.isEmpty())
        return 0;
    if (text.size() > 1 && text[0].isHighSurrogate() && text[1].isLowSurrogate())
        return QChar::surrogateToUcs4(text[0], text[1]);
    return text[0].unicode();
}

inline bool isLetter(char32_t c) { return QChar::isLetter(c); }
inline bool isLetterOrNumber(char32_t c) { return QChar::isLetterOrNumber(c); }
inline bool isSpace(char32_t c) { return QChar::isSpace(c); }
inline bool isSpaceOrTab(char32_t c) { return c == U' ' || c == U'\t'; }
// Line feed, vertical tab, form feed, carriage return, next line, line and paragraph separators.
inline bool isLineBreak(char32_t c) { return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029; }
// The bidirectional controls: marks, embeddings, overrides and isolates.
inline bool isBidiControl(char32_t c) { return c == 0x061C || c == 0x200E || c == 0x200F || (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069); }
// Letters, numbers and the two apostrophes.
inline bool isWordChar(char32_t c) { return isLetterOrNumber(c) || c == U'\'' || c == 0x2019; }
// Kana, CJK ideographs and Hangul syllables: scripts written without spaces between words,
// where each character begins a word by itself.
inline bool isCJK(char32_t c)
{
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF);
}
// Code units below U+0300 other than CR (the one joiner there, of CR LF): one character each.
inline bool isPlain(QChar c) { return c.unicode() < 0x300 && c != u'\r'; }

bool hasLetterOrNumber(QStringView text);
// Every character is whitespace (true when empty).
bool isBlank(QStringView text);
// The last character starts with a line break.
bool endsWithLineBreak(QStringView text);

// ---- direction (the Unicode bidirectional algorithm, as far as a caret needs it)

// The text after the last line break (all of it without one).
QStringView lastLine(QStringView text);
// The paragraph direction the text gives itself: its first character of strong direction is
// right to left (Hebrew, Arabic…); nothing when it has none.
std::optional<bool> firstStrongIsRightToLeft(QStringView text);
// Whether the character at `pos` of `line` runs right to left in a paragraph of the given
// direction: strong characters by their own direction, numbers left to right, neutrals
// (spaces, punctuation) by the strong text on both sides when it agrees, else the paragraph's.
bool runsRightToLeft(QStringView line, qsizetype pos, bool paragraphRightToLeft);

// ---- trimming (tested on UTF-16 units: the characters trimmed here are single units)

template <typename Pred>
QStringView trimStart(QStringView s, Pred pred)
{
    qsizetype i = 0;
    while (i < s.size() && pred(s[i].unicode()))
        ++i;
    return s.mid(i);
}
template <typename Pred>
QStringView trimEnd(QStringView s, Pred pred)
{
    qsizetype n = s.size();
    while (n > 0 && pred(s[n - 1].unicode()))
        --n;
    return s.left(n);
}
template <typename Pred>
QStringView trim(QStringView s, Pred pred)
{
    return trimEnd(trimStart(s, pred), pred);
}
inline QStringView trimSpaceEnd(QStringView s) { return trimEnd(s, isSpace); }
inline QStringView trimSpaceStart(QStringView s) { return trimStart(s, isSpace); }
inline QStringView trimSpacesAndTabs(QStringView s) { return trim(s, isSpaceOrTab); }
QStringView trimSpaceEnd(QString&&) = delete;
QStringView trimSpaceStart(QString&&) = delete;
QStringView trimSpacesAndTabs(QString&&) = delete;

} // namespace chars

// A text seen as user-visible characters, with its boundaries found once; indexes count
// characters. Holds a view: the text must outlive it.
class Chars {
public:
    explicit Chars(QStringView text) : text_(text), bounds_(chars::boundaries(text)) {}
    explicit Chars(QString&&) = delete;

    int size() const { return int(bounds_.size()) - 1; }
    bool isEmpty() const { return size() == 0; }
    QStringView text() const { return text_; }

    // Character i.
    QStringView at(int i) const { return text_.mid(bounds_[i], bounds_[i + 1] - bounds_[i]); }
    // First code point of character i.
    char32_t scalar(int i) const { return chars::firstScalar(at(i)); }
    // UTF-16 offset where character i starts (size() gives the end of the text).
    qsizetype offset(int i) const { return bounds_[i]; }

    QStringView left(int n) const { return text_.left(bounds_[clamp(n)]); }
    QStringView right(int n) const { return text_.mid(bounds_[size() - clamp(n)]); }
    QStringView mid(int from) const { return text_.mid(bounds_[clamp(from)]); }
    QStringView range(int from, int to) const
    {
        return text_.mid(bounds_[clamp(from)], bounds_[clamp(to)] - bounds_[clamp(from)]);
    }

private:
    int clamp(int n) const { return n < 0 ? 0 : (n > size() ? size() : n); }
    QStringView text_;
    QList<qsizetype> bounds_;
};

} // namespace tq
