#include "input/RivalWatcher.h"

#include "platform/Text.h"
#include "platform/Workspace.h"

#include <QLocale>

#include <algorithm>
#include <QSet>

namespace tq {

namespace {

const QSet<QString>& rivalNames()
{
    static const QSet<QString> names{QStringLiteral("quarmel"), QStringLiteral("tabtype"), QStringLiteral("tabtabtab"),
                                     QStringLiteral("friendware"), QStringLiteral("cotabby"), QStringLiteral("typeseer"),
                                     QStringLiteral("inlineai")};
    return names;
}

QString normalized(const QString& name)
{
    QString out;
    for (char32_t c : name.toLower().toUcs4())
        if (QChar::isLetterOrNumber(c))
            out.append(QString::fromUcs4(&c, 1));
    return out;
}

} // namespace

RivalWatcher::RivalWatcher(Workspace& workspace, Clock& clock, QObject* parent)
    : QObject(parent), workspace_(workspace), pollTimer_(clock)
{
}

bool RivalWatcher::isRival(const std::optional<QString>& bundleID, const std::optional<QString>& name)
{
    if (bundleID && bundleID->startsWith(QLatin1String("app.quarmel.")))
        return true;
    if (!name)
        return false;
    return rivalNames().contains(normalized(*name));
}

QList<RivalApp> RivalWatcher::runningRivals() const
{
    QList<RivalApp> out;
    const qint64 own = workspace_.ownPid();
    for (const WorkspaceApp& app : workspace_.runningApplications()) {
        if (app.pid == own)
            continue;
        const auto bundle = app.bundleIdentifier.isEmpty() ? std::nullopt : std::optional(app.bundleIdentifier);
        const auto name = app.name.isEmpty() ? std::nullopt : std::optional(app.name);
        if (isRival(bundle, name))
            out.append(RivalApp{app.pid, name.value_or(text("Another app")), app.icon});
    }
    return out;
}

void RivalWatcher::refresh(bool announce)
{
    const QList<RivalApp> current = runningRivals();
    if (current == running_)
        return;
    QList<RivalApp> appeared;
    for (const RivalApp& app : current)
        if (std::none_of(running_.begin(), running_.end(), [&](const RivalApp& old) { return old.id == app.id; }))
            appeared.append(app);
    running_ = current;
    emit runningChanged();
    if (current.isEmpty() && quitState_ != QuitState::idle)
        setQuitState(QuitState::idle);
    if (onChange)
        onChange();
    if (announce && onAppear)
        for (const RivalApp& app : appeared)
            onAppear(app);
}

QString RivalWatcher::names() const
{
    QStringList list;
    for (const RivalApp& app : running_)
        if (!list.contains(app.name))
            list.append(app.name);
    return QLocale().createSeparatedList(list);
}

void RivalWatcher::quitRivals(bool force)
{
    QList<qint64> ids;
    for (const RivalApp& app : runningRivals())
        ids.append(app.id);
    quitRivals(ids, force);
}

void RivalWatcher::quitRivals(const QList<qint64>& ids, bool force)
{
    setQuitState(QuitState::quitting);
    targets_ = ids;
    // Only processes that are still rivals now: a reused process id is never signalled.
    for (const RivalApp& app : runningRivals()) {
        if (!ids.contains(app.id))
            continue;
        if (force)
            workspace_.forceTerminate(app.id);
        else
            workspace_.terminate(app.id);
    }
    pollsLeft_ = kPolls;
    pollTimer_.start(kPollInterval, [this] { poll(); });
}

bool RivalWatcher::anyRunning(const QList<qint64>& ids) const
{
    return std::any_of(running_.begin(), running_.end(), [&](const RivalApp& app) { return ids.contains(app.id); });
}

void RivalWatcher::poll()
{
    refresh(false);
    if (!anyRunning(targets_)) {
        if (quitState_ == QuitState::quitting)
            setQuitState(QuitState::idle);
        return;
    }
    if (--pollsLeft_ > 0) {
        pollTimer_.start(kPollInterval, [this] { poll(); });
        return;
    }
    setQuitState(QuitState::refused);
}

void RivalWatcher::startObserving()
{
    if (observing_)
        return;
    observing_ = true;
    connect(&workspace_, &Workspace::runningApplicationsChanged, this, [this] { refresh(true); });
    workspace_.startWatching();
}

void RivalWatcher::setQuitState(QuitState state)
{
    if (quitState_ == state)
        return;
    quitState_ = state;
    emit quitStateChanged(state);
}

} // namespace tq
