// When the engine asks a model: the pause before a request, prompt warming and the follow-up
// re-checks after a key or an insertion.

#include "completion/CompletionEngine.h"

#include "services/PowerMonitor.h"
#include "completion/FixOffers.h"
#include "settings/Preferences.h"

#include <cmath>
#include <limits>

namespace tq {

namespace {

// The pause setting in whole milliseconds; a value that is not a usable number waits nothing.
int pauseMilliseconds(double setting)
{
    if (!std::isfinite(setting) || setting < 1)
        return 0;
    if (setting >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    return int(setting);
}

constexpr int kRecheckDelays[] = {0, 25, 60}; // the first is the caller's

} // namespace

void CompletionEngine::scheduleAfterPause(const FieldSnapshot& s)
{
    cancelTask(pending_);
    const int g = runner_.advance();
    const int delay = forceNext_ ? 0 : pauseMilliseconds(prefs_.delayMilliseconds());
    forceNext_ = false;
    setStatus(Status::waiting());

    TaskHandle task = makeTask(*clock_);
    pending_ = task;
    QPointer<CompletionEngine> self(this);
    std::weak_ptr<EngineTask> weak = task;
    auto run = [self, weak, s, g] {
        TaskHandle t = weak.lock();
        if (!self || !t || t->isCancelled())
            return;
        self->startGeneration(s, g, t);
    };
    if (delay >= 1)
        task->sleep(std::chrono::milliseconds(delay), run);
    else
        run();
}

bool CompletionEngine::isOnDemand() const
{
    return prefs_.onDemandOnly() || (power_.onBattery() && prefs_.batteryOnDemand());
}

void CompletionEngine::warmPrompt(const FieldSnapshot& s)
{
    if (isOnDemand())
        return;
    if (status().is(Status::Kind::waiting) || status().is(Status::Kind::thinking))
        return;
    if (s.selectionLength != 0)
        return;
    if (gate(s).held())
        return;
    const Request r = makeRequest(s);
    // Nothing waits for the warming and it is never cancelled.
    providers_.active().prefill(r.request);
}

void CompletionEngine::cancelRefreshTask() { cancelTask(refreshTask_); }

void CompletionEngine::restartRefresh(int firstDelayMs)
{
    cancelRefreshTask();
    TaskHandle task = makeTask(*clock_);
    refreshTask_ = task;
    continueRefresh(task, 0, firstDelayMs);
}

void CompletionEngine::continueRefresh(const TaskHandle& task, int index, int firstDelayMs)
{
    if (index >= int(std::size(kRecheckDelays))) {
        reshowAfterKey();
        return;
    }
    const int delay = index == 0 ? firstDelayMs : kRecheckDelays[index];
    QPointer<CompletionEngine> self(this);
    std::weak_ptr<EngineTask> weak = task;
    auto step = [self, weak, index, firstDelayMs] {
        TaskHandle t = weak.lock();
        if (!self || !t || t->isCancelled())
            return;
        if (self->refresh(true))
            return;
        self->continueRefresh(t, index + 1, firstDelayMs);
    };
    if (delay > 0)
        task->sleep(std::chrono::milliseconds(delay), step);
    else
        step();
}

void CompletionEngine::reshowAfterKey()
{
    if (!keyInFlight_)
        return;
    keyInFlight_ = false;
    if (!snapshot() || presenter_->isShowing())
        return;
    if (suggestion_ && suggestion_->fieldKey == snapshot()->fieldKey)
        present(*snapshot());
    else if (fixes_->pending())
        fixes_->reshow(*snapshot()); // a key read after the field showed it left the text as it was
}

} // namespace tq
