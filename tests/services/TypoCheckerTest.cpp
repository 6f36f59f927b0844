#include "services/TypoChecker.h"
#include "platform/SpellChecker.h"
#include "platform/fakes/FakeSpellChecker.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tq {
namespace {

using Fix = TypoChecker::Fix;

// The real checker: Enchant with the hunspell en_US dictionary.
class RealSpelling : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        checker = new EnchantSpellChecker;
        checker->waitForWordList({});
    }
    static void TearDownTestSuite() { delete checker; }
    void SetUp() override
    {
        if (!checker->isAvailable())
            GTEST_SKIP() << "no en_US dictionary for Enchant";
    }
    static EnchantSpellChecker* checker;
};
EnchantSpellChecker* RealSpelling::checker = nullptr;

TEST_F(RealSpelling, FixOffersTheCorrectionOfAFinishedMisspelledWord)
{
    TypoChecker typo(*checker);
    EXPECT_EQ(typo.fix(QStringLiteral("I saw teh ")), (Fix{QStringLiteral("teh"), QStringLiteral("the")}));
    EXPECT_EQ(typo.fix(QStringLiteral("we recieve ")), (Fix{QStringLiteral("recieve"), QStringLiteral("receive")}));

    EXPECT_EQ(typo.fix(QStringLiteral("I saw teh  ")), std::nullopt);  // two spaces
    EXPECT_EQ(typo.fix(QStringLiteral("I saw teh")), std::nullopt);    // not finished
    EXPECT_EQ(typo.fix(QStringLiteral("I saw Teh ")), std::nullopt);   // capitalised
    EXPECT_EQ(typo.fix(QStringLiteral("I saw tq ")), std::nullopt);    // two letters
    EXPECT_EQ(typo.fix(QStringLiteral("I saw the ")), std::nullopt);   // spelled right
    EXPECT_EQ(typo.fix(QStringLiteral("teh, ")), std::nullopt);        // no word before the space
    EXPECT_EQ(typo.fix(QStringLiteral(" ")), std::nullopt);
    EXPECT_EQ(typo.fix(QString()), std::nullopt);
}

TEST_F(RealSpelling, ApostrophesAndOtherScripts)
{
    EXPECT_FALSE(checker->isMisspelled(QStringLiteral("don't")));
    EXPECT_FALSE(checker->isMisspelled(QStringLiteral("don\u2019t")));
    EXPECT_FALSE(checker->isMisspelled(QStringLiteral("'quoted'")));
    EXPECT_TRUE(checker->isMisspelled(QStringLiteral("wouldnt")));

    // The English dictionary does not judge other scripts: no fixes, no holds.
    TypoChecker typo(*checker);
    EXPECT_FALSE(checker->isMisspelled(QStringLiteral("привет")));
    EXPECT_EQ(typo.fix(QStringLiteral("привет ")), std::nullopt);
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("Он сказал привет")));
}

TEST_F(RealSpelling, LooksLikeTypoOnlyForLongLowerCaseWordsNothingStartsWith)
{
    TypoChecker typo(*checker);
    EXPECT_TRUE(typo.looksLikeTypo(QStringLiteral("this is xqzt")));
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("this is xqz")));    // 3 letters
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("this is Xqzt")));   // a capital
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("this is xqzt ")));  // the word is over
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("I use tess")));     // starts the program's name
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("I use tessaqu")));
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("I was runnin")));   // "running" starts with it
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("all of this")));    // spelled right
    // The start of a longer word typed earlier in the same text.
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("Zorblax-grade parts; the zorb")));
    EXPECT_TRUE(typo.looksLikeTypo(QStringLiteral("grade parts; the zorb")));
}

TEST_F(RealSpelling, WordListsAreBuiltOnFirstUseOnlyWhileWantedAndFreedAfter)
{
    EnchantSpellChecker spelling;
    EXPECT_TRUE(spelling.wordLists().isEmpty()) << "nothing is built before it is asked for";
    spelling.setWordListsWanted(false);
    EXPECT_EQ(spelling.startsWord(QStringLiteral("runn"), {}), std::nullopt);
    EXPECT_TRUE(spelling.wordLists().isEmpty());

    spelling.setWordListsWanted(true);
    TypoChecker typo(spelling);
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("this is xqzt"))) << "unknown until the dictionary is open";
    spelling.waitForDictionaries();
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("this is xqzt"))) << "unknown until the list is built";
    EXPECT_EQ(spelling.wordLists(), QStringList{QStringLiteral("en_US")});
    ASSERT_TRUE(spelling.waitForWordList({}));
    EXPECT_TRUE(typo.looksLikeTypo(QStringLiteral("this is xqzt")));
    EXPECT_EQ(spelling.startsWord(QStringLiteral("runn"), {}), true);
    EXPECT_EQ(spelling.startsWord(QStringLiteral("wouldn\u2019"), {}), true);

    spelling.setWordListsWanted(false);
    EXPECT_TRUE(spelling.wordLists().isEmpty());
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("this is xqzt")));
    EXPECT_EQ(typo.fix(QStringLiteral("I saw teh ")), (Fix{QStringLiteral("teh"), QStringLiteral("the")})) << "fixes need no list";
}

