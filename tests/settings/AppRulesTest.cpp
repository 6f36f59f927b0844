#include "platform/Clock.h"
#include "settings/AppRules.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace tq {

namespace {
using namespace std::chrono_literals;

class AppRulesTest : public ::testing::Test {
protected:
    VirtualClock clock;
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("rules.json")); }
    QDateTime now() const { return clock.now(); }

    static QByteArray read(const QString& p)
    {
        QFile f(p);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static void write(const QString& p, const QByteArray& bytes)
    {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QJsonObject fileObject() const { return QJsonDocument::fromJson(read(path())).object(); }

    RuleDecision decide(AppRules& r, const QString& app, std::optional<QString> site = std::nullopt,
                        bool byDefault = true, bool editors = false)
    {
        return r.decision(app, site, byDefault, editors, now());
    }
};

AppRule mode(RuleMode m)
{
    AppRule r;
    r.mode = m;
    return r;
}
} // namespace

TEST_F(AppRulesTest, EmptyStoreFollowsTheSettings)
{
    AppRules rules(std::nullopt, clock);
    const RuleDecision on = decide(rules, QStringLiteral("org.gnome.gedit"));
    EXPECT_EQ(on, (RuleDecision{true, std::nullopt, true, std::nullopt, std::nullopt, true}));
    const RuleDecision off = decide(rules, QStringLiteral("org.gnome.gedit"), std::nullopt, false);
    EXPECT_FALSE(off.enabled);
    EXPECT_EQ(off.reason, QStringLiteral("Off unless turned on per app"));
}

TEST_F(AppRulesTest, BuiltInTablesAndExplicitModes)
{
    AppRules rules(std::nullopt, clock);
    EXPECT_EQ(decide(rules, QStringLiteral("com.apple.Terminal")).reason, QStringLiteral("Off in Terminal by default"));
    EXPECT_EQ(decide(rules, QStringLiteral("org.gnome.Terminal")).reason, QStringLiteral("Off in Terminal by default"));
    EXPECT_EQ(decide(rules, QStringLiteral("org.keepassxc.KeePassXC")).reason,
              QStringLiteral("Off in KeePassXC by default"));
    rules.setRule(mode(RuleMode::on), AppRules::appKey(QStringLiteral("com.apple.Terminal")));
    EXPECT_TRUE(decide(rules, QStringLiteral("com.apple.Terminal")).enabled);

    for (const char* editor : {"com.jetbrains.intellij", "jetbrains-idea", "code", "com.microsoft.VSCode"}) {
        const QString id = QString::fromLatin1(editor);
        EXPECT_EQ(decide(rules, id).reason, QStringLiteral("Off in code editors")) << editor;
        EXPECT_TRUE(decide(rules, id, std::nullopt, true, true).enabled) << editor;
        EXPECT_EQ(decide(rules, id, std::nullopt, false, true).reason, QStringLiteral("Off unless turned on per app"));
    }
    // Terminals stay off even with code editors allowed.
    EXPECT_FALSE(decide(rules, QStringLiteral("kitty"), std::nullopt, true, true).enabled);

    rules.setRule(mode(RuleMode::off), AppRules::appKey(QStringLiteral("org.mozilla.firefox")),
                  QStringLiteral("Firefox"));
    EXPECT_EQ(decide(rules, QStringLiteral("org.mozilla.firefox")).reason, QStringLiteral("Off in Firefox"));
}

