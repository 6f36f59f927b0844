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
#include "completion/AlternativesController.h"
#include "completion/EmojiOffers.h"
#include "completion/EngineStatus.h"
#include "completion/EngineTask.h"
#include "completion/FixOffers.h"
#include "completion/GenerationRunner.h"
#include "completion/GhostPresenter.h"
#include "completion/HoldRules.h"
#include "completion/Observed.h"
#include "completion/RequestBuilding.h"
#include "platform/Clock.h"
#include "settings/AppRules.h"
#include "settings/Enums.h"
#include "settings/KeyCombo.h"

#include <QDateTime>
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

// What the engine uses of the provider hub; built over a ProviderHub, or given by tests.
struct ProviderAccess {
    std::function<CompletionProvider&()> active;
    std::function<QString(EngineKind, bool onBattery)> modelName;
    std::function<void()> warmUp;
    std::function<std::optional<QString>()> silentReason; // why no engine can answer; none: one can

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
    using Status = EngineStatus;

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

    using PendingFix = SpellingFix;

    struct FieldSession {
        QString fieldKey;
        int accepted = 0;
        friend bool operator==(const FieldSession&, const FieldSession&) = default;
    };

    using Injection = tq::Injection;

    struct Suppression {
        QString fieldKey;
        std::optional<QString> before; // none: the whole field
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

    // ---- observable state (the windows)
    const Status& status() const { return status_.get(); }
    // Stores the status and logs holds; observers hear only a change.
    void setStatus(const Status& status);
    const std::optional<FieldSnapshot>& snapshot() const { return snapshot_.get(); }
    // The last field looked at, kept after the field is gone (none before any): what the
    // field inspector shows once the user has come over to the settings window.
    const std::optional<FieldSnapshot>& lastSeenSnapshot() const { return lastSeen_; }
    std::optional<qint64> lastLatency() const { return lastLatency_.get(); }
    const QString& lastPrompt() const { return lastPrompt_.get(); }
    const QString& lastOutput() const { return lastOutput_.get(); }
    const QString& lastSuggestion() const { return lastSuggestion_.get(); }

    // ---- wiring
    // The place text is read from; the caller clears it before the source goes away.
    FieldSource* source() const { return source_; }
    void setSource(FieldSource* source) { source_ = source; }
    // An outside hold text (a competing application is open), or none.
    std::function<std::optional<QString>()> holdReason;
    // Speaks a text to screen-reader users; empty texts are never passed. No-op by default.
    std::function<void(const QString&)> announcer;
    void announce(const QString& text);

    GhostPanel& ghost() { return presenter_->panel(); }
    EmojiPickerPanel& picker() { return emojiOffers_->picker(); }
    AlternativesPanel& choices() { return alternatives_->panel(); }
    EmojiIndex& emoji() { return emojiOffers_->index(); }
    ContextCollector* contextCollector() const { return contextCollector_.get(); }
    Clock& clock() const { return *clock_; }

    // ---- entry points
    // Reads the field and evaluates it; true when the call did something.
    bool refresh(bool onlyIfChanged);
    // Ends the current field (the source was removed or replaced).
    void sourceChanged();
    // True: the key is swallowed. A key the key tap did not hold (`held` false) has already
    // reached the application: it never triggers an action that would swallow it.
    bool handleKey(const KeyPress& press, bool held = true);
    // The keys handleKey() may swallow in the present state: the keys the key tap holds.
    QList<KeyCombo> actingKeys() const;
    void pointerDown();
    void triggerNow();
    // Re-reads the field after `firstDelayMs`, then twice more, until it sees a change.
    void restartRefresh(int firstDelayMs);
    // Cancels the follow-up re-check series, if any (callers of refresh do this first).
    void cancelRefreshTask();
    // Clears everything on show and sets the status.
    void dismiss(const Status& status);

    // ---- context collector callbacks
    bool allowsCapture(const QString& key) const;
    bool allowsScreen() const;
    bool isAppAllowed(const QString& bundleID) const;
    void screenReadFinished();