// The writers' dictionaries as installed: each word typed letter by letter (from its fourth,
// as the hold starts there) is never held back, while a run of letters no word starts with is
// (where the list is trusted).
TEST(DictionaryWordLists, WordsTypedMidWordAreNotTypos)
{
    const struct {
        const char* language;
        std::vector<const char*> words;
        const char* nonsense; // null: the list has too many forms to be built, and is not trusted
    } cases[] = {
        {"en_US", {"unfinished", "runners", "wouldn't"}, "xqzt"},
        // compounds
        {"de_DE", {"arbeitszimmer", "kundenfreundlich", "haustürschlüssel", "wasserdicht", "straßenbahnhaltestelle"}, "xqzt"},
        // ISO-8859-2
        {"pl_PL", {"dziękuję", "przyjaciółka", "źdźbło", "zażółcić", "najpiękniejszych"}, "xqzt"},
        // ISO-8859-7
        {"el_GR", {"καλημέρα", "ευχαριστώ", "αποτέλεσμα"}, "ξξξξξ"},
        // flag aliases
        {"ar", {"المدرسة", "والمكتبات", "كتابهم"}, "ظظظظظ"},
        {"hr_HR", {"prijateljica", "hvala", "nevjerojatno"}, "xqzt"},
        {"hu_HU", {"barátságos", "szeretnék", "köszönöm", "villamosmérnök"}, nullptr},
        {"ko_KR", {"대한민국", "컴퓨터는"}, nullptr},
    };
    for (const auto& c : cases) {
        const QString language = QString::fromUtf8(c.language);
        EnchantSpellChecker spelling({language});
        ASSERT_EQ(spelling.dictionaries(), QStringList{language}) << "the dictionary is installed by tools/setup.sh";
        ASSERT_EQ(spelling.waitForWordList(language), c.nonsense != nullptr) << c.language;
        TypoChecker typo(spelling);
        for (const char* w : c.words) {
            const QList<uint> letters = QString::fromUtf8(w).toUcs4();
            for (qsizetype n = 4; n <= letters.size(); ++n) {
                const QString typed = QString::fromUcs4(reinterpret_cast<const char32_t*>(letters.constData()), n);
                EXPECT_FALSE(typo.looksLikeTypo(typed)) << c.language << ": " << typed.toStdString();
            }
        }
        if (c.nonsense) {
            EXPECT_TRUE(typo.looksLikeTypo(QString::fromUtf8(c.nonsense))) << c.language;
        }
    }
}

// Lists that cannot be read or understood: no word is called a typo for lack of words.
TEST(HunspellWordList, UnreadableOrNotUnderstoodListsAreNotTrusted)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& text) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    write("flags.aff", "FLAG wide\n");
    write("flags.dic", "1\nword\n");
    write("set.aff", "SET NO-SUCH-SET\n");
    write("set.dic", "1\nword\n");
    write("nodic.aff", "SET UTF-8\n");
    for (const char* base : {"flags", "set", "nodic", "missing"})
        EXPECT_FALSE(HunspellWordList::load(dir.filePath(QString::fromLatin1(base))).isTrusted()) << base;
}

// The writer's languages: German first, then English.
class WritersLanguages : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        checker = new EnchantSpellChecker({QStringLiteral("de_DE.UTF-8"), QStringLiteral("en")});
        checker->waitForDictionaries();
    }
    static void TearDownTestSuite() { delete checker; }
    void SetUp() override
    {
        if (checker->dictionaries() != QStringList{QStringLiteral("de_DE"), QStringLiteral("en_US")})
            GTEST_SKIP() << "needs the de_DE and en_US dictionaries";
    }
    static EnchantSpellChecker* checker;
};
EnchantSpellChecker* WritersLanguages::checker = nullptr;

