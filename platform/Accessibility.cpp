#include "platform/Accessibility.h"

#include "platform/AtSpiAccessibility.h"

namespace tq {

QVariant AXAttributedString::attribute(const QString& name, qsizetype index) const
{
    for (const Run& run : runs) {
        if (index >= run.location && index < run.location + run.length) {
            auto it = run.attributes.constFind(name);
            return it == run.attributes.constEnd() ? QVariant() : *it;
        }
    }
    return {};
}

namespace utf16 {

AXRange clampToPairs(QStringView text, AXRange range)
{
    qint64 start = std::clamp<qint64>(range.location, 0, text.size());
    qint64 end = std::clamp<qint64>(range.location + std::max<qint64>(range.length, 0), start, text.size());
    if (start > 0 && start < text.size() && text[start].isLowSurrogate() && text[start - 1].isHighSurrogate())
        ++start;
    if (end > 0 && end < text.size() && text[end].isLowSurrogate() && text[end - 1].isHighSurrogate())
        --end;
    if (end < start)
        end = start;
    return {start, end - start};
}

} // namespace utf16

} // namespace tq