    // ---- what is on show and pending (read by tests and the tray)
    const std::optional<Suggestion>& suggestion() const { return suggestion_; }
    const std::optional<PendingFix>& pendingFix() const { return fixes_->pending(); }
    const std::optional<FieldSession>& session() const { return session_; }
    const std::optional<Suppression>& suppressed() const { return suppressed_; }
    const std::optional<Injection>& lastInjection() const { return lastInjection_; }
    const std::optional<RuleDecision>& decision() const { return decision_; }
    int generation() const { return runner_.generation(); }
    bool keyInFlight() const { return keyInFlight_; }
    bool forceNext() const { return forceNext_; }
    const TaskHandle& refreshTask() const { return refreshTask_; }

    // The clean-up of a reply without the known-word test (the settings' engine test).
    static QString cleanReplyForTest(const QString& reply, const QString& before, const QString& after, int wordLimit);

signals:
    void statusChanged();
    void snapshotChanged();
    void lastLatencyChanged();
    void lastPromptChanged();
    void lastOutputChanged();
    void lastSuggestionChanged();

private:
    // The text the last time the caret was at the end of its line; its length is counted only
    // when a lagging caret is suspected.
    struct LineEnd {
        QString fieldKey;
        QString before;
        QString after;
        int length() const;
    };
    struct Request {
        CompletionRequest request;
        int wordLimit = 0;
    };

    void init();
    void bindContextCollector();
    GenerationRunner::Hooks runnerHooks();
    AlternativesController::Hooks alternativesHooks();
    EmojiOffers::Hooks emojiHooks();
    FixOffers::Hooks fixHooks();
    void setSnapshot(const std::optional<FieldSnapshot>& s);
    void logStatus(const Status& status);
    void quietHold(const QString& line);
    void clearSuggestion();

    // ---- refresh, sessions and holds (EngineRefresh.cpp)
    void switchField(const std::optional<FieldSnapshot>& from, const std::optional<FieldSnapshot>& to);
    void evaluate(const FieldSnapshot& s);
    GateFacts gateFacts(const FieldSnapshot& s) const;
    HoldSettings holdSettings() const;
    Hold gate(const FieldSnapshot& s) const { return gateHold(gateFacts(s)); }
    QString holdLabel(const Hold& hold, const GateFacts& facts) const;
    RuleDecision ruleDecision(const FieldSnapshot& s) const;
    void prepareContext(const FieldSnapshot& s);
    bool caretInsideTextCheck(const FieldSnapshot& s);
    bool mayRemember(const FieldSnapshot& s) const;
    // "Press Ctrl+Alt+Space for a suggestion", or where to set that shortcut while none is set.
    QString onDemandText() const;

    // ---- scheduling (EngineScheduling.cpp)
    void scheduleAfterPause(const FieldSnapshot& s);
    bool isOnDemand() const;
    void warmPrompt(const FieldSnapshot& s);
    void continueRefresh(const TaskHandle& task, int index, int firstDelayMs);
    void reshowAfterKey();

    // ---- requests and replies (EngineGeneration.cpp)
    Request makeRequest(const FieldSnapshot& s);
    QStringList writingExamples(const FieldSnapshot& s);
    // Runs one request inside `task` (the debounce job): cancelling the job cancels the call.
    void startGeneration(const FieldSnapshot& s, int generation, const TaskHandle& task);
    bool show(const QString& cleaned, const FieldSnapshot& requestSnapshot, bool isNew);
    // The clean-up of a reply with the engine's known-word test.
    QString cleanReply(const QString& reply, const FieldSnapshot& s, int wordLimit, PromptStyle style);

    // ---- presenting and following (EnginePresenting.cpp, EngineFollowing.cpp)
    // Shows the suggestion's remaining part and sets the status.
    // Shows the current suggestion for `s`, once keys the field has not shown yet are folded in.
    void present(const FieldSnapshot& s);
    bool foldUnseen();
    void noteUnseen(const QString& typed);
    void catchUp(const FieldSnapshot& old, const FieldSnapshot& fresh);
    // Advances, finishes or lets go of the stored suggestion for `s`; true when it handled
    // the evaluation (nothing else is to be done for this snapshot).
    bool followTyping(const FieldSnapshot& s);