TEST_F(WritersLanguages, CorrectWordsOfEitherLanguageGetNoFixAndFixesComeInTheTextsLanguage)
{
    TypoChecker typo(*checker);
    for (const char* text : {"ich gehe heute und morgen mit dir nach hause ", "danke und tsch\u00fcss ", "we went home today "})
        EXPECT_EQ(typo.fix(QString::fromUtf8(text)), std::nullopt) << text;
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("wir sehen uns morgen")));

    EXPECT_EQ(checker->languageOf(QStringLiteral("ich gehe heute nach hause")), QStringLiteral("de_DE"));
    EXPECT_EQ(checker->languageOf(QStringLiteral("I saw the house today")), QStringLiteral("en_US"));
    EXPECT_EQ(typo.fix(QStringLiteral("wir fahren schnel ")), (Fix{QStringLiteral("schnel"), QStringLiteral("schnell")}));
    EXPECT_EQ(typo.fix(QStringLiteral("I saw teh ")), (Fix{QStringLiteral("teh"), QStringLiteral("the")}));
    EXPECT_EQ(checker->languageOf(QStringLiteral("teh ")), QStringLiteral("de_DE")) << "a lone word: the first language";

    // A text in a language without a dictionary: nothing is misspelled.
    const QString italian = QStringLiteral("ciao come stai oggi amico mio, andiamo ");
    EXPECT_EQ(checker->languageOf(italian), QString());
    EXPECT_EQ(typo.fix(italian), std::nullopt);
    EXPECT_EQ(typo.fix(QStringLiteral("ciao come stai oggi amico mio, andiamoo ")), std::nullopt);
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("ciao come stai oggi amico mio, andiamoo")));
}

