#include "settings/SiteNames.h"

#include <gtest/gtest.h>

namespace tq {

TEST(SiteNames, HostNamesAreTakenAndEverythingElseRefusedWithAReason)
{
    const QString notAName = QStringLiteral("That is not a website name. Type one such as wikipedia.org.");
    const QString spaces = QStringLiteral("A website name cannot hold spaces, tabs or line breaks.");
    const QString port = QStringLiteral("A port is a number from 1 to 65535.");
    const QString scheme = QStringLiteral("Only addresses that start with http or https can be added.");
    const struct {
        QString typed;
        std::optional<QString> host;
        QString problem;
    } cases[] = {
        {QStringLiteral("HTTPS://www.Example.com/a?b=1"), QStringLiteral("example.com"), {}},
        {QStringLiteral(" news.example.org/path/x "), QStringLiteral("news.example.org"), {}},
        {QStringLiteral("example.com:8080"), QStringLiteral("example.com"), {}},
        {QStringLiteral("a.b:65535"), QStringLiteral("a.b"), {}},
        {QStringLiteral("Bücher.de"), QStringLiteral("xn--bcher-kva.de"), {}},
        {QStringLiteral("127.0.0.1:8080"), QStringLiteral("127.0.0.1"), {}},
        {QStringLiteral("intranet"), std::nullopt, {}}, // still being typed
        {QStringLiteral("wikipedia."), std::nullopt, {}},
        {QStringLiteral("wikipedia.org."), QStringLiteral("wikipedia.org"), {}}, // the fully qualified form
        {QStringLiteral("http://LocalHost:3000/app"), QStringLiteral("localhost"), {}},
        {QStringLiteral("localhost."), QStringLiteral("localhost"), {}},
        {QStringLiteral("example.com.."), std::nullopt, notAName},
        {QString(), std::nullopt, {}},
        {QStringLiteral(".."), std::nullopt, notAName},
        {QStringLiteral(".example.com"), std::nullopt, notAName},
        {QStringLiteral("<h1>big.com"), std::nullopt, notAName},
        {QStringLiteral("javascript:alert(1).com"), std::nullopt, notAName},
        {QStringLiteral("user@example.com"), std::nullopt, notAName},
        {QStringLiteral("-bad.com"), std::nullopt, notAName},
        {QString(64, u'a') + QStringLiteral(".com"), std::nullopt, notAName},
        {QString(10000, u'a') + QStringLiteral(".com"), std::nullopt, notAName},
        {QStringLiteral("a.b:99999"), std::nullopt, port},
        {QStringLiteral("a.b:0"), std::nullopt, port},
        {QStringLiteral("a.b:"), std::nullopt, notAName},
        {QStringLiteral("ex\tample.com"), std::nullopt, spaces},
        {QStringLiteral("example.com\nevil.com"), std::nullopt, spaces},
        {QStringLiteral("exa mple.com"), std::nullopt, spaces},
        {QStringLiteral("javascript://example.com"), std::nullopt, scheme},
        {QStringLiteral("file:///etc/passwd.com"), std::nullopt, scheme},
    };
    for (const auto& c : cases) {
        const SiteName name = checkSiteName(c.typed);
        EXPECT_EQ(name.host, c.host) << c.typed.left(80).toStdString();
        EXPECT_EQ(name.problem, c.problem) << c.typed.left(80).toStdString();
    }
}

TEST(SiteNames, AnUnfinishedNameSentAnywayIsToldWhy)
{
    const QString whole = QStringLiteral("Type the whole name of the website, such as wikipedia.org.");
    for (const QString& typed : {QStringLiteral("intranet"), QStringLiteral("wikipedia."), QString()}) {
        EXPECT_EQ(checkSiteName(typed, true).problem, whole) << typed.toStdString();
        EXPECT_EQ(checkSiteName(typed, true).host, std::nullopt);
    }
    EXPECT_EQ(checkSiteName(QStringLiteral("wikipedia.org"), true).host, QStringLiteral("wikipedia.org"));
}

} // namespace tq
