#pragma once
// The completion engine: follows the focused field, decides when a suggestion is wanted, asks
// the active provider for it, shows it as ghost text and handles the keys that act on it.
// One instance for the whole run, confined to the main thread.

#include "platform/Text.h"
#include "engines/CompletionProvider.h"
#include "field/FieldSnapshot.h"
#include "field/FieldSource.h"
#include "field/PromptContext.h"
#include "overlay/EmojiItem.h"
#include "overlay/GhostContent.h"
#include "completion/RequestBuilding.h"
#include "platform/Clock.h"
#include "settings/AppRules.h"
#include "settings/Enums.h"
#include "settings/KeyCombo.h"

#include <QDateTime>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace tq {

class AlternativesPanel;
class ContextCollector;
class EmojiIndex;
class EmojiPickerPanel;
class GhostPanel;
class PowerMonitor;
class Preferences;
class Platform;
class ProviderHub;
class StatsStore;
class TypoChecker;
class WritingMemory;

// A cancellable job of the engine on the main thread: sleeps on the clock and cancel handlers.
// Cancelling stops every pending sleep and runs the handlers once (for example to cancel a
// provider call under way). Jobs never keep the engine alive.
class EngineTask {
public:
    explicit EngineTask(Clock& clock) : clock_(&clock) {}
    ~EngineTask();
    EngineTask(const EngineTask&) = delete;
    EngineTask& operator=(const EngineTask&) = delete;

    bool isCancelled() const { return cancelled_; }
    void cancel();
    // Runs `fn` after `delay` unless the job was cancelled first.
    void sleep(Nanos delay, std::function<void()> fn);
    // Runs at cancellation (at once when already cancelled).
    void onCancel(std::function<void()> handler);

private:
    Clock* clock_;
    bool cancelled_ = false;
    std::vector<TimerId> timers_;
    std::vector<std::function<void()>> handlers_;
};
using TaskHandle = std::shared_ptr<EngineTask>;

// What the engine uses of the provider hub; built over a ProviderHub, or given by tests.
struct ProviderAccess {
    std::function<CompletionProvider&()> active;
    std::function<QString(EngineKind, bool onBattery)> modelName;
    std::function<void()> warmUp;

    static ProviderAccess over(ProviderHub& hub);
};

// What the engine uses of the context collector; built over the engine's own collector, or
// given by tests.
struct ContextAccess {
    std::function<PromptContext(const FieldSnapshot&, const std::optional<QString>& aboutWriter,
                                const QStringList& examples)>
        context;
    std::function<void(const FieldSnapshot&)> prepare;
};

class CompletionEngine : public QObject {
    Q_OBJECT
public:
    // What the engine is doing or why it holds.
    struct Status {
        enum class Kind { blocked, failed, idle, waiting, thinking, showing };
        Kind kind = Kind::idle;
        QString text; // blocked and failed only

        static Status blocked(const QString& text) { return {Kind::blocked, text}; }
        static Status failed(const QString& text) { return {Kind::failed, text}; }
        static Status idle() { return {Kind::idle, {}}; }
        static Status waiting() { return {Kind::waiting, {}}; }
        static Status thinking() { return {Kind::thinking, {}}; }
        static Status showing() { return {Kind::showing, {}}; }

        // The carried text, or "Ready", "Waiting for a pause", "Thinking", "Showing a suggestion".
        QString label() const;
        bool is(Kind k) const { return kind == k; }
        friend bool operator==(const Status& a, const Status& b)
        {
            if (a.kind != b.kind)
                return false;
            return (a.kind != Kind::blocked && a.kind != Kind::failed) || a.text == b.text;
        }
    };

    // The suggestion on show. The part still to show is `text` after `consumed` characters.
    struct Suggestion {
        QString text;
        QString anchorTail; // last 120 characters before the caret when it was asked for
        int consumed = 0;   // always below the character count of `text`
        QString fieldKey;

        QString remaining() const;
        // The piece a next-word acceptance of `remaining` inserts.
        static QString nextChunk(const QString& remaining, bool includeSpace, bool includePunctuation);
        friend bool operator==(const Suggestion&, const Suggestion&) = default;
    };

    struct PendingFix {
        QString fieldKey;
        QString before;
        QString word;
        QString replacement;
        friend bool operator==(const PendingFix&, const PendingFix&) = default;
    };

    struct FieldSession {
        QString fieldKey;
        int accepted = 0;
        friend bool operator==(const FieldSession&, const FieldSession&) = default;
    };

