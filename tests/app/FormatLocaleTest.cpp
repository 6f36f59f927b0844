// The locale of numbers and dates: the interface language in the desktop's region when that
// pair is a known locale; and the words chart's short dates in each locale's own order.

#include "app/Localization.h"
#include "platform/NumberFormat.h"

#include <gtest/gtest.h>

namespace tq {

TEST(FormatLocale, TheLanguageTakesTheRegionOfTheDesktopWhereThePairExists)
{
    struct Case {
        const char* language;
        const char* system;
        const char* formats; // QLocale::name()
        const char* thousands;
    };
    const Case cases[] = {
        {"de", "de_CH", "de_CH", "12’345"}, {"es", "es_MX", "es_MX", "12,345"}, {"en", "en_IN", "en_IN", "12,345"},
        {"pt-BR", "pt_PT", "pt_PT", "12\u00a0345"}, {"ar", "ar_MA", "ar_MA", "12.345"},
        {"de", "fr_CH", "de_CH", "12’345"},                 // the region, not the system's language
        {"de", "ja_JP", "de_DE", "12.345"},                 // no German of Japan: the language's own
        {"ar", "en_US", "ar_EG", "١٢٬٣٤٥"},                  // an Arabic interface counts in its digits
        {"zh-Hant", "zh_HK", "zh_HK", "12,345"}, {"zh-Hans", "zh_TW", "zh_CN", "12,345"},
    };
    for (const Case& c : cases) {
        const QLocale locale = formatLocale(QString::fromLatin1(c.language), QLocale(QString::fromLatin1(c.system)));
        EXPECT_EQ(locale.name(), QString::fromLatin1(c.formats)) << c.language << " " << c.system;
        EXPECT_EQ(locale.toString(12345), QString::fromUtf8(c.thousands)) << c.language << " " << c.system;
    }
}

TEST(FormatLocale, ShortDatesFollowTheLocalesOwnPattern)
{
    const QDate date(2026, 3, 12);
    const std::pair<const char*, const char*> cases[] = {
        {"en_US", "Mar 12"}, {"en_GB", "12 Mar"}, {"de_DE", "12. März"}, {"ja_JP", "3月12日"}, {"ko_KR", "3월 12일"},
    };
    for (const auto& [name, shown] : cases)
        EXPECT_EQ(dateText(date, "dMMM", QLocale(QString::fromLatin1(name))), QString::fromUtf8(shown)) << name;
}

} // namespace tq
