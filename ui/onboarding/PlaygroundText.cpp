#include "ui/onboarding/PlaygroundText.h"

#include "field/FieldSnapshot.h"
#include "platform/Chars.h"

#include <algorithm>
#include <cmath>

namespace tq::playground {

Cut cut(QStringView text, qsizetype selectionStart, qsizetype selectionLength)
{
    const qsizetype length = text.size();
    const qsizetype caret = std::clamp<qsizetype>(selectionStart, 0, length);
    const qsizetype end = std::clamp<qsizetype>(caret + std::max<qsizetype>(selectionLength, 0), caret, length);
    return {chars::last(text.first(caret), kBeforeLimit).toString(), chars::first(text.sliced(end), kAfterLimit).toString()};
}

qsizetype lineLengthBefore(QStringView text, qsizetype caret)
{
    caret = std::clamp<qsizetype>(caret, 0, text.size());
    qsizetype i = caret;
    while (i > 0) {
        const QChar c = text[i - 1];
        // Line breaks are all in the basic plane, so a surrogate is never one.
        if (!c.isSurrogate() && chars::isLineBreak(c.unicode()))
            break;
        --i;
    }
    return caret - i;
}

std::optional<double> lineStartX(const QRectF& caret, const QRectF& lineStart)
{
    if (std::abs(lineStart.center().y() - caret.center().y()) < caret.height() / 2)
        return lineStart.left();
    return std::nullopt;
}

} // namespace tq::playground
