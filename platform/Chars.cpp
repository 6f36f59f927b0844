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

} // namespace tq::chars
