#include "settings/AppRules.h"

#include "platform/AppFolder.h"
#include "platform/Chars.h"
#include "platform/Log.h"
#include "platform/Text.h"

#include <QFile>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QJsonParseError>

#include <cmath>

namespace tq {

namespace {
const QString kMode = QStringLiteral("mode");
const QString kTabAccepts = QStringLiteral("tabAccepts");
const QString kInsertion = QStringLiteral("insertion");
const QString kLength = QStringLiteral("length");
const QString kRecordWriting = QStringLiteral("recordWriting");

constexpr double kDistantFutureSeconds = 63113904000.0;
constexpr auto kSaveDelay = std::chrono::milliseconds(400);
} // namespace

// ---- AppRule

QJsonObject AppRule::toJson() const
{
    QJsonObject o;
    o.insert(kMode, tq::toJson(mode));
    o.insert(kTabAccepts, tabAccepts);
    if (insertion)
        o.insert(kInsertion, tq::toJson(*insertion));
    if (length)
        o.insert(kLength, tq::toJson(*length));
    o.insert(kRecordWriting, recordWriting);
    return o;
}

std::optional<AppRule> AppRule::fromJson(const QJsonValue& json)
{
    if (!json.isObject())
        return std::nullopt;
    const QJsonObject o = json.toObject();
    AppRule rule;
    const auto mode = tq::fromJson<RuleMode>(o.value(kMode));
    const QJsonValue tab = o.value(kTabAccepts);
    const QJsonValue record = o.value(kRecordWriting);
    if (!mode || !tab.isBool() || !record.isBool())
        return std::nullopt;
    rule.mode = *mode;
    rule.tabAccepts = tab.toBool();
    rule.recordWriting = record.toBool();
    // Optional members: absent or null means none; any other value must name a case.
    const QJsonValue insertion = o.value(kInsertion);
    if (!insertion.isUndefined() && !insertion.isNull()) {
        rule.insertion = tq::fromJson<InsertionMethod>(insertion);
        if (!rule.insertion)
            return std::nullopt;
    }
    const QJsonValue length = o.value(kLength);
    if (!length.isUndefined() && !length.isNull()) {
        rule.length = tq::fromJson<CompletionLength>(length);
        if (!rule.length)
            return std::nullopt;
    }
    return rule;
}

// ---- Built-in tables

const std::vector<BuiltInApp>& AppRules::offByDefaultApps()
{
    static const std::vector<BuiltInApp> table = {
        {"com.apple.Terminal", "Terminal"},
        {"com.googlecode.iterm2", "iTerm"},
        {"com.mitchellh.ghostty", "Ghostty"},
        {"dev.warp.Warp-Stable", "Warp"},
        {"com.apple.keychainaccess", "Keychain Access"},
        {"com.apple.Passwords", "Passwords"},
        {"com.1password.1password", "1Password"},
        {"com.bitwarden.desktop", "Bitwarden"},
        // Terminals on Linux, by desktop entry id, window class or executable.
        {"org.gnome.Terminal", "Terminal"},
        {"gnome-terminal-server", "Terminal"},
        {"org.gnome.Console", "Console"},
        {"org.gnome.Ptyxis", "Ptyxis"},
        {"org.kde.konsole", "Konsole"},
        {"konsole", "Konsole"},
        {"xterm", "XTerm"},
        {"XTerm", "XTerm"},
        {"uxterm", "UXTerm"},
        {"UXTerm", "UXTerm"},
        {"kitty", "kitty"},
        {"Alacritty", "Alacritty"},
        {"alacritty", "Alacritty"},
        {"org.wezfurlong.wezterm", "WezTerm"},
        {"xfce4-terminal", "Xfce Terminal"},
        {"com.gexperts.Tilix", "Tilix"},
        {"terminator", "Terminator"},
        {"foot", "foot"},
        {"dev.warp.Warp", "Warp"},
        // Password managers on Linux.
        {"org.keepassxc.KeePassXC", "KeePassXC"},
        {"KeePassXC", "KeePassXC"},
        {"keepassxc", "KeePassXC"},
        {"1password", "1Password"},
        {"1Password", "1Password"},
        {"bitwarden", "Bitwarden"},
        {"Bitwarden", "Bitwarden"},
        {"org.gnome.seahorse.Application", "Passwords and Keys"},
    };
    return table;
}

const std::vector<BuiltInApp>& AppRules::codeEditorApps()
{
    static const std::vector<BuiltInApp> table = {
        {"com.apple.dt.Xcode", "Xcode"},
        {"com.microsoft.VSCode", "Visual Studio Code"},
        {"com.microsoft.VSCodeInsiders", "Code - Insiders"},
        {"com.todesktop.230313mzl4w4u92", "Cursor"},
        {"dev.zed.Zed", "Zed"},
        {"com.sublimetext.4", "Sublime Text"},
        {"com.panic.Nova", "Nova"},
        // Code editors on Linux, by desktop entry id, window class or executable.
        {"code", "Visual Studio Code"},
        {"Code", "Visual Studio Code"},
        {"com.visualstudio.code", "Visual Studio Code"},
        {"code-insiders", "Code - Insiders"},
        {"codium", "VSCodium"},
        {"VSCodium", "VSCodium"},
        {"com.vscodium.codium", "VSCodium"},
        {"org.kde.kate", "Kate"},
        {"kate", "Kate"},
        {"gvim", "GVim"},
        {"Gvim", "GVim"},
        {"nvim-qt", "Neovim Qt"},
        {"org.neovim.neovim-qt", "Neovim Qt"},
        {"sublime_text", "Sublime Text"},
        {"Sublime_text", "Sublime Text"},
        {"com.sublimetext.three", "Sublime Text"},
        {"org.gnome.TextEditor", "Text Editor"},
    };
    return table;
}

namespace {
using NameTable = QHash<QString, QString>;

NameTable index(const std::vector<BuiltInApp>& rows)
{
    NameTable t;
    for (const BuiltInApp& row : rows) {
        const QString id = QString::fromLatin1(row.bundleID);
        if (!t.contains(id))
            t.insert(id, QString::fromUtf8(row.name));
    }
    return t;
}

const NameTable& offByDefaultIndex()
{
    static const NameTable t = index(AppRules::offByDefaultApps());
    return t;
}

const NameTable& codeEditorIndex()
{
    static const NameTable t = index(AppRules::codeEditorApps());
    return t;
}
} // namespace

bool AppRules::isCodeEditor(const QString& bundleID)
{
    return codeEditorIndex().contains(bundleID) || bundleID.startsWith(QLatin1String("com.jetbrains."))
        || bundleID.startsWith(QLatin1String("jetbrains-"));
}

QString AppRules::builtInName(const QString& bundleID)
{
    if (auto it = offByDefaultIndex().constFind(bundleID); it != offByDefaultIndex().constEnd())
        return *it;
    return codeEditorIndex().value(bundleID);
}

// ---- AppRules

AppRules::AppRules(std::optional<QString> filePath, Clock& clock, QObject* parent)
    : QObject(parent), filePath_(std::move(filePath)), clock_(&clock), saveTimer_(clock)
{
    load();
}

AppRules::~AppRules() = default;

QDateTime AppRules::distantFuture() { return dateFromSecondsSince2001(kDistantFutureSeconds); }

void AppRules::setRules(const QMap<QString, AppRule>& rules)
{
    if (rules_ == rules)
        return;
    rules_ = rules;
    emit rulesChanged();
}

void AppRules::setPauses(const QMap<QString, QDateTime>& pauses)
{
    if (pauses_ == pauses)
        return;
    pauses_ = pauses;
    emit pausesChanged();
}

void AppRules::setGlobalPauseUntil(const std::optional<QDateTime>& until)
{
    if (globalPauseUntil_ == until)
        return;
    globalPauseUntil_ = until;
    emit globalPauseUntilChanged();
}

namespace {
// Names come from desktop files, typed text and rules.json: one line of a sane length, with no
// bidirectional control to turn the text around it.
QString cleanName(const QString& given)
{
    QString name;
    name.reserve(given.size());
    for (const QChar c : given) {
        const char32_t u = c.unicode();
        if (chars::isBidiControl(u))
            continue;
        name += (u < 0x20 || u == 0x7F || chars::isLineBreak(u)) ? QChar(u' ') : c;
    }
    name = name.simplified();
    return chars::first(name, kMaxRememberedName).toString();
}
} // namespace

void AppRules::setNames(const QMap<QString, QString>& given)
{
    QMap<QString, QString> names;
    for (auto it = given.cbegin(); it != given.cend(); ++it)
        names.insert(it.key(), cleanName(it.value()));
    if (names_ == names)
        return;
    names_ = names;
    emit namesChanged();
}

AppRule AppRules::rule(const QString& key) const { return rules_.value(key); }

void AppRules::setRule(const AppRule& rule, const QString& key, const std::optional<QString>& name)
{
    auto rules = rules_;
    if (rule.isDefault())
        rules.remove(key);
    else
        rules.insert(key, rule);
    setRules(rules);
    if (name) {
        auto names = names_;
        names.insert(key, *name);
        setNames(names);
    }
    scheduleSave();
}

void AppRules::rememberName(const QString& given, const QString& key)
{
    const QString name = cleanName(given);
    if (auto it = names_.constFind(key); it != names_.constEnd() && *it == name)
        return;
    auto names = names_;
    names.insert(key, name);
    setNames(names);
    scheduleSave();
}

QString AppRules::displayName(const QString& key) const
{
    if (auto it = names_.constFind(key); it != names_.constEnd())
        return *it;
    const qsizetype colon = key.indexOf(QLatin1Char(':'));
    const QString id = colon < 0 ? key : key.mid(colon + 1);
    const QString builtIn = builtInName(id);
    return builtIn.isEmpty() ? id : builtIn;
}

std::optional<QDateTime> AppRules::pausedUntil(const QString& key, const QDateTime& now) const
{
    auto it = pauses_.constFind(key);
    if (it == pauses_.constEnd() || !(*it > now))
        return std::nullopt;
    return *it;
}

namespace {
QDateTime pauseEnd(std::optional<double> seconds, const QDateTime& now)
{
    if (!seconds)
        return AppRules::distantFuture();
    // A negative or absurd duration cannot push a date past the representable range.
    const double s = std::isfinite(*seconds) ? std::clamp(*seconds, 0.0, 1e11) : 1e11;
    const QDateTime end = now.addMSecs(qint64(s * 1000.0));
    return end < AppRules::distantFuture() ? end : AppRules::distantFuture();
}
} // namespace

void AppRules::pause(const QString& key, std::optional<double> seconds, const QDateTime& now)
{
    auto pauses = pauses_;
    pauses.insert(key, pauseEnd(seconds, now));
    setPauses(pauses);
    scheduleSave();
}

void AppRules::resume(const QString& key)
{
    auto pauses = pauses_;
    pauses.remove(key);
    setPauses(pauses);
    scheduleSave();
}

void AppRules::pauseEverywhere(std::optional<double> seconds, const QDateTime& now)
{
    setGlobalPauseUntil(pauseEnd(seconds, now));
    scheduleSave();
}

RuleDecision AppRules::decision(const QString& bundleID, const std::optional<QString>& site, bool enabledByDefault,
                                bool codeEditorsEnabled, const QDateTime& now) const
{
    const QString appKey = AppRules::appKey(bundleID);
    const QString siteKey = site ? webKey(*site) : QString();
    const AppRule appRule = rule(appKey);
    const auto siteStored = site ? rules_.constFind(siteKey) : rules_.constEnd();
    const AppRule siteRule = siteStored != rules_.constEnd() ? *siteStored : AppRule{};

    RuleDecision d;
    d.tabAccepts = appRule.tabAccepts && siteRule.tabAccepts;
    d.recordWriting = appRule.recordWriting && siteRule.recordWriting;
    d.insertion = siteRule.insertion ? siteRule.insertion : appRule.insertion;
    d.length = siteRule.length ? siteRule.length : appRule.length;

    auto off = [&d](QString reason) {
        d.enabled = false;
        d.reason = std::move(reason);
        return d;
    };
    auto on = [&d] {
        d.enabled = true;
        d.reason.reset();
        return d;
    };

    if (globalPauseUntil_ && *globalPauseUntil_ > now)
        return off(text("Paused everywhere"));
    if (site && pausedUntil(siteKey, now))
        return off(text("Paused on %1").arg(*site));
    if (pausedUntil(appKey, now))
        return off(text("Paused in %1").arg(displayName(appKey)));
    if (site && siteStored != rules_.constEnd() && siteRule.mode != RuleMode::inherit)
        return siteRule.mode == RuleMode::on ? on() : off(text("Off on %1").arg(*site));
    if (appRule.mode == RuleMode::on)
        return on();
    if (appRule.mode == RuleMode::off)
        return off(text("Off in %1").arg(displayName(appKey)));
    if (auto it = offByDefaultIndex().constFind(bundleID); it != offByDefaultIndex().constEnd())
        return off(text("Off in %1 by default").arg(*it));
    if (!codeEditorsEnabled && isCodeEditor(bundleID))
        return off(text("Off in code editors"));
    if (enabledByDefault)
        return on();
    return off(text("Off unless turned on per app"));
}

// ---- Persistence

void AppRules::scheduleSave()
{
    // The timer belongs to this object and dies with it, so a save never outlives the store.
    saveTimer_.start(kSaveDelay, [this] { save(); });
}

void AppRules::flush()
{
    if (!saveTimer_.isActive())
        return;
    saveTimer_.cancel();
    save();
}

void AppRules::save()
{
    if (!filePath_)
        return;
    QJsonObject rules;
    for (auto it = rules_.constBegin(); it != rules_.constEnd(); ++it)
        rules.insert(it.key(), it.value().toJson());
    QJsonObject pauses;
    for (auto it = pauses_.constBegin(); it != pauses_.constEnd(); ++it)
        pauses.insert(it.key(), secondsSince2001(it.value()));
    QJsonObject names;
    for (auto it = names_.constBegin(); it != names_.constEnd(); ++it)
        names.insert(it.key(), it.value());
    QJsonObject root;
    root.insert(QStringLiteral("rules"), rules);
    root.insert(QStringLiteral("pauses"), pauses);
    if (globalPauseUntil_)
        root.insert(QStringLiteral("globalPauseUntil"), secondsSince2001(*globalPauseUntil_));
    root.insert(QStringLiteral("names"), names);

    QString error;
    const bool saved = writeFileAtomically(*filePath_, QJsonDocument(root).toJson(QJsonDocument::Compact), &error);
    if (!saved)
        log::error(QStringLiteral("Rules: the rules file could not be written: ") + error);
    if (unsaved_ == saved) {
        unsaved_ = !saved;
        emit storeStateChanged();
    }
}

namespace {
struct Snapshot {
    QMap<QString, AppRule> rules;
    QMap<QString, QDateTime> pauses;
    std::optional<QDateTime> globalPauseUntil;
    QMap<QString, QString> names;
};

// Dates beyond the pause until resumed count as it; dates before year 1 as long past, so a
// hand-edited number can neither overflow the date type nor make the whole file unreadable.
std::optional<QDateTime> dateFromJson(const QJsonValue& v)
{
    if (!v.isDouble())
        return std::nullopt;
    const double s = v.toDouble();
    if (!(s < kDistantFutureSeconds))
        return AppRules::distantFuture();
    return dateFromSecondsSince2001(std::max(s, -63113904000.0));
}

std::optional<Snapshot> decodeSnapshot(const QByteArray& bytes)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return std::nullopt;
    const QJsonObject root = doc.object();
    const QJsonValue rules = root.value(QStringLiteral("rules"));
    const QJsonValue pauses = root.value(QStringLiteral("pauses"));
    const QJsonValue names = root.value(QStringLiteral("names"));
    if (!rules.isObject() || !pauses.isObject() || !names.isObject())
        return std::nullopt;
    Snapshot s;
    const QJsonObject ro = rules.toObject();
    for (auto it = ro.constBegin(); it != ro.constEnd(); ++it) {
        const auto rule = AppRule::fromJson(it.value());
        if (!rule)
            return std::nullopt;
        s.rules.insert(it.key(), *rule);
    }
    const QJsonObject po = pauses.toObject();
    for (auto it = po.constBegin(); it != po.constEnd(); ++it) {
        const auto date = dateFromJson(it.value());
        if (!date)
            return std::nullopt;
        s.pauses.insert(it.key(), *date);
    }
    const QJsonObject no = names.toObject();
    for (auto it = no.constBegin(); it != no.constEnd(); ++it) {
        if (!it.value().isString())
            return std::nullopt;
        s.names.insert(it.key(), it.value().toString());
    }
    const QJsonValue global = root.value(QStringLiteral("globalPauseUntil"));
    if (!global.isUndefined() && !global.isNull()) {
        s.globalPauseUntil = dateFromJson(global);
        if (!s.globalPauseUntil)
            return std::nullopt;
    }
    return s;
}

} // namespace

void AppRules::load()
{
    if (!filePath_)
        return;
    const StoreFileRead file = readStoreFile(*filePath_);
    if (file.status == StoreFileRead::Status::missing)
        return;
    // What cannot be read or decoded is kept for the user: the next save must not replace it.
    if (file.status != StoreFileRead::Status::ok)
        log::warning(QStringLiteral("Rules: the rules file could not be read: ") + file.error);
    const QDateTime now = clock_->now();
    const auto snapshot = file.status == StoreFileRead::Status::ok ? decodeSnapshot(file.data) : std::nullopt;
    if (!snapshot) {
        movedAside_ = moveAside(*filePath_, now);
        emit storeStateChanged();
        return;
    }
    setRules(snapshot->rules);
    setNames(snapshot->names);
    QMap<QString, QDateTime> live;
    for (auto it = snapshot->pauses.constBegin(); it != snapshot->pauses.constEnd(); ++it)
        if (it.value() > now)
            live.insert(it.key(), it.value());
    setPauses(live);
    setGlobalPauseUntil(snapshot->globalPauseUntil && *snapshot->globalPauseUntil > now ? snapshot->globalPauseUntil
                                                                                        : std::nullopt);
}

} // namespace tq
