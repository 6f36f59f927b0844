#include "field/FieldSnapshot.h"

#include "platform/Accessibility.h"
#include "platform/Chars.h"

#include <QStringView>

namespace tq {

namespace {

bool sameRect(const std::optional<QRectF>& a, const std::optional<QRectF>& b)
{
    if (a.has_value() != b.has_value())
        return false;
    return !a || (a->x() == b->x() && a->y() == b->y() && a->width() == b->width() && a->height() == b->height());
}

// Tab and the space separators; line breaks are not blanks here.
bool isBlank(char32_t c)
{
    return c == U'\t' || QChar::category(c) == QChar::Separator_Space;
}

} // namespace

bool operator==(const FieldSnapshot& a, const FieldSnapshot& b)
{
    return a.fieldKey == b.fieldKey && a.bundleID == b.bundleID && a.appName == b.appName && a.role == b.role
        && a.before == b.before && a.after == b.after && a.selectionLength == b.selectionLength
        && sameRect(a.caretRect, b.caretRect) && a.lineStartX == b.lineStartX && sameRect(a.fieldFrame, b.fieldFrame)
        && a.fontSize == b.fontSize && a.fontName == b.fontName && a.isSecure == b.isSecure && a.domain == b.domain
        && a.windowTitle == b.windowTitle && a.isLocal == b.isLocal;
}

QString FieldSnapshot::restOfLine() const
{
    // "\r\n" is one character; it ends the line like "\n" and "\r".
    for (qsizetype i = 0; i < after.size(); ++i) {
        if (after[i] == QLatin1Char('\n') || after[i] == QLatin1Char('\r'))
            return after.left(i);
    }
    return after;
}

bool FieldSnapshot::startsLineAfterSentence() const
{
    if (!chars::endsWithLineBreak(before))
        return false;
    QStringView rest(before);
    while (chars::endsWithLineBreak(rest))
        rest.chop(chars::last(rest).size());
    // The last line of what is left.
    qsizetype start = rest.size();
    while (start > 0 && !chars::isLineBreak(rest[start - 1].unicode()))
        --start;
    QStringView line = rest.mid(start);
    auto scalars = [](QStringView s, bool fromEnd) {
        if (s.isEmpty())
            return char32_t(0);
        if (fromEnd) {
            if (s.size() >= 2 && s[s.size() - 1].isLowSurrogate() && s[s.size() - 2].isHighSurrogate())
                return QChar::surrogateToUcs4(s[s.size() - 2], s[s.size() - 1]);
            return char32_t(s.back().unicode());
        }
        return chars::firstScalar(s);
    };
    while (!line.isEmpty() && isBlank(scalars(line, false)))
        line = line.mid(scalars(line, false) > 0xFFFF ? 2 : 1);
    while (!line.isEmpty() && isBlank(scalars(line, true)))
        line.chop(scalars(line, true) > 0xFFFF ? 2 : 1);
    if (line.isEmpty())
        return false;
    static const QString enders = QStringLiteral(".!?,:;)]\"\u201D\u2019\u2026\u3002\uFF01\uFF1F\uFF0C\uFF1A\u3001");
    const QStringView last = chars::last(line);
    return last.size() == 1 && enders.contains(last[0]);
}

bool FieldSnapshot::afterIsBlank() const
{
    for (const QChar c : after)
        if (!c.isSpace())
            return false;
    return true;
}

bool FieldSnapshot::tabLeavesField() const
{
    return domain.has_value() || role == QLatin1String(ax::kTextField) || role == QLatin1String(ax::kComboBox)
        || role == QLatin1String(ax::kSearchField);
}

} // namespace tq
