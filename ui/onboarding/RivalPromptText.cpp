#include "ui/onboarding/RivalPromptText.h"

#include "platform/Text.h"

#include <QLocale>

namespace tq {

RivalPromptState rivalPromptState(bool resolved, RivalWatcher::QuitState quitState)
{
    if (resolved)
        return RivalPromptState::resolved;
    switch (quitState) {
    case RivalWatcher::QuitState::idle:
        return RivalPromptState::waiting;
    case RivalWatcher::QuitState::quitting:
        return RivalPromptState::quitting;
    case RivalWatcher::QuitState::refused:
        return RivalPromptState::refused;
    }
    return RivalPromptState::waiting;
}

QString rivalNames(const QList<RivalApp>& apps)
{
    QStringList list;
    for (const RivalApp& app : apps)
        if (!list.contains(app.name))
            list.append(app.name);
    if (list.isEmpty())
        return text("The other app");
    return QLocale().createSeparatedList(list);
}

RivalPromptTexts rivalPromptTexts(RivalPromptState state, const QList<RivalApp>& shown, const QList<RivalApp>& open)
{
    const QList<RivalApp>& current = open.isEmpty() ? shown : open;
    const QString names = rivalNames(current);
    const bool one = current.size() <= 1;
    RivalPromptTexts out;
    out.secondary = state != RivalPromptState::resolved;
    out.primaryEnabled = state != RivalPromptState::quitting;
    if (state != RivalPromptState::resolved)
        out.toggle = text("Next time, quit %1 without asking").arg(names);
    switch (state) {
    case RivalPromptState::waiting:
    case RivalPromptState::quitting:
        if (one) {
            out.headline = text("%1 is also running").arg(names);
            out.explanation = text("Both apps answer the Tab key, and the system gives it to %1 first. "
                                   "%app stays paused in your other apps until %1 quits.")
                                  .arg(names);
        } else {
            out.headline = text("%1 are also running").arg(names);
            out.explanation = text("These apps answer the Tab key before %app can, so %app stays paused in your "
                                   "other apps until they quit.");
        }
        out.primary = state == RivalPromptState::waiting ? text("Quit %1").arg(names) : text("Quitting…");
        break;
    case RivalPromptState::refused:
        out.headline = text("%1 is still open").arg(names);
        out.explanation = text("It may be waiting on a dialog of its own. Force Quit closes it right away.");
        out.primary = text("Force Quit");
        break;
    case RivalPromptState::resolved:
        out.headline = text("%app has the Tab key");
        out.explanation = text("%1 quit, so your suggestions are back in every app.").arg(rivalNames(shown));
        out.primary = text("Done");
        break;
    }
    return out;
}

QString rivalAnnouncement(const QList<RivalApp>& shown)
{
    return text("%1 quit. %app has the Tab key.").arg(rivalNames(shown));
}

} // namespace tq
