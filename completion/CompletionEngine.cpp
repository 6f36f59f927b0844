#include "completion/CompletionEngine.h"

#include "platform/Platform.h"

#include "services/PowerMonitor.h"
#include "services/TypoChecker.h"
#include "completion/Following.h"
#include "engines/ProviderHub.h"
#include "field/ContextCollector.h"
#include "platform/Chars.h"
#include "platform/Defaults.h"
#include "platform/Log.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"

namespace tq {

// ---- provider access

ProviderAccess ProviderAccess::over(ProviderHub& hub)
{
    QPointer<ProviderHub> h(&hub);
    ProviderAccess a;
    a.active = [&hub]() -> CompletionProvider& { return hub.active(); };
    a.modelName = [h](EngineKind kind, bool onBattery) { return h ? h->modelName(kind, onBattery) : QString(); };
    a.warmUp = [h] {
        if (h)
            h->warmUp();
    };
    a.silentReason = [h] { return h ? h->silentReason() : std::nullopt; };
    return a;
}

// ---- value types

QString CompletionEngine::Suggestion::remaining() const
{
    return text.mid(chars::offsetAfter(text, consumed));
}

QString CompletionEngine::Suggestion::nextChunk(const QString& remaining, bool includeSpace, bool includePunctuation)
{
    return tq::nextChunk(remaining, includeSpace, includePunctuation);
}

// ---- construction

CompletionEngine::CompletionEngine(Preferences& prefs, AppRules& rules, StatsStore& stats, WritingMemory& memory,
                                   ProviderHub& hub, PowerMonitor& power, TypoChecker& typo, Platform& platform,
                                   QObject* parent)
    : QObject(parent)
    , prefs_(prefs)
    , rules_(rules)
    , stats_(stats)
    , memory_(memory)
    , providers_(ProviderAccess::over(hub))
    , power_(power)
    , typo_(typo)
    , platform_(platform)
    , clock_(&platform.clock())
    , runner_(platform.clock(), this, runnerHooks())
{
    init();
    bindContextCollector();
}

CompletionEngine::CompletionEngine(Preferences& prefs, AppRules& rules, StatsStore& stats, WritingMemory& memory,
                                   ProviderAccess providers, ContextAccess context, PowerMonitor& power,
                                   TypoChecker& typo, Platform& platform, QObject* parent)
    : QObject(parent)
    , prefs_(prefs)
    , rules_(rules)
    , stats_(stats)
    , memory_(memory)
    , providers_(std::move(providers))
    , power_(power)
    , typo_(typo)
    , platform_(platform)
    , clock_(&platform.clock())
    , context_(std::move(context))
    , runner_(platform.clock(), this, runnerHooks())
{
    init();
}

CompletionEngine::~CompletionEngine()
{
    // Running jobs are not cancelled here; their bodies find the engine gone. Timers of
    // jobs still held are released with them.
}

void CompletionEngine::bindContextCollector()
{
    contextCollector_ = std::make_unique<ContextCollector>(prefs_, platform_);
    ContextCollector& c = *contextCollector_;
    QPointer<CompletionEngine> self(this);
    c.allowsCapture = [self](const QString& key) { return self && self->allowsCapture(key); };
    c.allowsClipboard = [] { return true; };
    c.allowsNearby = [] { return true; };
    c.allowsScreen = [self] { return self && self->allowsScreen(); };
    c.isAppAllowed = [self](const QString& bundleID) { return self && self->isAppAllowed(bundleID); };
    c.onScreenRead = [self] {
        if (self)
            self->screenReadFinished();
    };
    ContextCollector* collector = contextCollector_.get();
    context_.context = [collector](const FieldSnapshot& s, const std::optional<QString>& about, const QStringList& examples) {
        return collector->context(s, about, examples);
    };
    context_.prepare = [collector](const FieldSnapshot& s) { collector->prepare(s); };
}

void CompletionEngine::init()
{
    presenter_ = std::make_unique<GhostPresenter>(prefs_, platform_.keyLayout(), platform_.overlayScreens());
    emojiOffers_ = std::make_unique<EmojiOffers>(prefs_, platform_.overlayScreens(), emojiHooks());
    alternatives_ = std::make_unique<AlternativesController>(*clock_, prefs_, platform_.overlayScreens(), this,
                                                             alternativesHooks());
    fixes_ = std::make_unique<FixOffers>(*clock_, prefs_, typo_, fixHooks());
}

// ---- observable state

void CompletionEngine::setSnapshot(const std::optional<FieldSnapshot>& s)
{
    const bool seen = s && lastSeen_ != s;
    if (seen)
        lastSeen_ = s;
    if (!snapshot_.set(s) && seen)
        emit snapshotChanged();
}

// ---- status

void CompletionEngine::setStatus(const Status& status)
{
    status_.set(status);
    logStatus(status);
}

void CompletionEngine::logStatus(const Status& status)
{
    const std::optional<FieldSnapshot>& snapshot = snapshot_.get();
    if (!snapshot || snapshot->isLocal)
        return;
    const FieldSnapshot& s = *snapshot;
    switch (status.kind) {
    case Status::Kind::showing:
        quietHold(QStringLiteral("showing in ") + s.bundleID);
        break;
    case Status::Kind::blocked:
    case Status::Kind::failed:
        // A failure's text may carry a server's words (and through them the typed text): only
        // its kind is logged. The holds' texts are all our own.
        quietHold(QStringLiteral("held in %1: %2 (before %3, rest of line %4, after %5, selected %6)")
                      .arg(s.bundleID,
                           status.kind == Status::Kind::failed ? QStringLiteral("the request failed") : status.text)
                      .arg(chars::count(s.before))
                      .arg(chars::count(s.restOfLine()))
                      .arg(chars::count(s.after))
                      .arg(s.selectionLength));
        break;
    default:
        break;
    }
}

void CompletionEngine::quietHold(const QString& line)
{
    if (lastQuiet_ == line)
        return;
    lastQuiet_ = line;
    log::info(line);
}

void CompletionEngine::announce(const QString& text)
{
    if (text.isEmpty() || !announcer)
        return;
    announcer(text);
}

// ---- shared clearing

void CompletionEngine::dismiss(const Status& status)
{
    clearSuggestion();
    fixes_->drop();
    emojiOffers_->close();
    alternatives_->close();
    setStatus(status);
}

void CompletionEngine::sourceChanged()
{
    if (snapshot())
        switchField(snapshot(), std::nullopt);
    setSnapshot(std::nullopt);
    dismiss(Status::idle());
}

// ---- context collector callbacks

bool CompletionEngine::allowsCapture(const QString& key) const
{
    const std::optional<FieldSnapshot>& s = snapshot();
    if (!s)
        return false;
    if (ContextCollector::windowKey(*s) != key)
        return false;
    return !gate(*s).held();
}

bool CompletionEngine::allowsScreen() const
{
    if (prefs_.engineIsLocal())
        return true;
    return prefs_.store().contains(QStringLiteral("contextScreen"));
}

bool CompletionEngine::isAppAllowed(const QString& bundleID) const
{
    return rules_
        .decision(bundleID, std::nullopt, prefs_.enabledByDefault(), prefs_.codeEditorsEnabled(), clock_->now())
        .enabled;
}

void CompletionEngine::screenReadFinished()
{
    if (snapshot())
        warmPrompt(*snapshot());
}

} // namespace tq
