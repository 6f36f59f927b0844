#pragma once
// Rules per application and per site, the pauses (per key and everywhere) and the display
// names remembered for them, kept in "rules.json". Keys are "app:" + application identifier
// and "web:" + host, compared exactly. Main thread only.

#include "platform/Clock.h"
#include "settings/Enums.h"

#include <QDateTime>
#include <QJsonObject>
#include <QMap>
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

namespace tq {

struct AppRule {
    RuleMode mode = RuleMode::inherit;
    bool tabAccepts = true;
    std::optional<InsertionMethod> insertion; // none: use the setting
    std::optional<CompletionLength> length;   // none: use the setting
    bool recordWriting = true;

    friend bool operator==(const AppRule&, const AppRule&) = default;
    bool isDefault() const { return *this == AppRule{}; }

    // {"mode", "tabAccepts", "insertion"?, "length"?, "recordWriting"}.
    QJsonObject toJson() const;
    // Fails when a required member is missing, of the wrong type, or names no known case.
    static std::optional<AppRule> fromJson(const QJsonValue& json);
};

struct RuleDecision {
    bool enabled = true;
    std::optional<QString> reason; // shown when suggestions are off here; none when enabled
    bool tabAccepts = true;
    std::optional<InsertionMethod> insertion;
    std::optional<CompletionLength> length;
    bool recordWriting = true;

    friend bool operator==(const RuleDecision&, const RuleDecision&) = default;
};

// A row of the built-in application tables.
struct BuiltInApp {
    const char* bundleID;
    const char* name;
};

// The longest remembered name of an application or site, in user-visible characters.
inline constexpr int kMaxRememberedName = 200;

class AppRules : public QObject {
    Q_OBJECT
public:
    // Loads `filePath` at once when given; without a file nothing is read or written.
    explicit AppRules(std::optional<QString> filePath, Clock& clock, QObject* parent = nullptr);
    ~AppRules() override;

    static QString appKey(const QString& bundleID) { return QStringLiteral("app:") + bundleID; }
    static QString webKey(const QString& host) { return QStringLiteral("web:") + host; }
    // The date of a pause until resumed: 63113904000 s after 2001-01-01 (year 4001).
    static QDateTime distantFuture();

    // Observable state. The setters notify only on a real change and do not save: a writer
    // that wants the change written calls scheduleSave().
    const QMap<QString, AppRule>& rules() const { return rules_; }
    const QMap<QString, QDateTime>& pauses() const { return pauses_; }
    const std::optional<QDateTime>& globalPauseUntil() const { return globalPauseUntil_; }
    const QMap<QString, QString>& names() const { return names_; }
    void setRules(const QMap<QString, AppRule>& rules);
    void setPauses(const QMap<QString, QDateTime>& pauses);
    void setGlobalPauseUntil(const std::optional<QDateTime>& until);
    void setNames(const QMap<QString, QString>& names);
    const std::optional<QString>& filePath() const { return filePath_; }
    // Where an unreadable rules file was moved this run, or empty.
    const QString& movedAsidePath() const { return movedAside_; }
    // The last save failed: the rules shown are not on disk.
    bool isUnsaved() const { return unsaved_; }

    // The stored rule of a key, else the default rule.
    AppRule rule(const QString& key) const;
    // Stores the rule (a default rule removes the key's entry); a given name is remembered.
    void setRule(const AppRule& rule, const QString& key, const std::optional<QString>& name = std::nullopt);
    void rememberName(const QString& name, const QString& key);
    // Remembered name, else the built-in tables' name, else the key without its prefix.
    QString displayName(const QString& key) const;

    // The end of the key's pause when it lies after `now`.
    std::optional<QDateTime> pausedUntil(const QString& key, const QDateTime& now) const;
    // Pauses for `seconds`, or until resumed when none.
    void pause(const QString& key, std::optional<double> seconds, const QDateTime& now);
    void resume(const QString& key);
    void pauseEverywhere(std::optional<double> seconds, const QDateTime& now);

    // May suggestions run in this application (and site), and with which overrides.
    RuleDecision decision(const QString& bundleID, const std::optional<QString>& site, bool enabledByDefault,
                          bool codeEditorsEnabled, const QDateTime& now) const;

    // Writes 0.4 s after the last of a burst of changes.
    void scheduleSave();
    // Writes now (atomically); the pending save, if any, stays armed.
    void save();
    // Writes now when a save is pending and cancels it: the call made at quit.
    void flush();
    bool hasPendingSave() const { return saveTimer_.isActive(); }
    // Reads the file; a file that fails to decode is moved aside and the store stays empty.
    void load();

    // Built-in tables: applications off by default (terminals, password managers) and code
    // editors. Identifiers starting with "com.jetbrains." or "jetbrains-" are code editors too.
    static const std::vector<BuiltInApp>& offByDefaultApps();
    static const std::vector<BuiltInApp>& codeEditorApps();
    static bool isCodeEditor(const QString& bundleID);
    // The table name of an identifier, or an empty text.
    static QString builtInName(const QString& bundleID);

signals:
    void rulesChanged();
    void pausesChanged();
    void globalPauseUntilChanged();
    void namesChanged();
    void storeStateChanged();

private:
    std::optional<QString> filePath_;
    Clock* clock_;
    Timer saveTimer_;
    QMap<QString, AppRule> rules_;
    QMap<QString, QDateTime> pauses_;
    std::optional<QDateTime> globalPauseUntil_;
    QMap<QString, QString> names_;
    QString movedAside_;
    bool unsaved_ = false;
};

} // namespace tq
