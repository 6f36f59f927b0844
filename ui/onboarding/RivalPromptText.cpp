#include "ui/onboarding/RivalPromptText.h"

#include "platform/Text.h"

#include <QLocale>

#include <algorithm>

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

namespace {

// One name per app, however many of its windows or processes run.
QStringList uniqueNames(const QList<RivalApp>& apps)
{
    QStringList list;
    for (const RivalApp& app : apps)
        if (!list.contains(app.name))
            list.append(app.name);
    return list;
}

} // namespace

QString rivalNames(const QList<RivalApp>& apps)
{
    const QStringList list = uniqueNames(apps);
    if (list.isEmpty())
        return text("The other app");
    return QLocale().createSeparatedList(list);
}

RivalPromptTexts rivalPromptTexts(RivalPromptState state, const QList<RivalApp>& shown, const QList<RivalApp>& open)
{
    const QList<RivalApp>& current = open.isEmpty() ? shown : open;
    const QString names = rivalNames(current);
    const int named = int(uniqueNames(current).size());
    const int apps = std::max(1, named);
    RivalPromptTexts out;
    out.secondary = state != RivalPromptState::resolved;
    out.primaryEnabled = state != RivalPromptState::quitting;
    if (state != RivalPromptState::resolved) {
        // With no name known, the quit texts say so in words of their own.
        out.toggle = named ? text("Next time, quit %1 without asking", named).arg(names)
                           : text("Quit other autocomplete apps when they open");
        out.names = names;
    }
    switch (state) {
    case RivalPromptState::waiting:
    case RivalPromptState::quitting:
        // With no name known, whole sentences of their own: a name is never glued into them.
        out.headline = named ? text("%1 is also running", apps).arg(names) : text("The other app is also running");
        out.explanation = !named    ? text("Both apps answer the Tab key, and the system gives it to the other app "
                                           "first. %app stays paused in your other apps until the other app quits.")
                          : apps == 1 ? text("Both apps answer the Tab key, and the system gives it to %1 first. "
                                             "%app stays paused in your other apps until %1 quits.",
                                             apps)
                                            .arg(names)
                                      : text("These apps answer the Tab key before %app can, so %app stays paused in "
                                           "your other apps until they quit.",
                                           apps);
        if (state == RivalPromptState::quitting)
            out.primary = text("Quitting…");
        else
            out.primary = named ? text("Quit %1", named).arg(names) : text("Quit the other app");
        break;
    case RivalPromptState::refused:
        out.headline = named ? text("%1 is still open", apps).arg(names) : text("The other app is still open");
        out.explanation = text("It may be waiting on a dialog of its own. Force Quit closes it right away.", apps);
        out.primary = text("Force Quit");
        break;
    case RivalPromptState::resolved:
        out.headline = text("%app has the Tab key");
        out.explanation = uniqueNames(shown).isEmpty()
                              ? text("The other app quit, so your suggestions are back in every app.")
                              : text("%1 quit, so your suggestions are back in every app.").arg(rivalNames(shown));
        out.primary = text("Done");
        break;
    }
    return out;
}

QString rivalAnnouncement(const QList<RivalApp>& shown)
{
    if (uniqueNames(shown).isEmpty())
        return text("The other app quit. %app has the Tab key.");
    return text("%1 quit. %app has the Tab key.").arg(rivalNames(shown));
}

} // namespace tq
