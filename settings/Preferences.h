#pragma once
// The settings store: every user setting, read once from the user defaults at start, kept in
// memory and handed back to them on every assignment. Main thread only.

#include "settings/Enums.h"
#include "settings/KeyCombo.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <optional>

namespace tq {

class Defaults;

using Shortcut = std::optional<KeyCombo>;

// Every setting in declaration order: X(type, name, setter, default). The user-defaults key of
// a setting is exactly its name.
#define TQ_PREFERENCES(X)                                                                         \
    X(bool, isEnabled, setIsEnabled, true)                                                        \
    X(bool, enabledByDefault, setEnabledByDefault, true)                                          \
    X(bool, codeEditorsEnabled, setCodeEditorsEnabled, false)                                     \
    X(bool, completeInsideText, setCompleteInsideText, false)                                     \
    X(bool, ignoreSmallFields, setIgnoreSmallFields, false)                                       \
    X(bool, onDemandOnly, setOnDemandOnly, false)                                                 \
    X(double, delayMilliseconds, setDelayMilliseconds, 0.0)                                       \
    X(CompletionLength, length, setLength, CompletionLength::medium)                              \
    X(InsertionMethod, insertion, setInsertion, InsertionMethod::typing)                          \
    X(bool, showMenuBarIcon, setShowMenuBarIcon, true)                                            \
    X(bool, showWordCountInMenuBar, setShowWordCountInMenuBar, false)                             \
    X(bool, onboardingDone, setOnboardingDone, false)                                             \
    X(bool, introSeen, setIntroSeen, false)                                                       \
    X(bool, introMuted, setIntroMuted, false)                                                     \
    X(bool, remindHiddenIcon, setRemindHiddenIcon, true)                                          \
    X(bool, quitRivalsAutomatically, setQuitRivalsAutomatically, false)                           \
    X(GhostStyle, ghostStyle, setGhostStyle, GhostStyle::grey)                                    \
    X(double, textScale, setTextScale, 1.0)                                                       \
    X(double, verticalNudge, setVerticalNudge, 0.0)                                               \
    X(bool, showKeyHint, setShowKeyHint, true)                                                    \
    X(int, keyHintsShown, setKeyHintsShown, 0)                                                    \
    X(bool, hideOnTypo, setHideOnTypo, false)                                                     \
    X(bool, suggestFixes, setSuggestFixes, true)                                                  \
    X(EngineKind, engine, setEngine, EngineKind::builtIn)                                         \
    X(QString, ollamaURL, setOllamaURL, QStringLiteral("http://localhost:11434"))                 \
    X(QString, ollamaModel, setOllamaModel, QString())                                            \
    X(QString, serverURL, setServerURL, QStringLiteral("http://localhost:1234/v1"))               \
    X(QString, serverModel, setServerModel, QString())                                            \
    X(double, creativity, setCreativity, 0.3)                                                     \
    X(bool, contextApp, setContextApp, true)                                                      \
    X(bool, contextWebsite, setContextWebsite, true)                                              \
    X(bool, contextClipboard, setContextClipboard, false)                                         \
    X(bool, contextScreen, setContextScreen, true)                                                \
    X(bool, contextNearbyWindows, setContextNearbyWindows, false)                                 \
    X(bool, contextRecent, setContextRecent, true)                                                \
    X(QString, customInstructions, setCustomInstructions, QString())                              \
    X(bool, memoryEnabled, setMemoryEnabled, false)                                               \
    X(bool, memoryRecordAll, setMemoryRecordAll, false)                                           \
    X(double, memoryStrength, setMemoryStrength, 2.0)                                             \
    X(Shortcut, acceptWordKey, setAcceptWordKey, (KeyCombo{keycode::kTab, {}}))                    \
    X(Shortcut, acceptAllKey, setAcceptAllKey, (KeyCombo{keycode::kAboveTab, {}}))                 \
    X(Shortcut, triggerKey, setTriggerKey,                                                        \
      (KeyCombo{keycode::kSpace, ModifierSet{ModifierSet::control, ModifierSet::option}}))         \
    X(Shortcut, alternativesKey, setAlternativesKey, (KeyCombo{keycode::kDown, ModifierSet::option})) \
    X(Shortcut, toggleAppKey, setToggleAppKey, std::nullopt)                                      \
    X(Shortcut, toggleGlobalKey, setToggleGlobalKey, std::nullopt)                                \
    X(EscapeBehavior, escapeBehavior, setEscapeBehavior, EscapeBehavior::dismiss)                 \
    X(bool, trailingSpace, setTrailingSpace, true)                                                \
    X(bool, trailingPunctuation, setTrailingPunctuation, true)                                    \
    X(bool, emojiEnabled, setEmojiEnabled, true)                                                  \
    X(bool, emoticons, setEmoticons, true)                                                        \
    X(int, skinTone, setSkinTone, 0)                                                              \
    X(bool, includeNeutralTone, setIncludeNeutralTone, false)                                     \
    X(bool, batteryOnDemand, setBatteryOnDemand, false)                                           \
    X(bool, batteryShorter, setBatteryShorter, true)                                              \
    X(QString, batteryModel, setBatteryModel, QString())

class Preferences : public QObject {
    Q_OBJECT
public:
    // Reads every setting from `store`, which must outlive this object.
    explicit Preferences(Defaults& store, QObject* parent = nullptr);
    ~Preferences() override;

    Defaults& store() const { return *store_; }

#define TQ_PREF_ACCESSORS(type, name, setter, def)                                                \
    type name() const { return name##_; }                                                        \
    void setter(const type& value);                                                               \
    static type name##Default() { return def; }
    TQ_PREFERENCES(TQ_PREF_ACCESSORS)
#undef TQ_PREF_ACCESSORS

    // Every setting key, in declaration order.
    static const QStringList& keys();
    // True for the key of a keyboard-shortcut setting.
    static bool isShortcut(const QString& key);
    // Keys a reset leaves in the store.
    static const QStringList& resetKeepSet();

    // Removes every key of the program's domain except the keep set, then assigns each
    // setting its default (or its kept value) so the store and observers see it. The onboarding
    // and intro flags and the key-hint count keep their values; remindHiddenIcon keeps its
    // running value and returns to its default at the next launch.
    void resetToDefaults();

    // Keys whose stored values could not be used at the last read (wrong type, out of the range
    // the control offers, undecodable) and were set back and written back; empty after a reset.
    const QStringList& corrected() const { return corrected_; }

    // True when text never leaves this computer: the built-in or on-device engine, or a server
    // engine whose address is a loopback host.
    bool engineIsLocal() const;
    // True for a URL whose host is localhost, 127.0.0.1, ::1 or ends with ".localhost".
    static bool isLocalHost(const QString& address);

signals:
    // Emitted after a setting took a different value; `key` is the setting's key.
    void changed(const QString& key);

private:
    void readAll();
    void assignFrom(const Preferences& fresh);

    Defaults* store_;
    QStringList corrected_;
#define TQ_PREF_MEMBER(type, name, setter, def) type name##_ = def;
    TQ_PREFERENCES(TQ_PREF_MEMBER)
#undef TQ_PREF_MEMBER
};

} // namespace tq