TEST(WritersLanguagesMatching, EachLanguageFindsItsDictionary)
{
    const QStringList available{"de_AT", "de_DE", "en_AU", "en_US", "fr", "fr_FR", "nb_NO", "pt_BR", "pt_PT", "tl"};
    const struct {
        const char* language;
        const char* dictionary;
    } cases[] = {{"de", "de_DE"},      {"de_CH.UTF-8", "de_DE"}, {"de-AT", "de_AT"},   {"en_GB.UTF-8", "en_US"},
                 {"en", "en_US"},      {"fr_CA", "fr_FR"},       {"pt-BR", "pt_BR"},   {"pt", "pt_PT"},
                 {"no", "nb_NO"},      {"fil", "tl"},            {"zh-Hans", ""},      {"C.UTF-8", ""},
                 {"sr@latin", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(EnchantSpellChecker::matchDictionary(QString::fromUtf8(c.language), available), QString::fromUtf8(c.dictionary))
            << c.language;
    EXPECT_EQ(EnchantSpellChecker::layoutLanguage(QStringLiteral("us(intl)")), QStringLiteral("en_US"));
    EXPECT_EQ(EnchantSpellChecker::layoutLanguage(QStringLiteral("ch")), QStringLiteral("de_CH"));
}

TEST(TypoChecker, NothingIsATypoInATextOfNoDictionarysLanguage)
{
    FakeSpellChecker spell;
    spell.corrections.insert(QStringLiteral("wrold"), QStringLiteral("world"));
    TypoChecker typo(spell);
    EXPECT_EQ(typo.fix(QStringLiteral("hello wrold ")), (Fix{QStringLiteral("wrold"), QStringLiteral("world")}));
    EXPECT_TRUE(typo.looksLikeTypo(QStringLiteral("hello wrold")));
    spell.language.clear();
    EXPECT_EQ(typo.fix(QStringLiteral("hello wrold ")), std::nullopt);
    EXPECT_FALSE(typo.looksLikeTypo(QStringLiteral("hello wrold")));
}

TEST(TypoChecker, LastWordKeepsApostrophesInsideTheWord)
{
    EXPECT_EQ(TypoChecker::lastWord(QStringLiteral("I think it's")), QStringLiteral("it's"));
    EXPECT_EQ(TypoChecker::lastWord(QStringLiteral("I think it\u2019s")), QStringLiteral("it\u2019s"));
    EXPECT_EQ(TypoChecker::lastWord(QStringLiteral("hello, ")), QString());
    EXPECT_EQ(TypoChecker::lastWord(QStringLiteral("well-known")), QStringLiteral("known"));
    EXPECT_EQ(TypoChecker::lastWord(QStringLiteral("na\u00EFve caf\u0065\u0301")), QStringLiteral("caf\u0065\u0301"));
    EXPECT_EQ(TypoChecker::lastWord(QStringLiteral("x \U0001D400\U0001D401")), QStringLiteral("\U0001D400\U0001D401"));
    EXPECT_EQ(TypoChecker::lastWord(QString()), QString());
}

TEST(TypoChecker, KnownPrefixLooksAtEarlierWordsOnly)
{
    EXPECT_TRUE(TypoChecker::isKnownPrefix(QStringLiteral("tessa"), QStringLiteral("tessa")));
    EXPECT_TRUE(TypoChecker::isKnownPrefix(QStringLiteral("grap"), QStringLiteral("Grapefruit and grap")));
    EXPECT_TRUE(TypoChecker::isKnownPrefix(QStringLiteral("grap"), QStringLiteral("grap grap")));
    // The word itself at the end is not an earlier word.
    EXPECT_FALSE(TypoChecker::isKnownPrefix(QStringLiteral("grap"), QStringLiteral("and grap")));
    // Any non-letter ends a run.
    EXPECT_FALSE(TypoChecker::isKnownPrefix(QStringLiteral("grap"), QStringLiteral("g-rapefruit gr4pe and grap")));
}

class FakeChecker final : public SpellChecker {
public:
    bool isMisspelled(const QString&) override { return true; }
    QString languageOf(const QString&) override { return QStringLiteral("xx"); }
    QString correction(const QString&, const QString&) override { return QStringLiteral("checker"); }
    std::optional<bool> startsWord(const QString&, const QString&) override { return false; }
};

TEST(TypoChecker, CorrectionTableReplacesTheChecker)
{
    FakeChecker checker;
    TypoChecker table(checker, TypoChecker::Corrections{{QStringLiteral("wrold"), QStringLiteral("world")}});
    EXPECT_TRUE(table.isMisspelled(QStringLiteral("wrold")));
    EXPECT_FALSE(table.isMisspelled(QStringLiteral("anything")));
    EXPECT_EQ(table.fix(QStringLiteral("hello wrold ")), (Fix{QStringLiteral("wrold"), QStringLiteral("world")}));
    EXPECT_EQ(table.fix(QStringLiteral("hello anything ")), std::nullopt);

    TypoChecker empty(checker, TypoChecker::Corrections{});
    EXPECT_FALSE(empty.isMisspelled(QStringLiteral("wrold")));
    EXPECT_EQ(empty.fix(QStringLiteral("hello wrold ")), std::nullopt);

    TypoChecker plain(checker);
    EXPECT_EQ(plain.fix(QStringLiteral("hello wrold ")), (Fix{QStringLiteral("wrold"), QStringLiteral("checker")}));
}

// A small dictionary exercising the affix rules, flag aliases, encodings and compounds.
TEST(HunspellWordList, ExpandsAffixesAndFindsWordsByPrefix)
{
    QTemporaryDir dir;
    auto write = [&](const char* name, const QByteArray& text) {
        QFile f(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    };
    // Latin-2 bytes: "\xB3" is "ł"; flags by alias, "C" words begin compounds, "E" end them,
    // "O" ones only stand in compounds.
    write("xx.aff",
          "SET ISO8859-2\nFORBIDDENWORD !\nCOMPOUNDBEGIN C\nCOMPOUNDEND E\nONLYINCOMPOUND O\nCOMPOUNDMIN 2\n"
          "AF 6\nAF GU\nAF D\nAF !\nAF CO\nAF E\nAF S\n"
          "PFX U Y 1\nPFX U 0 un .\n\n"
          "SFX G Y 2\nSFX G e ing e\nSFX G 0 ing [^e]\n\n"
          "SFX D N 2\nSFX D y ied [^aeiou]y\nSFX D 0 ed [^y]\n\n"
          "SFX S Y 1\nSFX S 0 s/4 .\n");
    write("xx.dic", "7\nbake/1\ntry/2\nplay/2\nHelen\nheck/3\nfunds/4\nbox/5\nwork/6\nsi\xB3" "a\n");
    const HunspellWordList list = HunspellWordList::load(dir.filePath("xx"));
    ASSERT_TRUE(list.isTrusted());
    const struct {
        const char* partial;
        bool starts;
    } cases[] = {
        {"bak", true},       {"bakin", true},  {"unbakin", true}, {"trie", true}, {"playe", false}, // [^y]
        {"HELE", true},      {"hec", false},   {"siła", true},    {"SIŁ", true},  {"sil", false},
        {"fundsbo", true},   {"fundsbox", true}, {"funds", true}, {"fundsx", false},
        {"workbo", false},   {"worksbo", true}, {"boxfund", false}, {"worksplay", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(list.startsWord(QString::fromUtf8(c.partial)), c.starts) << c.partial;
}

} // namespace
} // namespace tq
