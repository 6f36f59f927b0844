#include "services/TypoChecker.h"

#include "platform/Chars.h"
#include "platform/SpellChecker.h"
#include "platform/Text.h"

namespace tq {

namespace {
// Letters in the wide sense: combining marks belong to the letter they follow.
bool isLetter(char32_t c) { return QChar::isLetter(c) || QChar::isMark(c); }

bool isApostrophe(char32_t c) { return c == U'\'' || c == U'\u2019'; }

// Code point ending at UTF-16 offset `end` (exclusive) and its length in units.
char32_t codePointBefore(QStringView s, qsizetype end, qsizetype* units)
{
    const QChar low = s[end - 1];
    if (low.isLowSurrogate() && end >= 2 && s[end - 2].isHighSurrogate()) {
        *units = 2;
        return QChar::surrogateToUcs4(s[end - 2], low);
    }
    *units = 1;
    return low.unicode();
}

bool hasNoCapitals(const QString& word) { return word == word.toLower(); }
} // namespace

TypoChecker::TypoChecker(SpellChecker& checker, std::optional<Corrections> corrections)
    : checker_(checker), corrections_(std::move(corrections))
{
}

bool TypoChecker::isMisspelled(const QString& word)
{
    if (corrections_)
        return !corrections_->isEmpty() && corrections_->contains(word);
    return checker_.isMisspelled(word);
}

QString TypoChecker::lastWord(const QString& text)
{
    qsizetype start = text.size();
    while (start > 0) {
        qsizetype units = 1;
        const char32_t c = codePointBefore(text, start, &units);
        if (!isLetter(c) && !isApostrophe(c))
            break;
        start -= units;
    }
    return text.mid(start);
}

bool TypoChecker::isKnownPrefix(const QString& word, const QString& text)
{
    if (appName().toLower().startsWith(word))
        return true;
    const QString earlier = text.left(chars::offsetOfLast(text, chars::count(word))).toLower();
    const QList<uint> points = earlier.toUcs4();
    QString run;
    auto runMatches = [&] { return !run.isEmpty() && run.startsWith(word); };
    for (uint c : points) {
        if (isLetter(c)) {
            run += QString::fromUcs4(reinterpret_cast<const char32_t*>(&c), 1);
            continue;
        }
        if (runMatches())
            return true;
        run.clear();
    }
    return runMatches();
}

bool TypoChecker::looksLikeTypo(const QString& textBeforeCaret)
{
    const QString word = lastWord(textBeforeCaret);
    if (chars::count(word) < 4 || !hasNoCapitals(word))
        return false;
    if (isKnownPrefix(word, textBeforeCaret))
        return false;
    if (!isMisspelled(word))
        return false;
    // Judged in the text's own language: nothing is a typo in a language without a dictionary.
    const QString language = corrections_ ? QString() : checker_.languageOf(textBeforeCaret);
    if (!corrections_ && language.isEmpty())
        return false;
    // Not a typo while nothing can tell: the word list is being built or cannot be trusted.
    return checker_.startsWord(word, language) == std::optional<bool>(false);
}

std::optional<TypoChecker::Fix> TypoChecker::fix(const QString& textBeforeCaret)
{
    if (!textBeforeCaret.endsWith(QLatin1Char(' ')) || textBeforeCaret.endsWith(QLatin1String("  ")))
        return std::nullopt;
    const QString word = lastWord(textBeforeCaret.chopped(1));
    if (chars::count(word) < 3 || !hasNoCapitals(word))
        return std::nullopt;
    if (!isMisspelled(word))
        return std::nullopt;
    if (corrections_) {
        if (!corrections_->isEmpty() && corrections_->contains(word))
            return Fix{word, corrections_->value(word)};
        return std::nullopt;
    }
    const QString language = checker_.languageOf(textBeforeCaret);
    if (language.isEmpty())
        return std::nullopt; // no dictionary for the text's language
    const QString correction = checker_.correction(word, language);
    if (correction.isEmpty() || correction == word)
        return std::nullopt;
    return Fix{word, correction};
}

} // namespace tq