TEST_F(AppRulesTest, SiteOutranksAppAndPausesOutrankModes)
{
    AppRules rules(std::nullopt, clock);
    const QString browser = QStringLiteral("org.mozilla.firefox");
    const QString site = QStringLiteral("mail.example.com");
    rules.setRule(mode(RuleMode::off), AppRules::appKey(browser));
    rules.setRule(mode(RuleMode::on), AppRules::webKey(site));
    EXPECT_TRUE(decide(rules, browser, site).enabled);
    EXPECT_EQ(decide(rules, browser).reason, QStringLiteral("Off in org.mozilla.firefox"));

    rules.setRule(mode(RuleMode::on), AppRules::appKey(browser));
    rules.setRule(mode(RuleMode::off), AppRules::webKey(site));
    EXPECT_EQ(decide(rules, browser, site).reason, QStringLiteral("Off on mail.example.com"));

    rules.setRule(mode(RuleMode::on), AppRules::webKey(site));
    rules.rememberName(QStringLiteral("Firefox"), AppRules::appKey(browser));
    rules.pause(AppRules::appKey(browser), 900, now());
    EXPECT_EQ(decide(rules, browser, site).reason, QStringLiteral("Paused in Firefox"));
    rules.pause(AppRules::webKey(site), 900, now());
    EXPECT_EQ(decide(rules, browser, site).reason, QStringLiteral("Paused on mail.example.com"));
    rules.pauseEverywhere(60, now());
    EXPECT_EQ(decide(rules, browser, site).reason, QStringLiteral("Paused everywhere"));

    clock.advance(61s);
    EXPECT_EQ(decide(rules, browser, site).reason, QStringLiteral("Paused on mail.example.com"));
    EXPECT_TRUE(rules.globalPauseUntil().has_value()); // ended, not cleared
    clock.advance(900s);
    EXPECT_TRUE(decide(rules, browser, site).enabled);
    EXPECT_EQ(rules.pauses().size(), 2); // expired pauses stay until the next load
}

TEST_F(AppRulesTest, OverridesCombineAppAndSite)
{
    AppRules rules(std::nullopt, clock);
    const QString app = QStringLiteral("org.mozilla.firefox");
    const QString site = QStringLiteral("docs.example.com");
    AppRule appRule;
    appRule.length = CompletionLength::long_;
    appRule.insertion = InsertionMethod::paste;
    rules.setRule(appRule, AppRules::appKey(app));
    AppRule siteRule;
    siteRule.tabAccepts = false;
    siteRule.recordWriting = false;
    siteRule.length = CompletionLength::short_;
    rules.setRule(siteRule, AppRules::webKey(site));

    const RuleDecision d = decide(rules, app, site);
    EXPECT_TRUE(d.enabled);
    EXPECT_FALSE(d.tabAccepts);
    EXPECT_FALSE(d.recordWriting);
    EXPECT_EQ(d.length, CompletionLength::short_);
    EXPECT_EQ(d.insertion, InsertionMethod::paste);
    EXPECT_EQ(decide(rules, app, QStringLiteral("other.example.com")).length, CompletionLength::long_);
    EXPECT_TRUE(decide(rules, app).tabAccepts);

    // Overrides ride along on disabled results too.
    rules.pauseEverywhere(std::nullopt, now());
    EXPECT_FALSE(decide(rules, app, site).tabAccepts);
}

TEST_F(AppRulesTest, DefaultRulesAreRemovedAndNamesShown)
{
    AppRules rules(std::nullopt, clock);
    QSignalSpy spy(&rules, &AppRules::rulesChanged);
    const QString key = AppRules::appKey(QStringLiteral("org.example.Notes"));
    rules.setRule(mode(RuleMode::off), key, QStringLiteral("Notes"));
    rules.setRule(AppRule{}, key);
    EXPECT_FALSE(rules.rules().contains(key));
    EXPECT_EQ(rules.names().value(key), QStringLiteral("Notes"));
    EXPECT_EQ(spy.count(), 2);
    rules.setRules(rules.rules()); // no change, no signal
    EXPECT_EQ(spy.count(), 2);

    EXPECT_EQ(rules.displayName(AppRules::appKey(QStringLiteral("com.microsoft.VSCode"))),
              QStringLiteral("Visual Studio Code"));
    EXPECT_EQ(rules.displayName(AppRules::webKey(QStringLiteral("example.org"))), QStringLiteral("example.org"));
    EXPECT_EQ(rules.displayName(QStringLiteral("bare")), QStringLiteral("bare"));
    rules.rememberName(QStringLiteral("My Code"), AppRules::appKey(QStringLiteral("com.microsoft.VSCode")));
    EXPECT_EQ(rules.displayName(AppRules::appKey(QStringLiteral("com.microsoft.VSCode"))), QStringLiteral("My Code"));

    // A name from outside is kept as one line of a bounded length.
    rules.rememberName(QStringLiteral("Evil\nApp\t") + QString(10000, u'x'), QStringLiteral("app:evil"));
    const QString kept = rules.displayName(QStringLiteral("app:evil"));
    EXPECT_EQ(kept.size(), kMaxRememberedName);
    EXPECT_TRUE(kept.startsWith(QStringLiteral("Evil App xxx")));
}

