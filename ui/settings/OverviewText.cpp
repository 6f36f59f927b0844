#include "ui/settings/OverviewText.h"

#include "platform/Text.h"
#include "ui/design/Formatters.h"

#include <algorithm>
#include <climits>

namespace tq {

StateLineText stateLine(const StateInputs& in)
{
    StateLineText s;
    const QString warn = QStringLiteral("exclamationmark.triangle.fill");
    if (!in.accessibility) {
        s = {StateKind::needsAccess, StateTone::warning, text("Needs Accessibility access"), warn, {}};
    } else if (in.firstRival) {
        s = {StateKind::rivalRunning, StateTone::warning, text("Waiting for %1 to quit").arg(*in.firstRival), warn, {}};
    } else if (in.engineFailure) {
        s = {StateKind::engineFailed, StateTone::warning, *in.engineFailure, warn, {}};
    } else if (!in.isEnabled) {
        s = {StateKind::turnedOff, StateTone::muted, text("Turned off"), QStringLiteral("pause.circle.fill"), {}};
    } else if (in.globalPauseUntil && *in.globalPauseUntil > in.now) {
        s = {StateKind::pausedEverywhere, StateTone::muted, text("Paused everywhere"), QStringLiteral("pause.circle.fill"), {}};
    } else {
        s = {StateKind::on, StateTone::good, text("On"), QStringLiteral("checkmark.circle.fill"), {}};
    }
    if (in.medianLatencyMs && in.accessibility)
        s.speed = text("%1, %2 typical wait").arg(title(in.engine), formatLatency(in.medianLatencyMs));
    return s;
}

QString wordsSavedLabel(std::int64_t today)
{
    return wordsSavedTodayLabel(today);
}

QString wordsSavedText(std::int64_t today)
{
    return formatWordsSavedToday(today);
}

QString heroCaption(std::int64_t today, std::int64_t week)
{
    if (week < 1)
        return text("Start typing anywhere. %app keeps count here.");
    const int weekCount = int(std::min<std::int64_t>(week, INT_MAX));
    if (today == 0)
        return text("%Ln words this week.", weekCount);
    const double minutes = double(today) / 40.0;
    if (minutes < 1)
        return text("Under a minute of typing saved today. %Ln words this week.", weekCount);
    return text("About %1 of typing saved today. %Ln words this week.", weekCount).arg(formatTypingTime(minutes));
}

QString streakText(int days)
{
    if (days == 0)
        return text("Start your streak today.");
    return text("%Ln day streak", days);
}

} // namespace tq
