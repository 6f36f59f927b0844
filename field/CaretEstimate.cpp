// The last way to the caret: the field's own text laid out in its font inside its frame.
#include "field/AXFieldSource.h"
#include "field/LaidOutText.h"

#include "platform/Chars.h"
#include "platform/FieldFont.h"

#include <QFontMetricsF>

#include <cmath>

namespace tq {

std::optional<AXFieldSource::Estimate> AXFieldSource::estimateCaret(const QString& before, const QString& after,
                                                                    std::optional<double> fontSize,
                                                                    const std::optional<QString>& fontName, const QRectF& f)
{
    if (f.width() <= 0 || f.height() <= 0 || containsRightToLeft(before) || containsRightToLeft(after))
        return std::nullopt;
    double size = 13;
    if (fontSize)
        size = *fontSize;
    else if (f.height() < 30)
        size = std::clamp(std::round(f.height() * 0.58), 11.0, 17.0);
    const QFont font = fieldFont(fontName.value_or(QString()), size);
    const QFontMetricsF metrics(font);
    const double lineHeight = std::max(1.0, std::ceil(metrics.ascent() + metrics.descent() + std::max(0.0, metrics.leading())));
    const bool singleLine = f.height() < 2.2 * lineHeight;
    const double width = singleLine ? 1'000'000 : std::max(f.width() - 8, 10.0);
    const LaidOutText laid = LaidOutText::layout(before + after, font, width);
    const auto& lines = laid.lines();

    const qsizetype c = before.size();
    const bool newLine = chars::endsWithLineBreak(before);
    int row = -1;
    for (int i = 0; i < int(lines.size()); ++i) {
        if (lines[i].start + lines[i].length > c) {
            row = i;
            break;
        }
    }
    if (row < 0 && !newLine && !lines.empty())
        row = int(lines.size()) - 1;
    double caretX = 0;
    if (row >= 0)
        caretX = laid.offsetFor(row, c);
    else
        row = int(lines.size());
    const int rows = int(lines.size()) + (newLine ? 1 : 0);

    double top;
    if (singleLine || (rows < 2 && f.height() < 3 * lineHeight)) {
        top = f.y() + f.height() / 2 + 0.5 * lineHeight;
    } else {
        if (f.height() + 0.5 < lineHeight * rows + 8)
            return std::nullopt;
        top = f.y() + f.height() - 4 - lineHeight * row;
    }
    Estimate e;
    e.caret = QRectF(f.x() + 4 + std::min(caretX, f.width() - 8), top - lineHeight, 1, lineHeight);
    e.lineStartX = f.x() + 4;
    e.fontSize = size;
    return e;
}

} // namespace tq