TEST_F(AppRulesTest, FileShapeAndRoundTrip)
{
    const QString firefox = AppRules::appKey(QStringLiteral("org.mozilla.firefox"));
    {
        AppRules rules(path(), clock);
        AppRule r;
        r.mode = RuleMode::off;
        r.insertion = InsertionMethod::accessibility;
        rules.setRule(r, firefox, QStringLiteral("Firefox"));
        rules.pause(AppRules::webKey(QStringLiteral("example.org")), std::nullopt, now());
        rules.flush();
    }
    const QJsonObject root = fileObject();
    EXPECT_EQ(root.keys(), (QStringList{QStringLiteral("names"), QStringLiteral("pauses"), QStringLiteral("rules")}));
    const QJsonObject rule = root.value(QStringLiteral("rules")).toObject().value(firefox).toObject();
    EXPECT_EQ(rule.value(QStringLiteral("mode")), QJsonValue(QStringLiteral("off")));
    EXPECT_EQ(rule.value(QStringLiteral("tabAccepts")), QJsonValue(true));
    EXPECT_EQ(rule.value(QStringLiteral("insertion")), QJsonValue(QStringLiteral("accessibility")));
    EXPECT_FALSE(rule.contains(QStringLiteral("length")));
    EXPECT_EQ(rule.value(QStringLiteral("recordWriting")), QJsonValue(true));
    EXPECT_EQ(root.value(QStringLiteral("pauses")).toObject().value(QStringLiteral("web:example.org")).toDouble(),
              63113904000.0);
    EXPECT_EQ(root.value(QStringLiteral("names")).toObject().value(firefox), QJsonValue(QStringLiteral("Firefox")));

    // A pause until resumed survives a reload far in the future, and ends only on resume.
    clock.advance(std::chrono::hours(24 * 365));
    AppRules again(path(), clock);
    EXPECT_EQ(again.rule(firefox).insertion, InsertionMethod::accessibility);
    const auto until = again.pausedUntil(AppRules::webKey(QStringLiteral("example.org")), now());
    ASSERT_TRUE(until.has_value());
    EXPECT_EQ(*until, AppRules::distantFuture());
    again.resume(AppRules::webKey(QStringLiteral("example.org")));
    EXPECT_EQ(again.pausedUntil(AppRules::webKey(QStringLiteral("example.org")), now()), std::nullopt);
}

TEST_F(AppRulesTest, LoadDropsExpiredPauses)
{
    const double t = secondsSince2001(now());
    write(path(), QJsonDocument(QJsonObject{
                                    {QStringLiteral("rules"), QJsonObject{}},
                                    {QStringLiteral("pauses"), QJsonObject{{QStringLiteral("app:old"), t - 1},
                                                                           {QStringLiteral("app:live"), t + 60}}},
                                    {QStringLiteral("globalPauseUntil"), t - 1},
                                    {QStringLiteral("names"), QJsonObject{}},
                                    {QStringLiteral("extra"), 1},
                                })
                      .toJson());
    AppRules rules(path(), clock);
    EXPECT_EQ(rules.pauses().keys(), QStringList{QStringLiteral("app:live")});
    EXPECT_EQ(rules.globalPauseUntil(), std::nullopt);
    EXPECT_FALSE(rules.hasPendingSave()); // loading never saves
}

