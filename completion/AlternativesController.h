#pragma once
// Other ways to continue the text: asked for on the alternatives shortcut, listed at the caret,
// moved through with the arrow keys and inserted with Return or an accept key.

#include "completion/EngineStatus.h"
#include "completion/EngineTask.h"
#include "engines/CompletionProvider.h"
#include "field/FieldSnapshot.h"
#include "settings/KeyCombo.h"

#include <QObject>
#include <QRectF>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace tq {

class AlternativesPanel;
class OverlayScreens;
class Preferences;

class AlternativesController {
public:
    // The request for a field and the provider that answers it.
    struct Asked {
        CompletionRequest request;
        int wordLimit = 0;
        CompletionProvider* provider = nullptr;
    };
    struct Hooks {
        // The field now, or none.
        std::function<const std::optional<FieldSnapshot>&()> field;
        // True when the field holds suggestions back.
        std::function<bool(const FieldSnapshot& s)> isHeld;
        // The request for `s`.
        std::function<Asked(const FieldSnapshot& s)> ask;
        // The part still to show of the suggestion on show in the field `fieldKey`, or none.
        std::function<std::optional<QString>(const QString& fieldKey)> shownRest;
        // A request went out (the pending suggestion request gives way).
        std::function<void()> asking;
        std::function<void(const EngineStatus&)> status;
        // Whether a suggestion is stored (the status to fall back to).
        std::function<bool()> hasSuggestion;
        std::function<void()> hideGhost;
        std::function<void(const QString&)> announce;
        std::function<bool(const QString& word)> isKnownWord;
        // The lower-cased key name of the accept-word shortcut, or none.
        std::function<std::optional<QString>()> acceptWordHint;
        // Escape: holds offers until the text before the caret changes.
        std::function<void()> holdCurrentText;
        // Whether there is a field to insert into, and the insertion of the chosen text into `s`.
        std::function<bool()> canInsert;
        std::function<void(const QString& text, const FieldSnapshot& s)> insert;
    };

    AlternativesController(Clock& clock, Preferences& prefs, const OverlayScreens& screens, QObject* context,
                           Hooks hooks);
    ~AlternativesController();

    AlternativesPanel& panel() { return *panel_; }
    // The list is on screen with rows.
    bool isOpen() const;
    // The running request, if any (kept after it is cancelled).
    const TaskHandle& task() const { return task_; }

    // Asks for alternatives to the field now and lists them when they come.
    void ask();
    // A key while the list is open: true swallowed, false passed on, none: not the list's key
    // (the list closes).
    std::optional<bool> handleKey(const KeyPress& press);
    // The keys handleKey() swallows while open.
    QList<KeyCombo> actingKeys() const;
    // Cancels the request and closes the list.
    void close();

    static constexpr int kAsked = 6;

private:
    struct Job {
        FieldSnapshot snapshot;
        std::optional<QString> current;
        QRectF caret;
        int wordLimit = 0;
        PromptStyle style = PromptStyle::instruct;
    };
    void list(const QStringList& replies);
    void insertSelected();

    Clock& clock_;
    Preferences& prefs_;
    QObject* context_;
    Hooks hooks_;
    std::unique_ptr<AlternativesPanel> panel_;
    TaskHandle task_;
    std::optional<Job> job_;
};

} // namespace tq