    struct Injection {
        QString fieldKey;
        QString text;
        Nanos at{0}; // monotonic clock
    };

    struct AdvanceCheck {
        QString fieldKey;
        double from = 0;
        double estimated = 0;
    };

    struct Suppression {
        QString fieldKey;
        std::optional<QString> before; // none: the whole field
    };

    using ExampleCache = ExampleCacheEntry;

    struct Streaming {
        int generation = 0;
        QString text;
    };

    // The text the last time the caret was at the end of its line; its length is counted only
    // when a lagging caret is suspected.
    struct LineEnd {
        QString fieldKey;
        QString before;
        QString after;
        int length() const;
        friend bool operator==(const LineEnd&, const LineEnd&) = default;
    };

    // What one generation carries from its start to its end.
    struct GenerationRun {
        FieldSnapshot snapshot;
        int generation = 0;
        int wordLimit = 0;
        PromptStyle style = PromptStyle::instruct;
        Nanos start{0};
        CompletionRequest request;
    };

    // Over a provider hub and a context collector of its own.
    CompletionEngine(Preferences& prefs, AppRules& rules, StatsStore& stats, WritingMemory& memory,
                     ProviderHub& hub, PowerMonitor& power, TypoChecker& typo, Platform& platform,
                     QObject* parent = nullptr);
    // With the providers and the context given (tests, benchmarks).
    CompletionEngine(Preferences& prefs, AppRules& rules, StatsStore& stats, WritingMemory& memory,
                     ProviderAccess providers, ContextAccess context, PowerMonitor& power, TypoChecker& typo,
                     Platform& platform, QObject* parent = nullptr);
    ~CompletionEngine() override;

    // ---- observable state
    const Status& status() const { return status_; }
    const std::optional<FieldSnapshot>& snapshot() const { return snapshot_; }
    // The last field looked at, kept after the field is gone (none before any): what the
    // field inspector shows once the user has come over to the settings window.
    const std::optional<FieldSnapshot>& lastSeenSnapshot() const { return lastSeen_; }
    const std::optional<RuleDecision>& decision() const { return decision_; }
    std::optional<qint64> lastLatency() const { return lastLatency_; }
    const QString& lastPrompt() const { return lastPrompt_; }
    const QString& lastOutput() const { return lastOutput_; }
    const QString& lastSuggestion() const { return lastSuggestion_; }
    const std::optional<QString>& lagSuspect() const { return lagSuspect_; }
    const TaskHandle& lagCheck() const { return lagCheck_; }
    const std::optional<LineEnd>& lastLineEnd() const { return lastLineEnd_; }

    // ---- wiring
    // The place text is read from; the caller clears it before the source goes away.
    FieldSource* source() const { return source_; }
    void setSource(FieldSource* source) { source_ = source; }
    // An outside hold text (a competing application is open), or none.
    std::function<std::optional<QString>()> holdReason;
    // Speaks a text to screen-reader users; empty texts are never passed. No-op by default.
    std::function<void(const QString&)> announcer;

    GhostPanel& ghost() { return *ghost_; }
    EmojiPickerPanel& picker() { return *picker_; }
    AlternativesPanel& choices() { return *choices_; }
    EmojiIndex& emoji() { return *emoji_; }
    ContextCollector* contextCollector() const { return contextCollector_.get(); }
    Clock& clock() const { return *clock_; }

    // ---- state read by tests and windows
    const std::optional<Suggestion>& suggestion() const { return suggestion_; }
    const std::optional<PendingFix>& pendingFix() const { return pendingFix_; }
    const std::optional<FieldSession>& session() const { return session_; }
    const std::optional<Suppression>& suppressed() const { return suppressed_; }
    const std::optional<Injection>& lastInjection() const { return lastInjection_; }
    const QHash<QString, double>& advanceScale() const { return advanceScale_; }
    int generation() const { return generation_; }
    bool keyInFlight() const { return keyInFlight_; }
    bool forceNext() const { return forceNext_; }
    bool pickerAcceptsReturn() const { return pickerAcceptsReturn_; }
    const TaskHandle& pending() const { return pending_; }
    const TaskHandle& refreshTask() const { return refreshTask_; }
    const TaskHandle& choiceTask() const { return choiceTask_; }

    // ---- entry points
    // Reads the field and evaluates it; true when the call did something.
    bool refresh(bool onlyIfChanged);
    // Ends the current field (the source was removed or replaced).
    void sourceChanged();
    // True: the key is swallowed.
    bool handleKey(const KeyPress& press);
    void pointerDown();
    void triggerNow();
    void toggleAppPause();
    void toggleGlobal();
    void restartRefresh(int firstDelayMs);
    // Cancels the follow-up re-check series, if any (callers of refresh do this first).
    void cancelRefreshTask();