TEST_F(AppRulesTest, BurstOfChangesIsWrittenOnceAfterTheDebounce)
{
    AppRules rules(path(), clock);
    for (int i = 0; i < 10; ++i) {
        rules.rememberName(QStringLiteral("App %1").arg(i), QStringLiteral("app:a%1").arg(i));
        clock.advance(30ms);
    }
    EXPECT_FALSE(QFile::exists(path()));
    clock.advance(369ms);
    EXPECT_FALSE(QFile::exists(path()));
    clock.advance(1ms);
    ASSERT_TRUE(QFile::exists(path()));
    EXPECT_EQ(fileObject().value(QStringLiteral("names")).toObject().size(), 10);
    const QByteArray written = read(path());

    // Remembering an unchanged name neither signals nor saves.
    QFile::remove(path());
    rules.rememberName(QStringLiteral("App 0"), QStringLiteral("app:a0"));
    EXPECT_FALSE(rules.hasPendingSave());
    EXPECT_FALSE(written.isEmpty());

    // A store gone before its save fires writes nothing.
    {
        AppRules doomed(path(), clock);
        doomed.rememberName(QStringLiteral("X"), QStringLiteral("app:x"));
    }
    clock.advance(1s);
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(AppRulesTest, UndecodableFileIsMovedAsideNotOverwritten)
{
    const QByteArray broken =
        R"({"rules":{"app:x":{"mode":"maybe","tabAccepts":true,"recordWriting":true}},"pauses":{},"names":{}})";
    const QByteArray missingMember = R"({"rules":{"app:x":{"mode":"on","tabAccepts":true}},"pauses":{},"names":{}})";
    for (const QByteArray& bytes : {broken, missingMember, QByteArray("{not json"), QByteArray(R"({"rules":{}})")}) {
        QTemporaryDir d;
        const QString p = d.filePath(QStringLiteral("rules.json"));
        write(p, bytes);
        AppRules rules(p, clock);
        EXPECT_TRUE(rules.rules().isEmpty()) << bytes.constData();
        EXPECT_FALSE(rules.movedAsidePath().isEmpty());
        const QStringList aside = QDir(d.path()).entryList({QStringLiteral("rules.json.corrupt-*")});
        ASSERT_EQ(aside.size(), 1) << bytes.constData();
        EXPECT_EQ(read(d.filePath(aside.first())), bytes);

        rules.rememberName(QStringLiteral("X"), QStringLiteral("app:x"));
        rules.flush();
        EXPECT_EQ(read(d.filePath(aside.first())), bytes);
        EXPECT_TRUE(QFile::exists(p));
    }
}

TEST_F(AppRulesTest, NoFileMeansNothingIsReadOrWritten)
{
    AppRules rules(std::nullopt, clock);
    rules.rememberName(QStringLiteral("X"), QStringLiteral("app:x"));
    clock.advance(1s);
    rules.save();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(AppRulesTest, OutOfRangeDatesAndDurationsStayWithinUntilResumed)
{
    write(path(), R"({"rules":{},"pauses":{"app:far":1e300,"app:past":-1e300},"globalPauseUntil":1e20,"names":{}})");
    AppRules rules(path(), clock);
    EXPECT_EQ(rules.pausedUntil(QStringLiteral("app:far"), now()), AppRules::distantFuture());
    EXPECT_FALSE(rules.pauses().contains(QStringLiteral("app:past")));
    EXPECT_EQ(rules.globalPauseUntil(), AppRules::distantFuture());

    rules.pause(QStringLiteral("app:huge"), 1e308, now());
    EXPECT_EQ(rules.pausedUntil(QStringLiteral("app:huge"), now()), AppRules::distantFuture());
    rules.pause(QStringLiteral("app:negative"), -60, now());
    EXPECT_EQ(rules.pausedUntil(QStringLiteral("app:negative"), now()), std::nullopt);
}

TEST_F(AppRulesTest, NamesFromTheFileCannotTurnOrBreakTheText)
{
    // U+202E would show "Notes" followed by the reversed rest; the line separator a second line.
    write(path(), R"({"rules":{},"pauses":{},"names":{"app:a":"Mail\u202Etxt.exe","app:b":"Two\u2028Lines\r\nHere",)"
                  R"("app:c":"\u2067Isolated\u2069 name"}})");
    AppRules rules(path(), clock);
    EXPECT_EQ(rules.displayName(QStringLiteral("app:a")), QStringLiteral("Mailtxt.exe"));
    EXPECT_EQ(rules.displayName(QStringLiteral("app:b")), QStringLiteral("Two Lines Here"));
    EXPECT_EQ(rules.displayName(QStringLiteral("app:c")), QStringLiteral("Isolated name"));
}

TEST_F(AppRulesTest, UnreadableFileIsMovedAsideToo)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("rules.json")));
    AppRules rules(path(), clock);
    EXPECT_EQ(QDir(dir.path()).entryList({QStringLiteral("rules.json.corrupt-*")}, QDir::Dirs).size(), 1);
    rules.rememberName(QStringLiteral("X"), QStringLiteral("app:x"));
    rules.flush();
    EXPECT_EQ(fileObject().value(QStringLiteral("names")).toObject().value(QStringLiteral("app:x")),
              QJsonValue(QStringLiteral("X")));
}

} // namespace tq
