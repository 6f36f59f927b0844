#pragma once
// A text seen as user-visible characters (grapheme clusters), with the character tests the
// completion text functions share. Built once per text; indexes count characters.

#include "platform/Grapheme.h"

#include <QChar>
#include <QList>
#include <QString>
#include <QStringView>

namespace tq {

class Chars {
public:
    explicit Chars(QStringView text) : text_(text), bounds_(grapheme::boundaries(text)) {}

    int size() const { return int(bounds_.size()) - 1; }
    bool isEmpty() const { return size() == 0; }
    QStringView text() const { return text_; }

    // Character i.
    QStringView at(int i) const { return text_.mid(bounds_[i], bounds_[i + 1] - bounds_[i]); }
    // First code point of character i: the one whose properties stand for the character.
    char32_t scalar(int i) const { return scalarOf(at(i)); }
    // UTF-16 offset where character i starts (size() gives the end of the text).
    qsizetype offset(int i) const { return bounds_[i]; }

    QStringView left(int n) const { return text_.left(bounds_[clamp(n)]); }
    QStringView right(int n) const { return text_.mid(bounds_[size() - clamp(n)]); }
    QStringView mid(int from) const { return text_.mid(bounds_[clamp(from)]); }
    QStringView range(int from, int to) const
    {
        return text_.mid(bounds_[clamp(from)], bounds_[clamp(to)] - bounds_[clamp(from)]);
    }

    static char32_t scalarOf(QStringView c)
    {
        if (c.isEmpty())
            return 0;
        if (c.size() > 1 && c[0].isHighSurrogate() && c[1].isLowSurrogate())
            return QChar::surrogateToUcs4(c[0], c[1]);
        return c[0].unicode();
    }

private:
    int clamp(int n) const { return n < 0 ? 0 : (n > size() ? size() : n); }
    QStringView text_;
    QList<qsizetype> bounds_;
};

namespace chars {

inline bool isLetter(char32_t c) { return QChar::isLetter(c); }
inline bool isLetterOrNumber(char32_t c) { return QChar::isLetterOrNumber(c); }
inline bool isSpace(char32_t c) { return QChar::isSpace(c); }
inline bool isSpaceOrTab(char32_t c) { return c == U' ' || c == U'\t'; }
// Line feed, vertical tab, form feed, carriage return, next line, line and paragraph separators.
inline bool isLineBreak(char32_t c)
{
    return (c >= 0x0A && c <= 0x0D) || c == 0x85 || c == 0x2028 || c == 0x2029;
}
// Letters, numbers and the two apostrophes.
inline bool isWordChar(char32_t c) { return isLetterOrNumber(c) || c == U'\'' || c == 0x2019; }
// Kana, CJK ideographs and Hangul syllables: scripts written without spaces between words.
inline bool isCJK(char32_t c)
{
    return (c >= 0x3040 && c <= 0x30FF) || (c >= 0x3400 && c <= 0x9FFF) || (c >= 0xAC00 && c <= 0xD7AF);
}
// Character count. Text made only of code units below U+0300 other than CR (the one joiner
// there, of CR LF) has one character per unit, which saves the break iterator on plain text.
inline bool isPlain(QStringView s)
{
    for (QChar c : s)
        if (c.unicode() >= 0x300 || c == u'\r')
            return false;
    return true;
}
inline int count(QStringView s) { return isPlain(s) ? int(s.size()) : grapheme::count(s); }
// count(s) >= n, without counting past n.
inline bool countAtLeast(QStringView s, int n)
{
    if (n <= 0)
        return true;
    if (s.size() < n)
        return false;
    return isPlain(s) || grapheme::offsetAfter(s, n - 1) < s.size();
}
// The last `n` characters of `s`, as a view.
// (A text of no more than `n` code units has no more than `n` characters.)
inline QStringView lastChars(QStringView s, int n) { return s.size() <= n ? s : s.mid(grapheme::offsetOfLast(s, n)); }
inline QStringView firstChars(QStringView s, int n) { return s.size() <= n ? s : s.left(grapheme::offsetAfter(s, n)); }

inline bool hasLetterOrNumber(QStringView s)
{
    for (char32_t c : s.toUcs4())
        if (isLetterOrNumber(c))
            return true;
    return false;
}

// `s` without leading / trailing characters matching `pred` (tested on code points; the
// characters removed here are all single code points).
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
inline QStringView trimSpaceEnd(QStringView s) { return trimEnd(s, [](char32_t c) { return isSpace(c); }); }
inline QStringView trimSpaceStart(QStringView s) { return trimStart(s, [](char32_t c) { return isSpace(c); }); }

} // namespace chars
} // namespace tq
