// The Apps & Sites list and its rule editor decided without widgets.

#include "ui/settings/AppsLogic.h"
#include "platform/Clock.h"
#include "platform/NumberFormat.h"

#include <QLocale>

#include <gtest/gtest.h>

namespace tq {

TEST(AppsLogicTest, TypedDomainsNormaliseLikeTheFieldSide)
{
    struct Case {
        const char* typed;
        std::optional<QString> domain;
    };
    const Case cases[] = {
        {"HTTPS://www.Example.com/a?b=1", QStringLiteral("example.com")},
        {"  news.example.org/path/x ", QStringLiteral("news.example.org")},
        {"example.com:8080", QStringLiteral("example.com")}, // the same host a page there reports
        {"http://example.com:8080/x", QStringLiteral("example.com")},
        {"www.docs.example.com", QStringLiteral("docs.example.com")},
        {"intranet", std::nullopt},
        {"exa mple.com", std::nullopt},
        {"", std::nullopt},
        {"https://", std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(normalizedDomain(QString::fromUtf8(c.typed)), c.domain) << c.typed;
}

TEST(AppsLogicTest, ListUnitesTheStoresFiltersAndSorts)
{
    VirtualClock clock;
    AppRules rules(std::nullopt, clock);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    AppRule off;
    off.mode = RuleMode::off;
    rules.setRule(off, QStringLiteral("app:org.gnome.gedit"));
    rules.pause(QStringLiteral("web:news.example.org"), 900, now);
    rules.rememberName(QStringLiteral("zebra notes"), QStringLiteral("app:io.zeb.Notes"));
    rules.rememberName(QStringLiteral("Alpha Mail"), QStringLiteral("app:io.alpha.Mail"));
    const QMap<QString, qint64> totals{{QStringLiteral("app:io.zeb.Notes"), 5}, {QStringLiteral("web:docs.example.com"), 5},
                                       {QStringLiteral("app:org.gnome.gedit"), 0}};

    struct Case {
        const char* search;
        QStringList apps;
        QStringList sites;
    };
    const Case cases[] = {
        {"", {"app:io.zeb.Notes", "app:io.alpha.Mail", "app:org.gnome.gedit"}, {"web:docs.example.com", "web:news.example.org"}},
        {"  \t", {"app:io.zeb.Notes", "app:io.alpha.Mail", "app:org.gnome.gedit"}, {"web:docs.example.com", "web:news.example.org"}},
        {"web:", {}, {"web:docs.example.com", "web:news.example.org"}},
        {"GNOME.ged", {"app:org.gnome.gedit"}, {}},
        {"ZEBRA", {"app:io.zeb.Notes"}, {}},
        {"nothing here", {}, {}},
    };
    for (const Case& c : cases) {
        const RuleKeyLists lists = ruleKeys(rules, totals, QString::fromUtf8(c.search));
        EXPECT_EQ(lists.apps, c.apps) << c.search;
        EXPECT_EQ(lists.sites, c.sites) << c.search;
    }
    EXPECT_EQ(rowBadge(rules, QStringLiteral("app:org.gnome.gedit"), now), RowBadge::off);
    EXPECT_EQ(rowBadge(rules, QStringLiteral("web:news.example.org"), now), RowBadge::paused);
    rules.pause(QStringLiteral("app:org.gnome.gedit"), std::nullopt, now);
    EXPECT_EQ(rowBadge(rules, QStringLiteral("app:org.gnome.gedit"), now), RowBadge::paused); // the pause hides "Off"
    EXPECT_EQ(rowBadge(rules, QStringLiteral("app:io.alpha.Mail"), now), RowBadge::none);
}

TEST(AppsLogicTest, CompactCounts)
{
    const std::pair<qint64, const char*> cases[] = {{7, "7"}, {999, "999"}, {1000, "1K"}, {1234, "1.2K"}, {12345, "12K"}, {3400000, "3.4M"}};
    for (const auto& [n, shown] : cases)
        EXPECT_EQ(compactCount(n), QString::fromUtf8(shown)) << n;
    // Each language's own short form, digits and spacing, never an English "K" with a foreign comma.
    const struct { const char* locale; qint64 n; const char* shown; } local[] = {
        {"de", 1234, "1234"}, {"de", 3400000, "3,4\u00a0Mio."}, {"fr", 1234, "1,2\u00a0k"},
        {"ja", 12345, "1.2万"}, {"ar", 1234, "١٫٢\u00a0ألف"}, {"hi", 1234, "1.2\u00a0हज़ार"},
    };
    for (const auto& c : local)
        EXPECT_EQ(compactCountText(c.n, QLocale(QString::fromLatin1(c.locale))), QString::fromUtf8(c.shown)) << c.locale;
}

TEST(AppsLogicTest, DefaultModeFollowsTheTablesAndGeneral)
{
    struct Case {
        const char* key;
        bool enabledByDefault;
        bool codeEditors;
        bool on;
    };
    const QString offApp = QString::fromLatin1(AppRules::offByDefaultApps().front().bundleID);
    const Case cases[] = {
        {"app:com.jetbrains.pycharm", true, false, false},
        {"app:com.jetbrains.pycharm", true, true, true},
        {"web:example.com", false, true, false},
        {"web:example.com", true, false, true},
        {"app:org.example.Plain", false, true, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(defaultEnabled(QString::fromLatin1(c.key), c.enabledByDefault, c.codeEditors), c.on) << c.key;
    EXPECT_FALSE(defaultEnabled(QStringLiteral("app:") + offApp, true, true));
    EXPECT_EQ(defaultModeLabel(defaultEnabled(QStringLiteral("app:com.jetbrains.goland"), true, false)), QStringLiteral("Default, off"));

    EXPECT_FALSE(ruleGroupEnabled(RuleMode::inherit, false));
    EXPECT_TRUE(ruleGroupEnabled(RuleMode::on, false));
    EXPECT_FALSE(ruleGroupEnabled(RuleMode::off, true));
}

TEST(AppsLogicTest, EditorPartsShowByRuleAndPause)
{
    AppRule rule;
    EXPECT_EQ(defaultNote(rule, InsertionMethod::typing, CompletionLength::medium),
              QStringLiteral("Default follows General: typing, medium suggestions."));
    rule.insertion = InsertionMethod::paste;
    EXPECT_FALSE(defaultNote(rule, InsertionMethod::typing, CompletionLength::medium).isEmpty());
    rule.length = CompletionLength::long_;
    EXPECT_TRUE(defaultNote(rule, InsertionMethod::typing, CompletionLength::medium).isEmpty());

    EXPECT_FALSE(showsReset(AppRule{}, false));
    EXPECT_TRUE(showsReset(AppRule{}, true));
    EXPECT_TRUE(showsReset(rule, false));
    EXPECT_EQ(pausedTitle(AppRules::distantFuture()), QStringLiteral("Paused until you resume"));
    EXPECT_TRUE(pausedTitle(QDateTime::currentDateTimeUtc().addSecs(3600)).startsWith(QStringLiteral("Paused until ")));
    EXPECT_EQ(passagesText(1), QStringLiteral("1 passage from here"));
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(passagesText(1234), QStringLiteral("1,234 passages from here"));
}

TEST(AppsLogicTest, ResetKeepsTheRememberedNameAndDropsRuleAndPause)
{
    VirtualClock clock;
    AppRules rules(std::nullopt, clock);
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QString added = QStringLiteral("app:org.example.Added");
    const QString ruleOnly = QStringLiteral("web:example.com");
    AppRule off;
    off.mode = RuleMode::off;
    rules.rememberName(QStringLiteral("Added"), added);
    for (const QString& key : {added, ruleOnly}) {
        rules.setRule(off, key);
        rules.pause(key, 900, now);
    }
    resetRule(rules, added);
    resetRule(rules, ruleOnly);
    // The added app stays listed through its name; the site listed only for its rule leaves.
    EXPECT_EQ(ruleKeys(rules, {}, {}).apps, QStringList{added});
    EXPECT_EQ(ruleKeys(rules, {}, {}).sites, QStringList());
    EXPECT_EQ(rules.names().value(added), QStringLiteral("Added"));
    EXPECT_TRUE(rules.rules().isEmpty());
    EXPECT_TRUE(rules.pauses().isEmpty());
}

} // namespace tq
