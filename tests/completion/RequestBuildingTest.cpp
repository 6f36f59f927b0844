#include "completion/Prompts.h"
#include "completion/RequestBuilding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace tq;

TEST(RequestBuilding, ThanksForTheAtDefaultSettings)
{
    PromptContext ctx;
    ctx.appName = "Mail";
    RequestSettings settings; // medium, creativity 0.3, plugged in
    settings.model = "llama3";
    const BuiltRequest built = buildRequest("Thanks for the", ctx, settings);
    EXPECT_EQ(built.wordLimit, 10);
    EXPECT_EQ(built.request.maxTokens, 26);
    EXPECT_DOUBLE_EQ(built.request.temperature, 0.31);
    EXPECT_EQ(built.request.stop, QStringList{"\n"});
    EXPECT_EQ(built.request.model, "llama3");
    EXPECT_TRUE(built.request.healLast);
    EXPECT_FALSE(built.request.spaceTyped);
    EXPECT_EQ(built.request.instructions, PromptBuilder::instructions(10));
    EXPECT_EQ(built.request.prompt, PromptBuilder::instructPrompt("Thanks for the", ctx));
    EXPECT_EQ(built.request.rawPrompt, "[Context] Mail\n\nThanks for the");
}

TEST(RequestBuilding, LengthByRuleAndBattery)
{
    using L = CompletionLength;
    const struct {
        const char* name;
        std::optional<L> rule;
        L setting;
        bool onBattery, shorter;
        int words, tokens;
    } cases[] = {
        {"setting", std::nullopt, L::long_, false, true, 22, 50},
        {"rule wins", L::short_, L::long_, false, true, 4, 14},
        {"long rule on battery", L::long_, L::short_, true, true, 10, 26},
        {"medium on battery", std::nullopt, L::medium, true, true, 4, 14},
        {"short on battery stays short", std::nullopt, L::short_, true, true, 4, 14},
        {"battery without shortening", std::nullopt, L::long_, true, false, 22, 50},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RequestSettings s;
        s.ruleLength = c.rule;
        s.length = c.setting;
        s.onBattery = c.onBattery;
        s.batteryShorter = c.shorter;
        const BuiltRequest b = buildRequest("Hi", {}, s);
        EXPECT_EQ(b.wordLimit, c.words);
        EXPECT_EQ(b.request.maxTokens, c.tokens);
        EXPECT_TRUE(b.request.instructions.contains(QStringLiteral("at most %1 words").arg(c.words)));
    }
}

TEST(RequestBuilding, TemperatureAndEndingHints)
{
    EXPECT_DOUBLE_EQ(temperatureFor(0), 0.1);
    EXPECT_DOUBLE_EQ(temperatureFor(-2), 0.1);
    EXPECT_DOUBLE_EQ(temperatureFor(0.5), 0.45);
    EXPECT_DOUBLE_EQ(temperatureFor(1.0), 0.8);
    EXPECT_DOUBLE_EQ(temperatureFor(7), 0.8);
    EXPECT_DOUBLE_EQ(temperatureFor(std::numeric_limits<double>::quiet_NaN()), 0.1);

    const struct {
        QString text;
        bool heal, space;
    } cases[] = {
        {"Hello", true, false}, {"Hello ", false, true}, {"   ", false, false}, {"Hello,", false, false},
        {"Room 4", true, false}, {"Hello\t", false, false}, {"", false, false}, {QStringLiteral("\u00E9t\u00E9"), true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(healsLast(c.text), c.heal) << c.text.toStdString();
        EXPECT_EQ(endsWithTypedSpace(c.text), c.space) << c.text.toStdString();
    }
    EXPECT_EQ(customInstructions(" \n\t "), std::nullopt);
    EXPECT_EQ(customInstructions("\n I write short mails.\n"), QStringLiteral("I write short mails."));
}

TEST(RequestBuilding, ExampleCache)
{
    const QDateTime t0(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC);
    int fetches = 0;
    QString lastQuery, lastApp;
    const ExampleFetch fetch = [&](const QString& q, const QString& app, int limit) {
        ++fetches;
        lastQuery = q;
        lastApp = app;
        return QStringList{QStringLiteral("example %1 of %2").arg(fetches).arg(limit)};
    };
    std::optional<ExampleCacheEntry> cache;
    const QString forty(40, u'a'), sixty(60, u'a'), eighty(80, u'a');

    EXPECT_EQ(writingExamples(cache, "f1", "org.mail", forty, 2, t0, fetch), QStringList{"example 1 of 2"});
    EXPECT_EQ(lastApp, "app:org.mail");
    EXPECT_EQ(lastQuery, forty);
    // Same field within 90 s: cached.
    writingExamples(cache, "f1", "org.mail", forty + "b", 2, t0.addSecs(89), fetch);
    EXPECT_EQ(fetches, 1);
    // Made at 40 characters: rebuilt once the text reaches 60.
    writingExamples(cache, "f1", "org.mail", sixty, 2, t0.addSecs(10), fetch);
    EXPECT_EQ(fetches, 2);
    // Made at 60 or more: reused while the text shrinks below 60.
    writingExamples(cache, "f1", "org.mail", forty, 2, t0.addSecs(20), fetch);
    EXPECT_EQ(fetches, 2);
    // Another field, another limit, or 90 s old: rebuilt.
    writingExamples(cache, "f2", "org.mail", eighty, 2, t0.addSecs(20), fetch);
    EXPECT_EQ(fetches, 3);
    writingExamples(cache, "f2", "org.mail", eighty, 3, t0.addSecs(20), fetch);
    EXPECT_EQ(fetches, 4);
    writingExamples(cache, "f2", "org.mail", eighty, 3, t0.addSecs(110), fetch);
    EXPECT_EQ(fetches, 5);
    // The query is the last 400 characters.
    writingExamples(cache, "f3", "org.mail", QString(500, u'x') + "end", 3, t0, fetch);
    EXPECT_EQ(lastQuery.size(), 400);
    EXPECT_TRUE(lastQuery.endsWith("end"));

    EXPECT_EQ(exampleLimit(2.0), 2);
    EXPECT_EQ(exampleLimit(5.9), 5);
    EXPECT_EQ(exampleLimit(std::numeric_limits<double>::quiet_NaN()), 2);
    EXPECT_EQ(exampleLimit(std::numeric_limits<double>::infinity()), 2);
    EXPECT_EQ(exampleLimit(-3), 0);
}
