#include "ui/settings/PersonalPaneLogic.h"

#include "platform/Chars.h"
#include "platform/Text.h"

#include <algorithm>
#include <cmath>

namespace tq {

std::optional<QString> cutInstructions(const QString& typed, int limit)
{
    if (chars::count(typed) <= limit)
        return std::nullopt;
    return chars::first(typed, limit).toString();
}

QString instructionsCounter(const QString& instructions, int limit)
{
    return QStringLiteral("%1 / %2").arg(chars::count(instructions)).arg(limit);
}

bool instructionsOverLimit(const QString& instructions, int limit)
{
    return chars::count(instructions) > limit;
}

QString passageCountText(int count)
{
    if (count <= 0)
        return text("Nothing remembered yet");
    return text("%Ln passages remembered", count);
}

int influenceStep(double strength)
{
    if (!std::isfinite(strength))
        return 2;
    return int(std::clamp(std::lround(strength), 1L, 6L));
}

} // namespace tq
