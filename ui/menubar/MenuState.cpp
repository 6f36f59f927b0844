#include "ui/menubar/MenuState.h"

#include "platform/Text.h"
#include "settings/AppRules.h"
#include "ui/design/Formatters.h"

#include <QRegularExpression>

namespace tq::menu {

namespace {
// The locale's short time without seconds (some locales' short form carries them).
QString shortTime(const QTime& time, const QLocale& locale)
{
    static const QRegularExpression seconds(QStringLiteral("[.:]?s+"));
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return locale.toString(time, format.trimmed());
}

bool after(const std::optional<QDateTime>& until, const QDateTime& now) { return until && *until > now; }
} // namespace

bool globallyPaused(const State& state) { return after(state.globalPauseUntil, state.now); }

GlyphVariant glyphVariant(const State& state)
{
    if (!state.accessibility || !state.rivals.isEmpty())
        return GlyphVariant::attention;
    if (!state.isEnabled || globallyPaused(state))
        return GlyphVariant::paused;
    return GlyphVariant::active;
}

StatusKind statusKind(const State& state)
{
    if (!state.accessibility)
        return StatusKind::needsAccess;
    if (!state.rivals.isEmpty())
        return StatusKind::rivalOpen;
    if (globallyPaused(state))
        return *state.globalPauseUntil == AppRules::distantFuture() ? StatusKind::pausedUntilResumed : StatusKind::pausedUntil;
    if (!state.isEnabled)
        return StatusKind::off;
    if (state.engineSilent)
        return StatusKind::engineSilent;
    if (state.restartHint)
        return StatusKind::appSharesNoText;
    return StatusKind::ready;
}

StatusLine statusLine(const State& state, const QLocale& locale)
{
    const StatusKind kind = statusKind(state);
    switch (kind) {
    case StatusKind::needsAccess:
        return {kind, text("Needs Accessibility access"), StatusColour::orange};
    case StatusKind::rivalOpen:
        return {kind, pausedWhileOpen({state.rivals.first()}, locale), StatusColour::orange};
    case StatusKind::pausedUntilResumed:
        return {kind, text("Paused until you resume"), StatusColour::gold};
    case StatusKind::pausedUntil:
        return {kind,
                text("Paused until %1").arg(shortTime(state.globalPauseUntil->toLocalTime().time(), locale)),
                StatusColour::gold};
    case StatusKind::off:
        return {kind, text("Off"), StatusColour::dim};
    case StatusKind::engineSilent:
        // One short line; the attention card says the whole of it.
        switch (state.engineSilent->why) {
        case EngineSilence::Why::downloading:
            return {kind, text("Downloading the model"), StatusColour::orange};
        case EngineSilence::Why::checking:
            return {kind, text("Checking the download"), StatusColour::orange};
        case EngineSilence::Why::notDownloaded:
            break;
        }
        return {kind, text("Your engine isn't ready"), StatusColour::orange};
    case StatusKind::appSharesNoText:
        return {kind, text("%1 shares no text").arg(state.restartHint->appName), StatusColour::orange};
    case StatusKind::ready:
        break;
    }
    return {StatusKind::ready, text("Ready"), StatusColour::green};
}

QString pausedWhileOpen(const QStringList& names, const QLocale& locale)
{
    const QString list = locale.createSeparatedList(names);
    return text("Paused while %1 are open", int(names.size())).arg(list);
}

AttentionText attentionText(const State& state, const QLocale& locale)
{
    if (!state.accessibility)
        return {AttentionKind::access, text("Needs Accessibility access"), text("Grant Accessibility Access…"), false};
    if (!state.rivals.isEmpty()) {
        QStringList unique;
        for (const QString& name : state.rivals) {
            if (!unique.contains(name))
                unique.append(name);
        }
        const QString list = locale.createSeparatedList(unique);
        const int apps = int(unique.size());
        const QString button = state.rivalsRefused ? text("Force Quit %1", apps) : text("Quit %1", apps);
        return {AttentionKind::rivals, pausedWhileOpen(unique, locale), button.arg(list), state.rivalsRefused, QString(),
                list};
    }
    if (const auto& silence = state.engineSilent)
        return {AttentionKind::engine, silence->sentence, text("Open Engine"), false};
    if (const auto& hint = state.restartHint)
        return {AttentionKind::restartApp, hint->sentence(), hint->command.isEmpty() ? QString() : text("Copy command"),
                false, hint->command};
    return {};
}

TodayCard todayCard(qint64 words, const QLocale& locale)
{
    TodayCard card;
    card.count = locale.toString(words);
    card.label = wordsSavedTodayLabel(words);
    card.whole = formatWordsSavedToday(words);
    const double minutes = double(words) / kWordsPerMinute;
    if (words == 0)
        card.sentence = text("Start typing anywhere. %app keeps count here.");
    else if (minutes < 1)
        card.sentence = text("Under a minute of typing saved today.");
    else
        card.sentence = text("About %1 of typing saved today.").arg(formatTypingTime(minutes));
    return card;
}

QString trayToolTip(qint64 words, bool showCount, const QLocale& locale)
{
    if (!showCount || words < 1)
        return appName();
    const TodayCard card = todayCard(words, locale);
    return appName() + QLatin1Char('\n') + card.whole;
}

TrayLabel trayLabel(qint64 words, bool showCount, const QLocale& locale)
{
    if (!showCount || words < 1)
        return {};
    const qsizetype digits = QString::number(words).size();
    return {locale.toString(words), locale.toString(QString(digits, QLatin1Char('8')).toLongLong())};
}

std::vector<Pill> pausePills(const std::optional<QString>& frontAppName,
                             const std::optional<QDateTime>& frontAppPausedUntil,
                             const std::optional<QDateTime>& globalPauseUntil, const QDateTime& now)
{
    std::vector<Pill> pills;
    if (frontAppName) {
        if (after(frontAppPausedUntil, now))
            pills.push_back({PillAction::resumeFrontApp, true, "play.fill", text("Resume in %1").arg(*frontAppName)});
        else
            pills.push_back({PillAction::pauseFrontApp, false, "pause.fill", text("Pause in %1").arg(*frontAppName)});
    }
    if (after(globalPauseUntil, now))
        pills.push_back({PillAction::resumeEverywhere, true, "play.fill", text("Resume Everywhere")});
    else
        pills.push_back({PillAction::pauseEverywhere, false, "pause.circle", text("Pause Everywhere")});
    return pills;
}

const std::vector<PauseDuration>& pauseDurations()
{
    static const std::vector<PauseDuration> durations = {
        {text("For 15 Minutes"), 900.0, false},
        {text("For 1 Hour"), 3600.0, false},
        {text("For 4 Hours"), 14400.0, false},
        {text("Until I Resume"), std::nullopt, true},
    };
    return durations;
}

bool pillsFitInRow(const std::vector<int>& minimumWidths, int available)
{
    if (minimumWidths.empty())
        return true;
    int total = kPillSpacing * int(minimumWidths.size() - 1);
    for (int w : minimumWidths)
        total += w;
    return total <= available;
}

QDateTime nextChange(const QDateTime& now, const std::optional<QDateTime>& globalPauseUntil,
                     const std::optional<QDateTime>& frontAppPausedUntil)
{
    QDateTime next = now.toLocalTime().date().addDays(1).startOfDay();
    for (const auto& end : {globalPauseUntil, frontAppPausedUntil}) {
        if (end && *end > now && *end < next)
            next = *end;
    }
    return next.toUTC();
}

} // namespace tq::menu
