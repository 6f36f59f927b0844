#include "platform/Grapheme.h"

#include <unicode/brkiter.h>
#include <unicode/unistr.h>

#include <memory>

namespace tq::grapheme {

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
} // namespace

int count(QStringView text)
{
    if (text.isEmpty())
        return 0;
    icu::UnicodeString holder;
    auto& it = iterator(text, holder);
    int n = 0;
    it.first();
    while (it.next() != icu::BreakIterator::DONE)
        ++n;
    return n;
}

qsizetype offsetAfter(QStringView text, int n)
{
    if (n <= 0 || text.isEmpty())
        return 0;
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

QString prefix(QStringView text, int n) { return text.left(offsetAfter(text, n)).toString(); }

QString suffix(QStringView text, int n) { return text.mid(offsetOfLast(text, n)).toString(); }

bool isBoundary(QStringView text, qsizetype pos)
{
    if (pos <= 0 || pos >= text.size())
        return pos == 0 || pos == text.size();
    icu::UnicodeString holder;
    return iterator(text, holder).isBoundary(int32_t(pos));
}

QString last(QStringView text) { return suffix(text, 1); }

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

} // namespace tq::grapheme
