#pragma once
// Other autocomplete programs answer Tab too. The watcher keeps the list of those running,
// reports when one starts or the list changes, names them for messages and quits them on
// request, watching whether they really went away.

#include "platform/Clock.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace tq {

class Workspace;

struct RivalApp {
    qint64 id = 0; // process id
    QString name;
    QIcon icon;
    friend bool operator==(const RivalApp& a, const RivalApp& b) { return a.id == b.id && a.name == b.name; }
};

class RivalWatcher : public QObject {
    Q_OBJECT
public:
    enum class QuitState { idle, quitting, refused };
    Q_ENUM(QuitState)

    explicit RivalWatcher(Workspace& workspace, Clock& clock, QObject* parent = nullptr);

    std::function<void(const RivalApp&)> onAppear;
    std::function<void()> onChange;

    const QList<RivalApp>& running() const { return running_; }
    QuitState quitState() const { return quitState_; }

    // Names compare lower-cased with everything but letters and digits dropped.
    static bool isRival(const std::optional<QString>& bundleID, const std::optional<QString>& name);
    // The rivals among the running applications, this program excluded by its process id.
    QList<RivalApp> runningRivals() const;
    void refresh(bool announce);
    // Each name once, joined as a list for the current language ("A, B and C").
    QString names() const;
    // Asks every running rival to quit (SIGTERM) or ends it (SIGKILL), then polls up to 16
    // times, 0.25 s apart; rivals left after that make the state refused.
    void quitRivals(bool force);
    // The same for only these processes (those of them still running): a rival that started
    // later and was never named is left alone. Polling ends once none of them runs.
    void quitRivals(const QList<qint64>& ids, bool force);
    // Whether any of these processes is among the running rivals.
    bool anyRunning(const QList<qint64>& ids) const;
    // Refreshes with announcements whenever the running applications change.
    void startObserving();

    static constexpr Millis kPollInterval{250};
    static constexpr int kPolls = 16;

signals:
    void runningChanged();
    void quitStateChanged(tq::RivalWatcher::QuitState state);

private:
    void setQuitState(QuitState state);
    void poll();

    Workspace& workspace_;
    QList<RivalApp> running_;
    QuitState quitState_ = QuitState::idle;
    Timer pollTimer_;
    int pollsLeft_ = 0;
    QList<qint64> targets_;
    bool observing_ = false;
};

} // namespace tq
