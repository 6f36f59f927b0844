#include "ui/settings/SetupItems.h"

#include "platform/Text.h"

#include <QSet>

namespace tq {

namespace {

// Competing apps counted as apps: two windows of one app are one.
int rivalApps(const SetupInputs& in)
{
    return int(QSet<QString>(in.rivals.begin(), in.rivals.end()).size());
}

} // namespace

QString setupItemName(SetupItem item)
{
    switch (item) {
    case SetupItem::accessibility: return QStringLiteral("accessibility");
    case SetupItem::engine: return QStringLiteral("engine");
    case SetupItem::systemPredictions: return QStringLiteral("systemPredictions");
    case SetupItem::rivalApps: return QStringLiteral("rivalApps");
    }
    return {};
}

std::optional<SetupItem> setupItemFromName(const QString& name)
{
    for (SetupItem item : {SetupItem::accessibility, SetupItem::engine, SetupItem::systemPredictions, SetupItem::rivalApps}) {
        if (setupItemName(item) == name)
            return item;
    }
    return std::nullopt;
}

SetupProgress setupProgress(SetupItem item, const SetupInputs& in)
{
    switch (item) {
    case SetupItem::accessibility: return in.accessibility ? SetupProgress::done : SetupProgress::todo;
    case SetupItem::engine:
        switch (in.engineStatus.kind()) {
        case ProviderStatus::Kind::ready: return SetupProgress::done;
        case ProviderStatus::Kind::unavailable: return SetupProgress::todo;
        case ProviderStatus::Kind::unknown:
        case ProviderStatus::Kind::checking: return SetupProgress::checking;
        }
        return SetupProgress::checking;
    case SetupItem::systemPredictions: return in.systemPredictionsOn ? SetupProgress::todo : SetupProgress::done;
    case SetupItem::rivalApps: return in.rivals.isEmpty() ? SetupProgress::done : SetupProgress::todo;
    }
    return SetupProgress::todo;
}

QList<SetupItem> pendingSetupItems(const SetupInputs& in)
{
    QList<SetupItem> out;
    for (SetupItem item : {SetupItem::accessibility, SetupItem::engine, SetupItem::systemPredictions, SetupItem::rivalApps}) {
        if (setupProgress(item, in) == SetupProgress::todo)
            out.append(item);
    }
    return out;
}

QList<SetupItem> setupCardItems(const SetupInputs& in)
{
    QList<SetupItem> out{SetupItem::accessibility, SetupItem::engine, SetupItem::systemPredictions};
    if (!in.rivals.isEmpty())
        out.append(SetupItem::rivalApps);
    return out;
}

SetupRowText setupRowText(SetupItem item, SetupProgress progress, const SetupInputs& in)
{
    SetupRowText r;
    const bool done = progress == SetupProgress::done;
    const bool todo = progress == SetupProgress::todo;
    switch (item) {
    case SetupItem::accessibility:
        r.symbol = QStringLiteral("hand.raised");
        if (done) {
            r.title = text("Accessibility is on");
            r.detail = text("%app can read the field you're typing in and insert suggestions in any app.");
        } else {
            r.title = text("Allow Accessibility access");
            r.detail = text("%app needs it to read the text you type in other apps and to insert suggestions.");
            if (in.accessibilityLooksStuck)
                r.note = text("Still off? Some desktops start their accessibility service only when you log in. "
                              "Log out and back in, then try again.");
        }
        if (todo)
            r.buttons = {{SetupAction::requestAccessibility, text("Allow…"), true}};
        break;
    case SetupItem::engine:
        r.symbol = QStringLiteral("cpu");
        if (done) {
            r.title = text("%1 is ready").arg(title(in.engine));
            r.detail = in.engineStatus.label();
        } else if (progress == SetupProgress::checking) {
            r.title = text("Checking %1").arg(title(in.engine));
            r.detail = text("This takes a moment.");
        } else {
            r.title = text("Your engine isn't ready");
            r.detail = in.engineStatus.label();
            r.buttons = {{SetupAction::openEngine, text("Open Engine")}};
        }
        break;
    case SetupItem::systemPredictions:
        r.symbol = QStringLiteral("text.badge.xmark");
        if (done) {
            r.title = text("The system's predictions are off");
            r.detail = text("Only %app's suggestions appear while you type.");
        } else {
            r.title = text("Turn off the system's predictions");
            r.detail = text("The system shows its own grey suggestions on top of %app's. Each app picks up the change "
                            "the next time you open it.");
        }
        if (todo)
            r.buttons = {{SetupAction::openKeyboardSettings, text("Keyboard Settings")},
                         {SetupAction::turnOffPredictions, text("Turn Off")}};
        break;
    case SetupItem::rivalApps:
        r.symbol = QStringLiteral("exclamationmark.triangle");
        if (done) {
            r.title = text("Only %app is suggesting");
            r.detail = text("Tab reaches %app again.");
            break;
        }
        r.title = text("Quit %1", rivalApps(in)).arg(in.rivalNames);
        if (in.quit == RivalQuit::refused) {
            r.detail = text("%1 didn't quit. They may be showing a dialog. Force Quit closes them right away.",
                            rivalApps(in))
                           .arg(in.rivalNames);
            if (todo)
                r.buttons = {{SetupAction::forceQuitRivals, text("Force Quit"), true}};
        } else {
            r.detail = text("%1 take the Tab key before %app can, so %app stays paused in your other apps until you quit them.",
                            rivalApps(in))
                           .arg(in.rivalNames);
            if (todo)
                r.buttons = {{SetupAction::quitRivals, text("Quit %1", rivalApps(in)).arg(in.rivalNames), true,
                              in.quit != RivalQuit::quitting}};
        }
        break;
    }
    return r;
}

QString setupDoneText(int done, int total)
{
    return text("%Ln of %1 done", done).arg(QLocale().toString(total));
}

QString sidebarRowName(const QString& title, int count)
{
    if (count < 1)
        return title;
    return text("%1, %Ln to do", count).arg(title);
}

} // namespace tq
