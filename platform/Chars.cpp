#include "platform/Chars.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <memory>

namespace tq::chars {

namespace {
// ICU's character break iterator implements the extended grapheme cluster rules
// (emoji ZWJ sequences, flags, skin tones, combining marks). One per thread, reused.
icu::BreakIterator& iterator(QStringView text, icu::UnicodeString& holder)
{
    thread_local std::unique_ptr<icu::BreakIterator> it = [] {
        UErrorCode status = U_ZERO_ERROR;
        return std::unique_ptr<icu::BreakIterator>(
            icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
    }();
    holder.setTo(false, reinterpret_cast<const char16_t*>(text.data()), int32_t(text.size()));
    it->setText(holder);
    return *it;
}

bool allPlain(QStringView s) { return std::all_of(s.begin(), s.end(), [](QChar c) { return isPlain(c); }); }
} // namespace

int count(QStringView text)
{
    if (allPlain(text))
        return int(text.size());
    icu::UnicodeString holder;
    auto& it = iterator(text, holder);
    int n = 0;
    it.first();
    while (it.next() != icu::BreakIterator::DONE)
        ++n;
    return n;
}

bool countAtLeast(QStringView text, int n)
{
    if (n <= 0)
        return true;
    if (text.size() < n)
        return false;
    return allPlain(text) || offsetAfter(text, n - 1) < text.size();
}

qsizetype offsetAfter(QStringView text, int n)
{
    if (n <= 0 || text.isEmpty())
        return 0;
    // Plain units up to the cut and the one after it: one character each.
    if (allPlain(text.left(qsizetype(n) + 1)))
        return std::min<qsizetype>(n, text.size());
    icu::UnicodeString holder;
    auto& it = iterator(text, holder);
    it.first();
    qsizetype pos = 0;
    for (int i = 0; i < n; ++i) {
        const int32_t next = it.next();
        if (next == icu::BreakIterator::DONE)
            return text.size();
        pos = next;
    }
    return pos;
}

qsizetype offsetOfLast(QStringView text, int n)
{
    if (n <= 0 || text.isEmpty())
        return text.size();
    if (allPlain(text.right(qsizetype(n) + 1)))
        return std::max<qsizetype>(0, text.size() - n);
    icu::UnicodeString holder;
    auto& it = iterator(text, holder);
    it.last();
    qsizetype pos = text.size();
    for (int i = 0; i < n; ++i) {
        const int32_t prev = it.previous();
        if (prev == icu::BreakIterator::DONE)
            return 0;
        pos = prev;
    }
    return pos;
}

QStringView first(QStringView text, int n) { return text.size() <= n ? text : text.left(offsetAfter(text, n)); }

QStringView last(QStringView text, int n) { return text.size() <= n ? text : text.mid(offsetOfLast(text, n)); }

bool isBoundary(QStringView text, qsizetype pos)
{
    if (pos <= 0 || pos >= text.size())
        return pos == 0 || pos == text.size();
    if (isPlain(text[pos - 1]) && isPlain(text[pos]))
        return true;
    icu::UnicodeString holder;
    return iterator(text, holder).isBoundary(int32_t(pos));
}

QList<qsizetype> boundaries(QStringView text)
{
    QList<qsizetype> out{0};
    if (text.isEmpty())
        return out;
    icu::UnicodeString holder;
    auto& it = iterator(text, holder);
    it.first();
    for (int32_t pos = it.next(); pos != icu::BreakIterator::DONE; pos = it.next())
        out.append(pos);
    return out;
}

bool hasLetterOrNumber(QStringView text)
{
    for (char32_t c : text.toUcs4())
        if (isLetterOrNumber(c))
            return true;
    return false;
}

bool isBlank(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.isSpace(); });
}

bool endsWithLineBreak(QStringView text) { return isLineBreak(firstScalar(last(text, 1))); }

QStringView lastLine(QStringView text)
{
    qsizetype start = text.size();
    while (start > 0 && !isLineBreak(text[start - 1].unicode()))
        --start;
    return text.sliced(start);
}

namespace {

// Strong direction of a scalar: right to left, left to right, or none.
std::optional<bool> strongDirection(char32_t c)
{
    switch (QChar::direction(c)) {
    case QChar::DirL: return false;
    case QChar::DirR:
    case QChar::DirAL: return true;
    default: return std::nullopt;
    }
}

bool isNumber(char32_t c)
{
    const QChar::Direction d = QChar::direction(c);
    return d == QChar::DirEN || d == QChar::DirAN;
}

// Scalar at `pos`, a surrogate read with its pair.
char32_t scalarAt(QStringView s, qsizetype pos)
{
    if (s[pos].isLowSurrogate() && pos > 0 && s[pos - 1].isHighSurrogate())
        return QChar::surrogateToUcs4(s[pos - 1], s[pos]);
    if (s[pos].isHighSurrogate() && pos + 1 < s.size() && s[pos + 1].isLowSurrogate())
        return QChar::surrogateToUcs4(s[pos], s[pos + 1]);
    return s[pos].unicode();
}

} // namespace

std::optional<bool> firstStrongIsRightToLeft(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (const auto d = strongDirection(scalarAt(text, i)))
            return d;
    return std::nullopt;
}

bool runsRightToLeft(QStringView line, qsizetype pos, bool paragraphRightToLeft)
{
    if (pos < 0 || pos >= line.size())
        return paragraphRightToLeft;
    const char32_t c = scalarAt(line, pos);
    if (const auto d = strongDirection(c))
        return *d;
    if (isNumber(c))
        return false;
    // A run of neutrals between text of one direction takes it; numbers are looked past.
    const auto around = [&](qsizetype from, int step) -> std::optional<bool> {
        for (qsizetype i = from; i >= 0 && i < line.size(); i += step) {
            const char32_t n = scalarAt(line, i);
            if (const auto d = strongDirection(n))
                return d;
        }
        return std::nullopt;
    };
    const std::optional<bool> before = around(pos - 1, -1);
    const std::optional<bool> after = around(pos + 1, 1);
    return before && after && *before == *after ? *before : paragraphRightToLeft;
}

} // namespace tq::chars
