#include "field/ScreenText.h"

#include "platform/Chars.h"

#include <QRegularExpression>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

const QSet<QString>& stopWords()
{
    static const QSet<QString> words = {
        QStringLiteral("the"), QStringLiteral("and"), QStringLiteral("for"), QStringLiteral("with"), QStringLiteral("that"), QStringLiteral("this"), QStringLiteral("you"), QStringLiteral("your"),
        QStringLiteral("are"), QStringLiteral("was"), QStringLiteral("have"), QStringLiteral("has"), QStringLiteral("from"), QStringLiteral("but"), QStringLiteral("not"), QStringLiteral("all"),
        QStringLiteral("can"), QStringLiteral("will"), QStringLiteral("our"), QStringLiteral("its"), QStringLiteral("they"), QStringLiteral("them"), QStringLiteral("who"), QStringLiteral("what"),
        QStringLiteral("when"), QStringLiteral("how"), QStringLiteral("just"), QStringLiteral("about"), QStringLiteral("into"), QStringLiteral("yang"), QStringLiteral("dan"),
        QStringLiteral("untuk"), QStringLiteral("dengan"), QStringLiteral("ini"), QStringLiteral("itu"), QStringLiteral("saya"), QStringLiteral("anda"), QStringLiteral("kami"),
        QStringLiteral("kita"), QStringLiteral("tidak"), QStringLiteral("akan"), QStringLiteral("ada"), QStringLiteral("pada"),
    };
    return words;
}

// One word of a lowercased text: its UTF-16 range and its character boundaries.
void addWord(QStringView text, const QList<qsizetype>& cuts, qsizetype first, qsizetype last, QSet<QString>& tokens)
{
    // cuts[first] … cuts[last] bound the word's characters.
    const qsizetype n = last - first;
    if (n <= 0)
        return;
    const QStringView word = text.mid(cuts[first], cuts[last] - cuts[first]);
    if (ScreenText::isCJK(word.toString())) {
        if (n == 1)
            tokens.insert(word.toString());
        for (qsizetype i = first; i + 2 <= last; ++i)
            tokens.insert(text.mid(cuts[i], cuts[i + 2] - cuts[i]).toString());
        return;
    }
    if (n >= 3) {
        QString w = word.toString();
        if (!stopWords().contains(w))
            tokens.insert(std::move(w));
    }
}

constexpr double kLongWeight = 1.6;
constexpr double kShortFactor = 0.35;
constexpr double kProximityScale = 3.0;
constexpr double kDistance = -280.0;
constexpr double kBelowGapFactor = 1.6;
constexpr double kOverlapScale = 1.6;
constexpr double kBelowFactor = 0.6;
constexpr double kTokenBonus = 0.6;
constexpr double kTokenBonusMax = 2.4;
constexpr double kKeepThreshold = 1.0;
constexpr double kFieldMargin = 2.0;
constexpr int kTypedWindow = 400;
constexpr int kTypedCompareLength = 12;
constexpr double kSameRow = 4.0;

} // namespace

bool ScreenText::isCJK(const QString& text)
{
    for (char32_t c : text.toUcs4())
        if (chars::isCJK(c))
            return true;
    return false;
}

QSet<QString> ScreenText::tokenize(const QString& text)
{
    QSet<QString> tokens;
    const QString lower = text.toLower();
    const QList<qsizetype> cuts = chars::boundaries(lower);
    qsizetype wordStart = 0; // index into cuts
    for (qsizetype i = 0; i + 1 < cuts.size(); ++i) {
        const QChar c = lower.at(cuts[i]);
        const char32_t scalar = (c.isHighSurrogate() && cuts[i] + 1 < lower.size())
            ? QChar::surrogateToUcs4(c, lower.at(cuts[i] + 1))
            : char32_t(c.unicode());
        if (!QChar::isLetterOrNumber(scalar)) {
            addWord(lower, cuts, wordStart, i, tokens);
            wordStart = i + 1;
        }
    }
    addWord(lower, cuts, wordStart, cuts.size() - 1, tokens);
    return tokens;
}

