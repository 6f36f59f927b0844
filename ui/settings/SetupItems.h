#pragma once
// The four conditions that let suggestions work in other applications, their progress, the
// list still waiting for the user, and the texts and buttons of each setup row. Pure: the
// caller reads the services into SetupInputs.

#include "engines/CompletionProvider.h"
#include "settings/Enums.h"

#include <QList>
#include <QString>

#include <optional>

namespace tq {

enum class SetupItem { accessibility, engine, systemPredictions, rivalApps };
enum class SetupProgress { done, checking, todo };
enum class RivalQuit { idle, quitting, refused };

QString setupItemName(SetupItem item);
std::optional<SetupItem> setupItemFromName(const QString& name);

struct SetupInputs {
    bool accessibility = false;
    bool accessibilityLooksStuck = false;
    EngineKind engine = EngineKind::builtIn;
    ProviderStatus engineStatus; // unknown when the hub has no entry for the engine
    bool systemPredictionsOn = false;
    QStringList rivals; // display names of the running competing applications
    QString rivalNames; // those names joined as a list
    RivalQuit quit = RivalQuit::idle;
};

SetupProgress setupProgress(SetupItem item, const SetupInputs& in);
// The items whose progress is todo, in case order.
QList<SetupItem> pendingSetupItems(const SetupInputs& in);
// The setup card's rows: three, and the competing applications while any run.
QList<SetupItem> setupCardItems(const SetupInputs& in);

enum class SetupAction { requestAccessibility, openEngine, openKeyboardSettings, turnOffPredictions, quitRivals, forceQuitRivals };

struct SetupButton {
    SetupAction action;
    QString title;
    bool primary = false;
    bool enabled = true;
};

struct SetupRowText {
    QString title;
    QString detail;
    QString note;   // empty: none
    QString symbol; // the todo symbol
    QList<SetupButton> buttons; // only while todo
};

SetupRowText setupRowText(SetupItem item, SetupProgress progress, const SetupInputs& in);
// "1 of 3 done".
QString setupDoneText(int done, int total);
// The sidebar row's accessible name: "Overview" or "Overview, 2 to do".
QString sidebarRowName(const QString& title, int count);

} // namespace tq
