#pragma once
// Checks the fuzz targets share.

#include "completion/ReplyCleanup.h"
#include "engines/Replies.h"

#include <QString>

#include <cstdlib>

namespace tq::fuzz {

// True when `text` holds a character the clean-up must never let through: a control or format
// character (but for a tab, the joiners and flag tags), a surrogate out of its pair, U+FFFD, a letter
// that draws nothing, a private-use character or a base character with more than four marks.
inline bool holdsHidden(const QString& text)
{
    int marks = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        char32_t u = c.unicode();
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            u = QChar::surrogateToUcs4(c, text[i + 1]);
            ++i;
        } else if (c.isSurrogate()) {
            return true;
        }
        const auto category = QChar::category(u);
        const bool allowedFormat = u == 0x200C || u == 0x200D || (u >= 0xE0020 && u <= 0xE007F);
        if ((category == QChar::Other_Control && u != u'\t') || (category == QChar::Other_Format && !allowedFormat) || u == 0xFFFD)
            return true;
        const bool blank = u == 0x115F || u == 0x1160 || u == 0x3164 || u == 0xFFA0 || u == 0x2800 || u == 0x034F;
        if (blank || category == QChar::Other_PrivateUse)
            return true;
        const bool mark = category == QChar::Mark_NonSpacing || category == QChar::Mark_Enclosing;
        marks = mark ? marks + 1 : 0;
        if (marks > 4)
            return true;
    }
    return false;
}

// A parsed reply: a text only from valid UTF-8, and nothing hidden once cleaned.
inline void checkReply(const QByteArray& body, const Outcome<QString>& parsed)
{
    if (!parsed.hasValue())
        return;
    if (!Providers::isValidUtf8(body))
        std::abort();
    for (PromptStyle style : {PromptStyle::raw, PromptStyle::instruct})
        if (holdsHidden(ReplyCleaner::clean(parsed.value(), QStringLiteral("Hello "), {}, 12, style)))
            std::abort();
}

} // namespace tq::fuzz
