// The rules under the Keys, Your Voice, Emoji and About panes: which shortcuts collide, where the
// instructions are cut, what the found emoji are called, what a reset clears and keeps, and the
// notices file the build installs.

#include "completion/EmojiIndex.h"
#include "platform/Clock.h"
#include "platform/fakes/FakeDefaults.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "ui/settings/AboutPaneLogic.h"
#include "ui/settings/EmojiPaneLogic.h"
#include "ui/settings/KeysPaneLogic.h"
#include "ui/settings/Notices.h"
#include "ui/settings/PersonalPaneLogic.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace tq {

namespace {
const KeyCombo kTab{keycode::kTab, {}};
const KeyCombo kShiftTab{keycode::kTab, ModifierSet::shift};
const KeyCombo kAboveTab{keycode::kAboveTab, {}};
const KeyCombo kCtrlP{35, ModifierSet::control};
} // namespace

TEST(KeysDuplicateRule, NamesTheFirstCollidingPairInOneSentence)
{
    const ShortcutSet defaults{kTab, kAboveTab, KeyCombo{keycode::kSpace, ModifierSet{ModifierSet::control, ModifierSet::option}},
                               KeyCombo{keycode::kDown, ModifierSet::option}, std::nullopt, std::nullopt};
    struct Case {
        const char* name;
        ShortcutSet keys;
        QString warning;
    } cases[] = {
        {"defaults", defaults, {}},
        {"Tab as Suggest now", {kTab, kAboveTab, kTab, std::nullopt, std::nullopt, std::nullopt},
         QStringLiteral("Take the next word and Suggest now use the same keys. Only the first will work.")},
        {"three share one: the two earliest", {std::nullopt, kCtrlP, std::nullopt, kCtrlP, kCtrlP, std::nullopt},
         QStringLiteral("Take the whole suggestion and Other suggestions use the same keys. Only the first will work.")},
        {"an earlier pair wins over a later one", {kTab, kAboveTab, kAboveTab, kTab, std::nullopt, std::nullopt},
         QStringLiteral("Take the next word and Other suggestions use the same keys. Only the first will work.")},
        {"the last two use their short names", {kTab, kAboveTab, std::nullopt, std::nullopt, kCtrlP, kCtrlP},
         QStringLiteral("Pause or resume and Turn on or off use the same keys. Only the first will work.")},
        {"cleared shortcuts never collide", {std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}, {}},
        {"a cleared one beside a set one", {kTab, std::nullopt, std::nullopt, std::nullopt, std::nullopt, std::nullopt}, {}},
        {"Tab and Shift+Tab differ", {kTab, kShiftTab, std::nullopt, std::nullopt, std::nullopt, std::nullopt}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(duplicateWarning(c.keys), c.warning);
    }
}

TEST(KeysDuplicateRule, ANameHoldingAPlaceholderIsNotSubstitutedAgain)
{
    // Both names go in with one arg(): a translated name that contains "%2" stays as it is.
    const QString warning = duplicateWarning({kTab, kTab, std::nullopt, std::nullopt, std::nullopt, std::nullopt});
    EXPECT_FALSE(warning.contains(QLatin1Char('%')));
    EXPECT_TRUE(warning.startsWith(shortcutShortName(0)));
}

TEST(InstructionsCut, KeepsTheFirstLimitCharactersCountingEachEmojiAsOne)
{
    const QString thumb = QString::fromUtf8("\U0001F44D\U0001F3FD");                                  // toned: 4 UTF-16 units
    const QString family = QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467");          // joined: one character
    const QString accented = QStringLiteral("e\u0301");                                                 // combining mark
    struct Case {
        const char* name;
        QString typed;
        std::optional<QString> kept;
        QString counter;
    } cases[] = {
        {"2500 pasted into an empty field", QString(2500, QLatin1Char('a')), QString(2000, QLatin1Char('a')), QStringLiteral("2500 / 2000")},
        {"exactly 2000 stays whole", QString(2000, QLatin1Char('a')), std::nullopt, QStringLiteral("2000 / 2000")},
        {"an emoji at the edge stays whole", QString(1999, QLatin1Char('a')) + thumb + QStringLiteral("b"),
         QString(1999, QLatin1Char('a')) + thumb, QStringLiteral("2001 / 2000")},
        {"1998 and two emoji fit", QString(1998, QLatin1Char('a')) + family + thumb, std::nullopt, QStringLiteral("2000 / 2000")},
        {"combined characters count once", QString(1999, QLatin1Char('a')) + accented + accented,
         QString(1999, QLatin1Char('a')) + accented, QStringLiteral("2001 / 2000")},
        {"empty", QString(), std::nullopt, QStringLiteral("0 / 2000")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(cutInstructions(c.typed, 2000), c.kept);
        EXPECT_EQ(instructionsCounter(c.typed, 2000), c.counter);
        EXPECT_EQ(instructionsOverLimit(c.typed, 2000), c.kept.has_value());
    }
}

TEST(InstructionsCut, TheInfluenceSliderOnlyTakesWholeStepsFromOneToSix)
{
    const std::pair<double, int> cases[] = {{2.0, 2}, {0.0, 1}, {-3.0, 1}, {6.4, 6}, {40.0, 6}, {3.5, 4}, {std::nan(""), 2}};
    for (const auto& [stored, step] : cases)
        EXPECT_EQ(influenceStep(stored), step) << stored;
}

// The names come from the locale data's short names, the nearest language's first; in English
// the short code is shown, and where no name is known, none.
TEST(EmojiNames, FoundEmojiAreNamedInTheInterfaceLanguageOrNotAtAll)
{
    QTemporaryDir cldr;
    const auto write = [&](const char* file, const char* body) {
        QFile f(QDir(cldr.path()).filePath(QString::fromLatin1(file)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(R"(<?xml version="1.0" encoding="UTF-8" ?><!DOCTYPE ldml SYSTEM "../../common/dtd/ldml.dtd">)"
                           "<ldml><annotations>")
                + body + "</annotations></ldml>");
    };
    write("de.xml", "<annotation cp=\"🥳\">Feiern | Party</annotation><annotation cp=\"🥳\" type=\"tts\">Partygesicht</annotation>"
                    "<annotation cp=\"👋\" type=\"tts\">winkende Hand</annotation><annotation cp=\"❤\" type=\"tts\">rotes Herz</annotation>");
    write("pt.xml", "<annotation cp=\"🥳\" type=\"tts\">rosto festivo</annotation><annotation cp=\"👋\" type=\"tts\">mão acenando</annotation>");
    write("pt_BR.xml", "<annotation cp=\"👋\" type=\"tts\">↑↑↑</annotation><annotation cp=\"🚀\" type=\"tts\">foguete</annotation>");
    write("no.xml", "<annotation cp=\"🥳\" type=\"tts\">festfjes</annotation>");
    write("zh.xml", "<annotation cp=\"🥳\" type=\"tts\">派对脸</annotation>");

    const QString wave = QString::fromUtf8("👋");
    const QString toned = wave + EmojiIndex::skinToneModifiers()[3];
    struct Case {
        const char* language;
        EmojiItem item;
        QString name;
    } cases[] = {
        {"en", {QString::fromUtf8("🥳"), QStringLiteral("face_with_party_horn_and_party_hat")}, QStringLiteral(":face_with_party_horn_and_party_hat:")},
        {"de", {QString::fromUtf8("🥳"), QStringLiteral("x")}, QStringLiteral("Partygesicht")},
        {"de", {toned, QStringLiteral("x")}, QStringLiteral("winkende Hand")},
        {"de", {QString::fromUtf8("❤️"), QStringLiteral("x")}, QStringLiteral("rotes Herz")},
        {"de", {QString::fromUtf8("🚀"), QStringLiteral("rocket")}, QString()},
        {"pt-BR", {QString::fromUtf8("🚀"), QStringLiteral("x")}, QStringLiteral("foguete")},
        {"pt-BR", {wave, QStringLiteral("x")}, QString::fromUtf8("mão acenando")},
        {"nb", {QString::fromUtf8("🥳"), QStringLiteral("x")}, QStringLiteral("festfjes")},
        {"zh-Hant", {QString::fromUtf8("🥳"), QStringLiteral("x")}, QString()},
        {"fr", {QString::fromUtf8("🥳"), QStringLiteral("x")}, QString()},
    };
    for (const Case& c : cases) {
        const QString language = QString::fromLatin1(c.language);
        EXPECT_EQ(emojiCellName(c.item, language, EmojiNames::load(language, cldr.path())), c.name)
            << c.language << " " << c.item.emoji.toStdString();
    }
    EXPECT_TRUE(EmojiNames::load(QStringLiteral("de"), cldr.filePath(QStringLiteral("absent"))).isEmpty());
}

TEST(AboutReset, ClearsSettingsRulesAndPausesButKeepsNamesFlagsAndLanguage)
{
    VirtualClock clock;
    FakeDefaults defaults(QVariantMap{{QStringLiteral("AppleLanguages"), QVariantList{QStringLiteral("de")}}});
    Preferences prefs(defaults);
    AppRules rules(std::nullopt, clock);
    prefs.setOnboardingDone(true);
    prefs.setIntroSeen(true);
    prefs.setEngine(EngineKind::ollama);
    prefs.setCustomInstructions(QStringLiteral("I write short emails."));
    prefs.setAcceptWordKey(std::nullopt);
    prefs.setMemoryEnabled(true);
    const QString key = QStringLiteral("app:org.example.Writer");
    rules.setRule(AppRule{RuleMode::off, false, std::nullopt, std::nullopt, true}, key, QStringLiteral("Writer"));
    rules.pause(QStringLiteral("web:example.org"), 900, clock.now());
    rules.setGlobalPauseUntil(clock.now().addSecs(600));

    resetAllSettings(prefs, rules);

    EXPECT_EQ(prefs.engine(), EngineKind::builtIn);
    EXPECT_EQ(prefs.customInstructions(), QString());
    EXPECT_EQ(prefs.acceptWordKey(), Preferences::acceptWordKeyDefault());
    EXPECT_FALSE(prefs.memoryEnabled());
    EXPECT_TRUE(rules.rules().isEmpty());
    EXPECT_TRUE(rules.pauses().isEmpty());
    EXPECT_FALSE(rules.globalPauseUntil().has_value());
    EXPECT_TRUE(rules.hasPendingSave());
    // Kept: the remembered names, the first-run flags and the interface language.
    EXPECT_EQ(rules.names().value(key), QStringLiteral("Writer"));
    EXPECT_TRUE(prefs.onboardingDone());
    EXPECT_TRUE(prefs.introSeen());
    EXPECT_EQ(defaults.stored().value(QStringLiteral("AppleLanguages")), QVariantList{QStringLiteral("de")});
    EXPECT_EQ(defaults.stored().value(QStringLiteral("engine")), QStringLiteral("builtIn"));
}

TEST(AboutPaneLogic, VersionAndButtonRows)
{
    EXPECT_EQ(aboutVersionText(QStringLiteral("0.1.0")), QStringLiteral("Version 0.1.0"));
    EXPECT_EQ(aboutVersionText(QString()), QStringLiteral("Version 1.0"));
    EXPECT_TRUE(fitsInOneRow({100, 120, 110, 90}, 10, 450));
    EXPECT_FALSE(fitsInOneRow({100, 120, 110, 90}, 10, 449));
}

TEST(Notices, TheBuildPutsTheNoticesWhereTheProgramLooks)
{
    const QStringList candidates = noticesFileCandidates(QStringLiteral(TQ_BINARY_DIR "/app"));
    ASSERT_FALSE(candidates.isEmpty());
    QFile f(candidates.first());
    ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << candidates.first().toStdString();
    const QString notices = QString::fromUtf8(f.readAll());
    for (const char* needle : {"llama.cpp", "MIT", "Qt 6", "LGPLv3", "ggml", "OpenSSL", "ICU", "libsecret", "Enchant",
                               "Tesseract", "Leptonica", "xkbcommon", "libatspi"})
        EXPECT_TRUE(notices.contains(QLatin1String(needle))) << needle;
}

} // namespace tq
