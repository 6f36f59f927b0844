#include "ui/settings/AppsLogic.h"

#include "platform/Chars.h"
#include "platform/NumberFormat.h"
#include "platform/Text.h"
#include "settings/SiteNames.h"

#include <QCollator>
#include <QLocale>
#include <QSet>

#include <algorithm>

namespace tq {

QString ruleIdentifier(const QString& key)
{
    const qsizetype colon = key.indexOf(QLatin1Char(':'));
    return colon < 0 ? key : key.mid(colon + 1);
}

bool isWebKey(const QString& key)
{
    return key.startsWith(QLatin1String("web:"));
}

namespace {
} // namespace

RuleKeyLists ruleKeys(const AppRules& rules, const QMap<QString, qint64>& totals, const QString& search)
{
    QSet<QString> seen;
    QStringList keys;
    auto gather = [&](const QStringList& from) {
        for (const QString& k : from) {
            if (!seen.contains(k)) {
                seen.insert(k);
                keys.append(k);
            }
        }
    };
    gather(rules.rules().keys());
    gather(rules.pauses().keys());
    gather(totals.keys());
    gather(rules.names().keys());

    const QString query = chars::trimSpacesAndTabs(search).toString().toLower();
    QStringList kept;
    QMap<QString, QString> names;
    for (const QString& k : keys) {
        const QString name = rules.displayName(k);
        if (query.isEmpty() || name.toLower().contains(query) || k.toLower().contains(query)) {
            kept.append(k);
            names.insert(k, name);
        }
    }
    QCollator collator;
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(kept.begin(), kept.end(), [&](const QString& a, const QString& b) {
        const qint64 wa = totals.value(a, 0), wb = totals.value(b, 0);
        if (wa != wb)
            return wa > wb;
        return collator.compare(names.value(a), names.value(b)) < 0;
    });
    RuleKeyLists out;
    for (const QString& k : kept)
        (isWebKey(k) ? out.sites : out.apps).append(k);
    return out;
}

std::optional<QString> normalizedDomain(const QString& typed)
{
    return checkSiteName(typed).host;
}

RowBadge rowBadge(const AppRules& rules, const QString& key, const QDateTime& now)
{
    if (rules.pausedUntil(key, now))
        return RowBadge::paused;
    if (rules.rule(key).mode == RuleMode::off)
        return RowBadge::off;
    return RowBadge::none;
}

QString compactCount(qint64 n) { return compactCountText(n); }

bool defaultEnabled(const QString& key, bool enabledByDefault, bool codeEditorsEnabled)
{
    if (isWebKey(key))
        return enabledByDefault;
    const QString id = ruleIdentifier(key);
    for (const BuiltInApp& app : AppRules::offByDefaultApps()) {
        if (id == QLatin1String(app.bundleID))
            return false;
    }
    if (AppRules::isCodeEditor(id))
        return codeEditorsEnabled;
    return enabledByDefault;
}

QString defaultModeLabel(bool defaultOn)
{
    return defaultOn ? text("Default, on") : text("Default, off");
}

bool ruleGroupEnabled(RuleMode mode, bool defaultOn)
{
    return !(mode == RuleMode::off || (mode == RuleMode::inherit && !defaultOn));
}

// Lower-case labels for the middle of the default note.
static QString noteLabel(InsertionMethod value)
{
    switch (value) {
    case InsertionMethod::typing: return text("typing", "insertion method, in a sentence");
    case InsertionMethod::accessibility: return text("accessibility", "insertion method, in a sentence");
    case InsertionMethod::paste: return text("paste", "insertion method, in a sentence");
    }
    return {};
}

static QString noteLabel(CompletionLength value)
{
    switch (value) {
    case CompletionLength::short_: return text("short", "suggestion length, in a sentence");
    case CompletionLength::medium: return text("medium", "suggestion length, in a sentence");
    case CompletionLength::long_: return text("long", "suggestion length, in a sentence");
    }
    return {};
}

QString defaultNote(const AppRule& rule, InsertionMethod globalInsertion, CompletionLength globalLength)
{
    if (rule.insertion && rule.length)
        return {};
    return text("Default follows General: %1, %2 suggestions.")
        .arg(noteLabel(globalInsertion), noteLabel(globalLength));
}

QString pausedTitle(const QDateTime& until)
{
    if (until >= AppRules::distantFuture())
        return text("Paused until you resume");
    return text("Paused until %1").arg(QLocale().toString(until.toLocalTime().time(), QLocale::ShortFormat));
}

bool showsReset(const AppRule& stored, bool paused)
{
    return !stored.isDefault() || paused;
}

QString passagesText(int count)
{
    return text("%Ln passages from here", count);
}

void resetRule(AppRules& rules, const QString& key)
{
    // The remembered name stays: a key the user added keeps its place in the list.
    rules.setRule(AppRule{}, key);
    rules.resume(key);
}

} // namespace tq