    // ---- keys and acceptance (EngineKeys.cpp, EngineFixes.cpp)
    void acceptNextWord();
    void acceptAll();
    bool handleEscape();
    // What the accept keys and Escape act on: a fix on show, a suggestion on show.
    bool fixShown() const;
    bool suggestionShown() const;
    // A plain Tab passes to applications whose rule says Tab does not accept.
    bool tabVetoed(const KeyCombo& key) const;
    void toggleAppPause();
    void toggleGlobal();
    // The application's rule, else the setting.
    InsertionMethod insertionMethod() const;
    // Counts an accepted text for the application and the field's session.
    void recordAcceptance(const QString& text, const FieldSnapshot& s);
    // False for the empty word; judged lower-cased.
    bool isKnownWord(const QString& word) const;
    // Opens the dictionaries with the first field, ahead of its first finished word.
    void openSpelling();
    // The dictionaries opened: a fix missed for the text meanwhile is offered now.
    void spellingOpened();
    // The insertion method for text that follows synthesised deletions: accessibility
    // insertion would not follow them, so it types instead.
    InsertionMethod methodAfterDeleting() const;
    // Holds offers and suggestions until the text before the caret changes (Escape in a list).
    void holdCurrentText();
    // The lower-cased key name of the accept-word shortcut's key, or none when it is unset.
    std::optional<QString> acceptWordHint() const;

    static constexpr Nanos kLagCheck = std::chrono::milliseconds(120);
    static constexpr int kPrewarmInterval = 60; // seconds
    static constexpr int kAnchorTail = 120;

    Preferences& prefs_;
    AppRules& rules_;
    StatsStore& stats_;
    WritingMemory& memory_;
    ProviderAccess providers_;
    PowerMonitor& power_;
    TypoChecker& typo_;
    Platform& platform_;
    Clock* clock_;
    std::unique_ptr<ContextCollector> contextCollector_;
    ContextAccess context_;
    std::unique_ptr<GhostPresenter> presenter_;
    std::unique_ptr<EmojiOffers> emojiOffers_;
    std::unique_ptr<AlternativesController> alternatives_;
    std::unique_ptr<FixOffers> fixes_;

    Observed<Status, CompletionEngine> status_{this, &CompletionEngine::statusChanged};
    Observed<std::optional<FieldSnapshot>, CompletionEngine> snapshot_{this, &CompletionEngine::snapshotChanged};
    Observed<std::optional<qint64>, CompletionEngine> lastLatency_{this, &CompletionEngine::lastLatencyChanged};
    Observed<QString, CompletionEngine> lastPrompt_{this, &CompletionEngine::lastPromptChanged};
    Observed<QString, CompletionEngine> lastOutput_{this, &CompletionEngine::lastOutputChanged};
    Observed<QString, CompletionEngine> lastSuggestion_{this, &CompletionEngine::lastSuggestionChanged};
    std::optional<FieldSnapshot> lastSeen_;
    std::optional<RuleDecision> decision_;

    GenerationRunner runner_;
    std::optional<ExampleCacheEntry> exampleCache_;
    FieldSource* source_ = nullptr;
    std::optional<Suggestion> suggestion_;
    std::optional<Injection> lastInjection_;
    TaskHandle pending_;
    TaskHandle refreshTask_;
    bool keyInFlight_ = false;
    // Characters the key tap saw typed that the field's text does not show yet.
    struct Unseen {
        QString chars;
        Nanos since{};
    };
    std::optional<Unseen> unseen_;
    TaskHandle unseenTask_;
    bool forceNext_ = false;
    std::optional<Suppression> suppressed_;
    std::optional<FieldSession> session_;
    QDateTime lastPrewarm_; // invalid: the distant past
    bool spellingOpening_ = false;
    std::optional<QString> preparedFieldKey_;
    std::optional<QString> lastQuiet_;
    std::optional<QString> lagSuspect_;
    TaskHandle lagCheck_;
    std::optional<LineEnd> lastLineEnd_;
};

} // namespace tq
