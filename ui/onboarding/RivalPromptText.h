#pragma once
// What the competing-application prompt says in each of its states, decided from the state
// and from the applications the prompt named when it opened.

#include "input/RivalWatcher.h"

#include <QList>
#include <QString>

namespace tq {

enum class RivalPromptState { waiting, quitting, refused, resolved };

RivalPromptState rivalPromptState(bool resolved, RivalWatcher::QuitState quitState);

// Each name once, in order, as the locale's "and" list; "The other app" for none (the texts
// for no name are sentences of their own, so it is never put into one).
QString rivalNames(const QList<RivalApp>& apps);

struct RivalPromptTexts {
    QString headline;
    QString explanation;
    QString primary;   // "Quit A", "Quitting…", "Force Quit" or "Done"
    QString names;     // the names in `primary` and `toggle`, which give way first when too long
    QString toggle;    // empty when the toggle is not shown
    bool secondary;    // "Not Now" shown
    bool primaryEnabled;
};

// `shown`: the applications named when the prompt opened; `open`: those of them still running.
// The waiting and refused texts name only those still open, so they stay true when one of
// them quits by itself; the resolved text names them all.
RivalPromptTexts rivalPromptTexts(RivalPromptState state, const QList<RivalApp>& shown, const QList<RivalApp>& open);

// The plain announcement when they have all gone.
QString rivalAnnouncement(const QList<RivalApp>& shown);

} // namespace tq