QString ScreenText::pickLines(const QVector<ScreenLine>& lines, const std::optional<QRectF>& fieldFrame,
                              const QString& typed, int budget)
{
    const QSet<QString> typedTokens = tokenize(chars::last(typed, kTypedWindow).toString());
    QSet<QString> seen;
    struct Scored {
        ScreenLine line;
        double score;
        int length;
    };
    QVector<Scored> scored;

    std::optional<QRectF> grown;
    if (fieldFrame)
        grown = fieldFrame->adjusted(-kFieldMargin, -kFieldMargin, kFieldMargin, kFieldMargin);

    for (const ScreenLine& in : lines) {
        const QString text = in.text.trimmed();
        const int n = chars::count(text);
        if (n < 3)
            continue;
        const QString lower = text.toLower();
        if (seen.contains(lower))
            continue;
        seen.insert(lower);
        if (grown && grown->contains(in.frame.center()))
            continue;
        if (!typed.isEmpty() && n > kTypedCompareLength && typed.contains(text))
            continue;

        static const QRegularExpression whitespace(QStringLiteral("\\s+"));
        const auto words = text.split(whitespace, Qt::SkipEmptyParts).size();
        double weight;
        if (words >= 4) {
            weight = kLongWeight;
        } else {
            const double base = (isCJK(text) && n >= 8) ? kLongWeight : 1.0;
            if (words == 3)
                weight = base;
            else
                weight = n > 13 ? base : base * kShortFactor;
        }

        double score = weight;
        if (fieldFrame) {
            const QRectF& f = *fieldFrame;
            const QRectF& l = in.frame;
            double gap = 0;
            if (l.bottom() <= f.top())
                gap = f.top() - l.bottom();
            else if (f.bottom() <= l.top())
                gap = (l.top() - f.bottom()) * kBelowGapFactor;
            score = weight + kProximityScale * std::exp(gap / kDistance);
            const double overlap = std::max(0.0, std::min(l.right(), f.right()) - std::max(l.left(), f.left()));
            score += kOverlapScale * overlap / std::max(1.0, std::min(l.width(), f.width()));
            if (f.bottom() <= l.top())
                score *= kBelowFactor;
        }

        int shared = 0;
        if (!typedTokens.isEmpty()) {
            for (const QString& t : tokenize(text))
                shared += typedTokens.contains(t) ? 1 : 0;
        }
        score += std::min(kTokenBonus * shared, kTokenBonusMax);
        scored.push_back({ScreenLine{text, in.frame}, score, n});
    }

    std::stable_sort(scored.begin(), scored.end(), [](const Scored& a, const Scored& b) { return a.score > b.score; });

    QVector<ScreenLine> picked;
    int used = 0;
    for (const Scored& s : scored) {
        if (s.score < kKeepThreshold)
            continue;
        if (used + s.length + 1 <= budget) {
            picked.push_back(s.line);
            used += s.length + 1;
        }
    }
    sortReadingOrder(picked);
    QStringList texts;
    texts.reserve(picked.size());
    for (const ScreenLine& l : picked)
        texts << l.text;
    return texts.join(QLatin1Char('\n'));
}

QString ScreenText::pickRecent(const QVector<ScreenLine>& lines, const QString& typed, int budget)
{
    const QSet<QString> typedTokens = tokenize(chars::last(typed, kTypedWindow).toString());
    if (typedTokens.isEmpty())
        return QString();
    QVector<ScreenLine> kept;
    for (const ScreenLine& l : lines) {
        if (tokenize(l.text).intersects(typedTokens))
            kept.push_back(l);
    }
    return pickLines(kept, std::nullopt, typed, budget);
}

void ScreenText::sortReadingOrder(QVector<ScreenLine>& lines)
{
    // Comparing "tops within 4 points" pairwise is not transitive, so rows are formed first:
    // a row starts at a line and takes every following line whose top is within 4 points of it.
    std::stable_sort(lines.begin(), lines.end(),
                     [](const ScreenLine& a, const ScreenLine& b) { return a.frame.top() < b.frame.top(); });
    qsizetype rowStart = 0;
    while (rowStart < lines.size()) {
        qsizetype rowEnd = rowStart + 1;
        while (rowEnd < lines.size() && lines[rowEnd].frame.top() - lines[rowStart].frame.top() < kSameRow)
            ++rowEnd;
        std::stable_sort(lines.begin() + rowStart, lines.begin() + rowEnd,
                         [](const ScreenLine& a, const ScreenLine& b) { return a.frame.left() < b.frame.left(); });
        rowStart = rowEnd;
    }
}

QVector<ScreenLine> ScreenText::splitLines(const QRectF& frame, const QString& text)
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\n\x0B\x0C\r\u0085\u2028\u2029]"));
    QStringList kept;
    for (const QString& piece : text.split(breaks, Qt::SkipEmptyParts)) {
        bool blank = true;
        for (QChar c : piece) {
            if (c != QLatin1Char(' ') && c != QLatin1Char('\t')) {
                blank = false;
                break;
            }
        }
        if (!blank)
            kept << piece;
    }
    if (kept.size() < 2)
        return {ScreenLine{text, frame}};
    QVector<ScreenLine> out;
    const double h = frame.height() / kept.size();
    for (qsizetype i = 0; i < kept.size(); ++i)
        out.push_back({kept[i], QRectF(frame.x(), frame.y() + i * h, frame.width(), h)});
    return out;
}

} // namespace tq