    // ---- shared operations
    void setStatus(const Status& status);
    void dismiss(const Status& status);
    void clearSuggestion();
    void quietHold(const QString& line);
    void announce(const QString& text);

    // ---- context collector callbacks
    bool allowsCapture(const QString& key) const;
    bool allowsScreen() const;
    bool isAppAllowed(const QString& bundleID) const;
    void screenReadFinished();

    // ---- refresh, sessions and gates
    void switchField(const std::optional<FieldSnapshot>& from, const std::optional<FieldSnapshot>& to);
    void evaluate(const FieldSnapshot& s);
    struct Gate {
        std::optional<QString> hold;
        std::optional<RuleDecision> decision;
    };
    Gate gateReason(const FieldSnapshot& s) const;
    Gate holdText(const FieldSnapshot& s) const;
    void prepareContext(const FieldSnapshot& s);
    bool caretInsideTextCheck(const FieldSnapshot& s, const QString& hold);
    bool mayRemember(const FieldSnapshot& s) const;
    // "Press ", the trigger shortcut's text, " for a suggestion".
    QString onDemandText() const;

    // ---- scheduling
    void scheduleAfterPause(const FieldSnapshot& s);
    bool isOnDemand() const;
    void warmPrompt(const FieldSnapshot& s);
    void reshowAfterKey();

    // ---- request building
    struct Request {
        CompletionRequest request;
        int wordLimit = 0;
    };
    Request makeRequest(const FieldSnapshot& s);
    QStringList writingExamples(const FieldSnapshot& s);

    // ---- generation
    // Runs one request inside `task` (the debounce job): cancelling the job cancels the call.
    void startGeneration(const FieldSnapshot& s, int generation, const TaskHandle& task);
    void handleReply(const GenerationRun& run, const QString& reply, const TaskHandle& task);
    void handleFailure(const GenerationRun& run, const Outcome<QString>& outcome, bool timedOut,
                       const TaskHandle& task);
    void handlePartial(const GenerationRun& run, const QString& partial);
    void recordLatency(Nanos start);
    bool show(const QString& cleaned, const FieldSnapshot& requestSnapshot, bool isNew);
    // The clean-up of a reply with the engine's known-word test.
    QString cleanReply(const QString& reply, const FieldSnapshot& s, int wordLimit, PromptStyle style);
    // The same without the known-word test (the settings' engine test).
    static QString cleanReplyForTest(const QString& reply, const QString& before, const QString& after, int wordLimit);

    // ---- presenting
    void present(const Suggestion& suggestion, const FieldSnapshot& s);
    void presentAfterAdvance(const QString& typed, const QString& rest);
    std::optional<double> measureText(const QString& text) const;
    void learnAdvanceScale(const FieldSnapshot& s);
    // Empties and orders out the ghost.
    void hideGhost();
    // The ghost's content while it is showing.
    std::optional<GhostContent> shownGhost() const;
    // The presented font size for a snapshot (field font or caret height, times the scale, 8 to 72).
    double presentedFontSize(const FieldSnapshot& s) const;
    static QString rectDescription(const QRectF& r);

    // ---- following typing
    // Advances, finishes or lets go of the stored suggestion for `s`; true when it handled
    // the evaluation (nothing else is to be done for this snapshot).
    bool followTyping(const FieldSnapshot& s);

    // ---- keys and acceptance
    void acceptNextWord();
    void acceptAll();
    bool handleEscape();
    InsertionMethod insertionMethod() const;
    void recordAcceptance(const QString& text, const FieldSnapshot& s);

    // ---- alternatives
    void showAlternatives();
    void parseAlternatives(const QStringList& list);
    std::optional<bool> handleAlternativesKey(const KeyPress& press);
    void insertAlternative();

    // ---- spelling fixes
    void presentFix(const PendingFix& fix, const FieldSnapshot& s);
    bool isEchoOfInjection(const FieldSnapshot& s) const;
    bool acceptFix(const PendingFix& fix);
    bool isKnownWord(const QString& word) const;

    // ---- emoji
    bool offerEmoji(const FieldSnapshot& s);
    static std::optional<QString> emojiQuery(const QString& before);
    std::optional<bool> handlePickerKey(const KeyPress& press);
    void insertEmoji();

