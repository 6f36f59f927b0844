#include "completion/Following.h"

#include "platform/Chars.h"

namespace tq {

namespace {

QString plainSpaces(QStringView s)
{
    QString out = s.toString();
    out.replace(QChar(0x00A0), QChar(u' '));
    return out;
}

// Word characters of a next-word acceptance: letters, numbers, both apostrophes, "-" and "_".
bool isChunkWordChar(char32_t c) { return chars::isWordChar(c) || c == U'-' || c == U'_'; }

bool isClosing(char32_t c)
{
    switch (c) {
    case U'.': case U',': case U'!': case U'?': case U';': case U':': case U')': case U']': case U'}':
    case U'"': case 0x201D: case 0x2019: case 0x2026:
        return true;
    default:
        return false;
    }
}

} // namespace

std::optional<int> typedProgress(const QString& suggestionIn, const QString& anchorIn, const QString& beforeIn)
{
    const QString suggestion = plainSpaces(suggestionIn);
    const QString anchor = plainSpaces(anchorIn);
    const QString before = plainSpaces(beforeIn);
    const Chars s(suggestion);
    if (anchor.isEmpty()) {
        // The field was empty: the whole text must be the typed part of the suggestion.
        for (int k = s.size(); k >= 0; --k)
            if (before == s.left(k))
                return k;
        return std::nullopt;
    }
    if (!before.contains(anchor))
        return std::nullopt;
    for (int k = s.size(); k >= 0; --k) {
        const QStringView typed = s.left(k);
        const qsizetype need = anchor.size() + typed.size();
        if (before.size() >= need && QStringView(before).right(typed.size()) == typed
            && QStringView(before).chopped(typed.size()).endsWith(anchor))
            return k;
    }
    return std::nullopt;
}

QString nextChunk(const QString& remaining, bool includeSpace, bool includePunctuation)
{
    const Chars c(remaining);
    int i = 0;
    while (i < c.size() && chars::isSpace(c.scalar(i)))
        ++i;
    if (i < c.size()) {
        const bool word = isChunkWordChar(c.scalar(i));
        while (i < c.size() && !chars::isSpace(c.scalar(i)) && isChunkWordChar(c.scalar(i)) == word)
            ++i;
    }
    if (includePunctuation)
        while (i < c.size() && isClosing(c.scalar(i)))
            ++i;
    if (includeSpace && i < c.size() && c.at(i) == u" ")
        ++i;
    return c.left(i).toString();
}

} // namespace tq
