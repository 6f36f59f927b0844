#include "services/AppLanguage.h"

#include "platform/fakes/FakeDefaults.h"

#include <gtest/gtest.h>

namespace tq {
namespace {

class FakeRelauncher final : public Relauncher {
public:
    void flushStores() override { events << QStringLiteral("flush"); }
    bool startNewInstance(const QStringList& arguments, QString* error) override
    {
        events << QStringLiteral("start ") + arguments.join(u' ');
        if (!starts && error)
            *error = QStringLiteral("The program file is missing.");
        return starts;
    }
    void quit() override { events << QStringLiteral("quit"); }
    bool starts = true;
    QStringList events;
};

QString flagOf(const char* region)
{
    return AppLanguage::flagForRegion(QString::fromLatin1(region));
}

TEST(AppLanguage, FlagsComeFromWrittenOrLikelyRegionsAndTheSystemsOwn)
{
    struct Case {
        const char* id;
        const char* system;
        std::optional<QString> region;
        const char* expected;
    } cases[] = {
        {"en", "en-GB", QStringLiteral("GB"), "GB"},   // the system's own language shows the user's flag
        {"en", "de-DE", QStringLiteral("DE"), "US"},   // another language keeps its likely region
        {"en", "en-GB", std::nullopt, "US"},           // no current region known
        {"zh-Hant", "en", QStringLiteral("US"), "TW"},
        {"zh-Hant", "en", QStringLiteral("CN"), "HK"},
        {"zh-Hans", "zh-Hans-CN", QStringLiteral("SG"), "SG"},
        {"zh-Hant", "zh-Hans", QStringLiteral("SG"), "TW"}, // same language, other script
        {"pt-BR", "pt-PT", QStringLiteral("PT"), "BR"},     // written region always wins
        {"de", "en", QStringLiteral("US"), "DE"},
        {"fil", "en", std::nullopt, "PH"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppLanguage::flag(QString::fromLatin1(c.id), QString::fromLatin1(c.system), c.region), flagOf(c.expected))
            << c.id << " on " << c.system;
    EXPECT_EQ(AppLanguage::flagForRegion(QStringLiteral("GB")), QString::fromUtf8("\U0001F1EC\U0001F1E7"));
    EXPECT_EQ(AppLanguage::flagForRegion(QString()), QString());
}

TEST(AppLanguage, NamesInThemselvesInterfaceLanguageAndFallbacks)
{
    EXPECT_EQ(AppLanguage::displayName(QStringLiteral("de")), QStringLiteral("Deutsch"));
    EXPECT_EQ(AppLanguage::displayName(QStringLiteral("fr")), QStringLiteral("Français")); // capitalised for a list
    EXPECT_EQ(AppLanguage::nameIn(QStringLiteral("de"), QStringLiteral("fr")), QStringLiteral("allemand"));
    EXPECT_EQ(AppLanguage::displayName(QStringLiteral("qqq")), QStringLiteral("qqq"));
    for (const QString& id : AppLanguage::supported())
        EXPECT_NE(AppLanguage::displayName(id), id) << id.toStdString();
    EXPECT_EQ(AppLanguage::supported().size(), 45);
}

TEST(AppLanguage, FilterSortsByInterfaceNamesAndSearchesAllThreeNames)
{
    const QStringList all = AppLanguage::filtered(QString(), QStringLiteral("en"));
    ASSERT_EQ(all.size(), 45);
    EXPECT_EQ(all.mid(0, 3), (QStringList{QStringLiteral("ar"), QStringLiteral("bn"), QStringLiteral("ca")}));
    EXPECT_LT(all.indexOf(QStringLiteral("zh-Hans")), all.indexOf(QStringLiteral("hr"))); // "Chinese" before "Croatian"
    // German interface: "Englisch" sorts after "Deutsch", "Ukrainisch" before "Ungarisch".
    const QStringList de = AppLanguage::filtered(QString(), QStringLiteral("de"));
    EXPECT_LT(de.indexOf(QStringLiteral("de")), de.indexOf(QStringLiteral("en")));
    EXPECT_LT(de.indexOf(QStringLiteral("uk")), de.indexOf(QStringLiteral("hu")));

    struct Case {
        const char* query;
        const char* interface;
        bool findsGerman;
    } cases[] = {
        {"eutsc", "fr", true},   // only its name in itself
        {"GERMAN", "fr", true},  // only its English name, any case
        {"allem", "fr", true},   // only its name in the interface language
        {" \tdeutsch  ", "en", true},
        {"deutschland", "en", false},
    };
    for (const Case& c : cases) {
        const QStringList found = AppLanguage::filtered(QString::fromUtf8(c.query), QString::fromLatin1(c.interface));
        EXPECT_EQ(found.contains(QStringLiteral("de")), c.findsGerman) << c.query;
    }
    EXPECT_EQ(AppLanguage::filtered(QStringLiteral("   "), QStringLiteral("en")), all);
}

TEST(AppLanguage, ResolvesTheInterfaceLanguage)
{
    struct Case {
        std::optional<QString> stored;
        QStringList system;
        const char* expected;
    } cases[] = {
        {QStringLiteral("de"), {QStringLiteral("fr-FR")}, "de"},
        {QStringLiteral("xx"), {QStringLiteral("fr-FR")}, "fr"},
        {std::nullopt, {QStringLiteral("pt-BR")}, "pt-BR"},
        {std::nullopt, {QStringLiteral("zh-TW")}, "zh-Hant"},
        {std::nullopt, {QStringLiteral("zh-CN")}, "zh-Hans"},
        {std::nullopt, {QStringLiteral("gd-GB"), QStringLiteral("nb-NO")}, "nb"},
        {std::nullopt, {}, "en"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AppLanguage::resolve(c.stored, c.system), QString::fromLatin1(c.expected)) << c.expected;
}

TEST(AppLanguage, StoredChoiceReadsOnlyAnArrayOfTexts)
{
    struct Case {
        QVariant value;
        std::optional<QString> expected;
    } cases[] = {
        {QVariantList{QStringLiteral("ar"), QStringLiteral("en")}, QStringLiteral("ar")},
        {QVariantList{}, std::nullopt},
        {QStringLiteral("ar"), std::nullopt},
        {QVariantList{QStringLiteral("ar"), 3}, std::nullopt},
        {QVariant(), std::nullopt},
    };
    for (const Case& c : cases) {
        FakeDefaults defaults;
        if (c.value.isValid())
            defaults.set(QStringLiteral("AppleLanguages"), c.value);
        FakeRelauncher relauncher;
        AppLanguage language(defaults, relauncher, QStringLiteral("en"));
        EXPECT_EQ(language.override(), c.expected);
    }
    // The system's language: the global domain's list when there is one.
    FakeDefaults defaults({}, {{QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("en-GB")}}});
    FakeRelauncher relauncher;
    EXPECT_EQ(AppLanguage(defaults, relauncher, QStringLiteral("en")).system(), QStringLiteral("en-GB"));
}

TEST(AppLanguage, ApplyStoresFlushesStartsAndQuitsOnlyWhenTheNewInstanceStarted)
{
    for (const bool starts : {true, false}) {
        FakeDefaults defaults;
        FakeRelauncher relauncher;
        relauncher.starts = starts;
        AppLanguage language(defaults, relauncher, QStringLiteral("en"));
        QString error;
        const auto result = language.apply(QStringLiteral("ar"), &error);
        EXPECT_EQ(defaults.stored().value(QStringLiteral("AppleLanguages")), QVariantList{QStringLiteral("ar")});
        QStringList expected = {QStringLiteral("flush"),
                                QStringLiteral("start --open-settings general --wait-for-instance")};
        if (starts)
            expected << QStringLiteral("quit");
        EXPECT_EQ(relauncher.events, expected);
        EXPECT_EQ(result, starts ? AppLanguage::ApplyResult::started : AppLanguage::ApplyResult::failed);
        // One whole sentence of ours; the system's reason is not glued into it.
        EXPECT_EQ(error.isEmpty(), starts) << error.toStdString();
        EXPECT_FALSE(error.contains(QStringLiteral("The program file is missing.")));
    }
    FakeDefaults defaults({{QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("de")}}});
    FakeRelauncher relauncher;
    AppLanguage(defaults, relauncher, QStringLiteral("de")).apply(std::nullopt);
    EXPECT_FALSE(defaults.stored().contains(QStringLiteral("AppleLanguages")));
}

TEST(AppLanguage, RightToLeftLanguagesForceTheWritingDirectionForThisRunOnly)
{
    for (const QString& id : AppLanguage::supported()) {
        FakeDefaults defaults;
        const bool rtl = AppLanguage::applyLayoutDirection(defaults, id);
        const bool expected = id == u"ar" || id == u"fa" || id == u"he" || id == u"ur";
        EXPECT_EQ(rtl, expected) << id.toStdString();
        EXPECT_EQ(defaults.volatileDomain().value(QStringLiteral("AppleTextDirection")).toBool(), expected);
        EXPECT_EQ(defaults.volatileDomain().value(QStringLiteral("NSForceRightToLeftWritingDirection")).toBool(), expected);
        EXPECT_EQ(defaults.writeCount(), 0);
    }
}

} // namespace
} // namespace tq