    // Prompt-warming jobs started so far (they are never cancelled or awaited).
    int warmingCount() const { return warmingCount_; }

    // Watchdog on a generation, and the lag of a caret at the end of a line.
    static constexpr Nanos kWatchdog = std::chrono::seconds(8);
    static constexpr Nanos kLagCheck = std::chrono::milliseconds(120);
    static constexpr int kPrewarmInterval = 60; // seconds
    static constexpr int kAnchorTail = 120;

signals:
    void statusChanged();
    void snapshotChanged();
    void decisionChanged();
    void lastLatencyChanged();
    void lastPromptChanged();
    void lastOutputChanged();
    void lastSuggestionChanged();
    void lagSuspectChanged();
    void lagCheckChanged();
    void lastLineEndChanged();

private:
    void init();
    void bindContextCollector();
    TaskHandle makeTask() { return std::make_shared<EngineTask>(*clock_); }
    void setSnapshot(const std::optional<FieldSnapshot>& s);
    void setDecision(const std::optional<RuleDecision>& d);
    void setLastLatency(std::optional<qint64> ms);
    void setLastPrompt(const QString& v);
    void setLastOutput(const QString& v);
    void setLastSuggestion(const QString& v);
    void setLagSuspect(const std::optional<QString>& v);
    void setLagCheck(const TaskHandle& v);
    void setLastLineEnd(const std::optional<LineEnd>& v);
    void logStatus(const Status& status);
    RuleDecision ruleDecision(const FieldSnapshot& s) const;
    void continueRefresh(const TaskHandle& task, int index, int firstDelayMs);

    Preferences& prefs_;
    AppRules& rules_;
    StatsStore& stats_;
    WritingMemory& memory_;
    ProviderHub* hub_ = nullptr;
    ProviderAccess providers_;
    PowerMonitor& power_;
    TypoChecker& typo_;
    Platform& platform_;
    Clock* clock_;
    std::unique_ptr<ContextCollector> contextCollector_;
    ContextAccess context_;
    std::unique_ptr<EmojiIndex> emoji_;
    std::unique_ptr<GhostPanel> ghost_;
    std::unique_ptr<EmojiPickerPanel> picker_;
    std::unique_ptr<AlternativesPanel> choices_;

    Status status_;
    std::optional<FieldSnapshot> snapshot_;
    std::optional<FieldSnapshot> lastSeen_;
    std::optional<RuleDecision> decision_;
    std::optional<qint64> lastLatency_;
    QString lastPrompt_;
    QString lastOutput_;
    std::optional<Streaming> streaming_;
    std::optional<ExampleCache> exampleCache_;
    QString lastSuggestion_;
    FieldSource* source_ = nullptr;
    TaskHandle choiceTask_;
    std::optional<Suggestion> suggestion_;
    std::optional<PendingFix> pendingFix_;
    std::optional<Injection> lastInjection_;
    std::optional<AdvanceCheck> advanceCheck_;
    QHash<QString, double> advanceScale_;
    TaskHandle pending_;
    TaskHandle refreshTask_;
    int generation_ = 0;
    bool keyInFlight_ = false;
    bool forceNext_ = false;
    std::optional<Suppression> suppressed_;
    std::optional<FieldSession> session_;
    bool pickerAcceptsReturn_ = true;
    QDateTime lastPrewarm_; // invalid: the distant past
    std::optional<QString> preparedFieldKey_;
    std::optional<QString> lastQuiet_;
    std::optional<QString> lagSuspect_;
    TaskHandle lagCheck_;
    std::optional<LineEnd> lastLineEnd_;
    int warmingCount_ = 0;
    TaskHandle watchdog_; // of the generation under way

    // ---- keys, alternatives, fixes, emoji: private helpers
    struct AlternativesJob {
        FieldSnapshot snapshot;
        std::optional<QString> current;
        QRectF caret;
        int wordLimit = 0;
        PromptStyle style = PromptStyle::instruct;
    };
    std::optional<AlternativesJob> alternativesJob_;
    // The lower-cased key name of the accept-word shortcut's key, or none when it is unset.
    std::optional<QString> acceptWordHint() const;
    // Holds offers and suggestions until the text before the caret changes (Escape in a list).
    void holdCurrentText();
    // Announces a highlighted list row, when there is one.
    void announceRow(const std::optional<QString>& row);
    // The insertion method for text that follows synthesised deletions: accessibility
    // insertion would not follow them, so it types instead.
    InsertionMethod methodAfterDeleting() const;
};

} // namespace tq
