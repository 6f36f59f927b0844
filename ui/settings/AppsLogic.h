#pragma once
// The decisions of the Apps & Sites pane and its rule editor: which keys are listed and in
// what order, typed domains, row badges, what "Default" means for a key and which parts of
// the editor show. Pure over the stores' values.

#include "settings/AppRules.h"

#include <QDateTime>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

namespace tq {

// The text after the key's first ":" (the whole key when there is none).
QString ruleIdentifier(const QString& key);
bool isWebKey(const QString& key);

struct RuleKeyLists {
    QStringList apps;
    QStringList sites;
    bool isEmpty() const { return apps.isEmpty() && sites.isEmpty(); }
};

// Every key with a rule, pause, words saved or remembered name, filtered by `search` (trimmed
// of spaces and tabs, case-insensitive, over display name and key), most words first, then
// by display name.
RuleKeyLists ruleKeys(const AppRules& rules, const QMap<QString, qint64>& totals, const QString& search);

// The bare host of typed text, as the field side derives a site's host: scheme, "www.",
// path, query and port dropped, lower-cased. None unless it is a host name with a dot.
std::optional<QString> normalizedDomain(const QString& typed);

enum class RowBadge { none, paused, off };
RowBadge rowBadge(const AppRules& rules, const QString& key, const QDateTime& now);

// The locale's compact form: "1.2K", "12K", "3.4M" in English; whole numbers below a thousand.
QString compactCount(qint64 n);

// What "inherit" means for the key.
bool defaultEnabled(const QString& key, bool enabledByDefault, bool codeEditorsEnabled);
// "Default, on" or "Default, off".
QString defaultModeLabel(bool defaultOn);
// Tab, insertion and length can be changed only where suggestions run.
bool ruleGroupEnabled(RuleMode mode, bool defaultOn);
// "Default follows General: typing, medium suggestions." while either override is Default.
QString defaultNote(const AppRule& rule, InsertionMethod globalInsertion, CompletionLength globalLength);
// "Paused until you resume" or "Paused until 14:30".
QString pausedTitle(const QDateTime& until);
// Reset shows when the stored rule is not the default one or the key is paused.
bool showsReset(const AppRule& stored, bool paused);
// "1 passage from here", "1,234 passages from here".
QString passagesText(int count);

// Back to defaults: no rule, no pause. The remembered name stays, so a key with a name stays listed.
void resetRule(AppRules& rules, const QString& key);

} // namespace tq
