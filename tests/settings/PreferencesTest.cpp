#include "platform/fakes/FakeDefaults.h"
#include "settings/Preferences.h"

#include <QDateTime>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace tq {

namespace {
const KeyCombo kTab{keycode::kTab, {}};
const KeyCombo kTrigger{keycode::kSpace, {ModifierSet::control, ModifierSet::option}};
} // namespace

TEST(Preferences, EmptyStoreReadsEveryDefault)
{
    FakeDefaults store;
    Preferences prefs(store);
    EXPECT_TRUE(prefs.isEnabled());
    EXPECT_EQ(prefs.length(), CompletionLength::medium);
    EXPECT_EQ(prefs.engine(), EngineKind::builtIn);
    EXPECT_EQ(prefs.creativity(), 0.3);
    EXPECT_EQ(prefs.acceptWordKey(), kTab);
    EXPECT_EQ(prefs.acceptAllKey(), (KeyCombo{keycode::kAboveTab, {}}));
    EXPECT_EQ(prefs.triggerKey(), kTrigger);
    EXPECT_EQ(prefs.alternativesKey(), (KeyCombo{keycode::kDown, ModifierSet::option}));
    EXPECT_EQ(prefs.toggleAppKey(), std::nullopt);
    EXPECT_TRUE(Preferences::isLocalHost(prefs.ollamaURL()));
    EXPECT_TRUE(Preferences::isLocalHost(prefs.serverURL()));
    EXPECT_TRUE(prefs.serverURL().endsWith(QLatin1String(":1234/v1")));
    EXPECT_EQ(Preferences::keys().size(), 55);
    EXPECT_EQ(store.writeCount(), 0); // reading writes nothing
}

TEST(Preferences, ReadingAcceptsOnlyExactValues)
{
    FakeDefaults store({
        {QStringLiteral("length"), QStringLiteral("Long")},
        {QStringLiteral("insertion"), QStringLiteral("paste")},
        {QStringLiteral("isEnabled"), qlonglong(2)},
        {QStringLiteral("enabledByDefault"), qlonglong(0)},
        {QStringLiteral("codeEditorsEnabled"), QStringLiteral("true")},
        {QStringLiteral("delayMilliseconds"), QStringLiteral("100")},
        {QStringLiteral("textScale"), qlonglong(2)},
        {QStringLiteral("keyHintsShown"), 2.5},
        {QStringLiteral("skinTone"), 3.0},
        {QStringLiteral("ollamaURL"), QString()},
        {QStringLiteral("serverModel"), qlonglong(7)},
        {QStringLiteral("creativity"), QDateTime::currentDateTimeUtc()},
        {QStringLiteral("acceptWordKey"), QByteArray()},
        {QStringLiteral("toggleAppKey"), QByteArray("garbage")},
        {QStringLiteral("triggerKey"), QByteArray("garbage")},
        {QStringLiteral("alternativesKey"), QStringLiteral("{\"keyCode\":1,\"modifiers\":0}")},
        {QStringLiteral("toggleGlobalKey"), QByteArray(R"({"keyCode":48,"modifiers":9})")},
    });
    Preferences prefs(store);
    EXPECT_EQ(prefs.length(), CompletionLength::medium);
    EXPECT_EQ(prefs.insertion(), InsertionMethod::paste);
    EXPECT_TRUE(prefs.isEnabled());
    EXPECT_FALSE(prefs.enabledByDefault());
    EXPECT_FALSE(prefs.codeEditorsEnabled());
    EXPECT_EQ(prefs.delayMilliseconds(), 0.0);
    EXPECT_EQ(prefs.textScale(), 1.2); // the largest size the control offers
    EXPECT_EQ(prefs.keyHintsShown(), 0);
    EXPECT_EQ(prefs.skinTone(), 3);
    EXPECT_EQ(prefs.ollamaURL(), QString());
    EXPECT_EQ(prefs.serverModel(), QStringLiteral("7"));
    EXPECT_EQ(prefs.creativity(), 0.3);
    EXPECT_EQ(prefs.acceptWordKey(), std::nullopt);
    EXPECT_EQ(prefs.toggleAppKey(), std::nullopt);
    EXPECT_EQ(prefs.triggerKey(), kTrigger);
    EXPECT_EQ(prefs.alternativesKey(), (KeyCombo{keycode::kDown, ModifierSet::option})); // text, not data
    EXPECT_EQ(prefs.toggleGlobalKey(), (KeyCombo{keycode::kTab, {ModifierSet::command, ModifierSet::shift}}));

    FakeDefaults longStore({{QStringLiteral("length"), QStringLiteral("long")},
                            {QStringLiteral("delayMilliseconds"), qlonglong(100)}});
    Preferences longPrefs(longStore);
    EXPECT_EQ(longPrefs.length(), CompletionLength::long_);
    EXPECT_EQ(longPrefs.delayMilliseconds(), 100.0);
}

TEST(Preferences, ValuesOutsideTheirControlsAreCorrectedReportedAndWrittenBack)
{
    const struct {
        const char* key;
        QVariant stored;
        QVariant read; // as it reads and is written back
    } cases[] = {
        {"textScale", 1e308, 1.2},
        {"verticalNudge", -5000.0, -4.0},
        {"verticalNudge", qlonglong(90000), 4.0},
        {"delayMilliseconds", 1e308, 800.0},
        {"delayMilliseconds", -1.0, 0.0},
        {"creativity", 7.5, 1.0},
        {"memoryStrength", qlonglong(0), 1.0},
        {"skinTone", qlonglong(9), qlonglong(0)}, // an index out of range goes back to its default
        {"keyHintsShown", qlonglong(-3), qlonglong(0)},
        {"isEnabled", QStringLiteral("yes"), true},  // wrong type
        {"engine", QStringLiteral("OpenAI"), QStringLiteral("builtIn")},
        {"triggerKey", QStringLiteral("ctrl+space"), {}}, // data of the default combo
    };
    for (const auto& c : cases) {
        const QString key = QLatin1String(c.key);
        FakeDefaults store({{key, c.stored}});
        Preferences prefs(store);
        EXPECT_EQ(prefs.corrected(), QStringList{key}) << c.key;
        if (c.read.isValid())
            EXPECT_EQ(store.stored().value(key), c.read) << c.key;
        else
            EXPECT_EQ(store.stored().value(key).metaType().id(), QMetaType::QByteArray) << c.key;
        // Sound values are left as they are, and the next read finds nothing to correct.
        EXPECT_TRUE(Preferences(store).corrected().isEmpty()) << c.key;
    }
    FakeDefaults sound({{QStringLiteral("textScale"), 1.2}, {QStringLiteral("verticalNudge"), -4.0},
                        {QStringLiteral("skinTone"), qlonglong(5)}});
    EXPECT_TRUE(Preferences(sound).corrected().isEmpty());
    EXPECT_EQ(sound.writeCount(), 0);
}

TEST(Preferences, EveryAssignmentIsWrittenButOnlyChangesAreSignalled)
{
    FakeDefaults store;
    Preferences prefs(store);
    QSignalSpy spy(&prefs, &Preferences::changed);

    prefs.setIsEnabled(true); // unchanged: still written
    EXPECT_EQ(store.stored().value(QStringLiteral("isEnabled")), QVariant(true));
    EXPECT_EQ(store.writeCount(), 1);
    EXPECT_EQ(spy.count(), 0);

    prefs.setLength(CompletionLength::short_);
    prefs.setKeyHintsShown(3);
    prefs.setDelayMilliseconds(250);
    prefs.setServerModel(QStringLiteral("qwen"));
    prefs.setAcceptWordKey(std::nullopt);
    prefs.setTriggerKey(KeyCombo{keycode::kSpace, ModifierSet::command});
    ASSERT_EQ(spy.count(), 6);
    EXPECT_EQ(spy.at(0).at(0).toString(), QStringLiteral("length"));

    const QVariantMap s = store.stored();
    EXPECT_EQ(s.value(QStringLiteral("length")), QVariant(QStringLiteral("short")));
    EXPECT_EQ(s.value(QStringLiteral("keyHintsShown")).metaType().id(), QMetaType::LongLong);
    EXPECT_EQ(s.value(QStringLiteral("delayMilliseconds")).metaType().id(), QMetaType::Double);
    EXPECT_EQ(s.value(QStringLiteral("acceptWordKey")), QVariant(QByteArray("")));
    EXPECT_EQ(s.value(QStringLiteral("triggerKey")), QVariant(QByteArray(R"({"keyCode":49,"modifiers":1})")));

    // What was written reads back the same.
    Preferences again(store);
    EXPECT_EQ(again.length(), CompletionLength::short_);
    EXPECT_EQ(again.keyHintsShown(), 3);
    EXPECT_EQ(again.acceptWordKey(), std::nullopt);
    EXPECT_EQ(again.triggerKey(), (KeyCombo{keycode::kSpace, ModifierSet::command}));
}

TEST(Preferences, ResetKeepsFlagsAndWritesEveryDefault)
{
    FakeDefaults store({}, {{QStringLiteral("NSAutomaticInlinePredictionEnabled"), false}});
    Preferences prefs(store);
    prefs.setOnboardingDone(true);
    prefs.setIntroSeen(true);
    prefs.setIntroMuted(true);
    prefs.setKeyHintsShown(5);
    prefs.setRemindHiddenIcon(false);
    prefs.setLength(CompletionLength::long_);
    prefs.setAcceptWordKey(std::nullopt);
    prefs.setCustomInstructions(QStringLiteral("Be brief."));
    store.set(QStringLiteral("migratedFromQuarmel"), true);
    store.set(QStringLiteral("AppleLanguages"), QStringList{QStringLiteral("fr")});
    store.set(QStringLiteral("someOldKey"), qlonglong(1));
    QSignalSpy spy(&prefs, &Preferences::changed);

    prefs.resetToDefaults();

    EXPECT_TRUE(prefs.onboardingDone());
    EXPECT_TRUE(prefs.introSeen());
    EXPECT_TRUE(prefs.introMuted());
    EXPECT_EQ(prefs.keyHintsShown(), 5);
    EXPECT_FALSE(prefs.remindHiddenIcon()); // running value kept until the next launch
    EXPECT_EQ(prefs.length(), CompletionLength::medium);
    EXPECT_EQ(prefs.acceptWordKey(), kTab);
    EXPECT_EQ(prefs.customInstructions(), QString());
    EXPECT_EQ(spy.count(), 3);

    const QVariantMap s = store.stored();
    EXPECT_EQ(s.value(QStringLiteral("onboardingDone")), QVariant(true));
    EXPECT_EQ(s.value(QStringLiteral("keyHintsShown")), QVariant(qlonglong(5)));
    EXPECT_TRUE(s.contains(QStringLiteral("migratedFromQuarmel")));
    EXPECT_TRUE(s.contains(QStringLiteral("AppleLanguages")));
    EXPECT_FALSE(s.contains(QStringLiteral("someOldKey")));
    EXPECT_FALSE(s.contains(QStringLiteral("remindHiddenIcon")));
    EXPECT_EQ(s.value(QStringLiteral("length")), QVariant(QStringLiteral("medium")));
    EXPECT_EQ(s.value(QStringLiteral("acceptWordKey")), QVariant(kTab.toJsonData()));
    for (const QString& key : Preferences::keys()) {
        if (key != QLatin1String("remindHiddenIcon")) {
            EXPECT_TRUE(s.contains(key)) << key.toStdString();
        }
    }
    // The global domain is not the program's to clear.
    EXPECT_EQ(store.object(QStringLiteral("NSAutomaticInlinePredictionEnabled")), QVariant(false));
    // Next launch: remindHiddenIcon is back to its default.
    EXPECT_TRUE(Preferences(store).remindHiddenIcon());
}

TEST(Preferences, ShortcutSettingsAreKnownByTheirType)
{
    QStringList shortcuts;
    for (const QString& key : Preferences::keys())
        if (Preferences::isShortcut(key))
            shortcuts << key;
    EXPECT_EQ(shortcuts, (QStringList{"acceptWordKey", "acceptAllKey", "triggerKey", "alternativesKey", "toggleAppKey",
                                      "toggleGlobalKey"}));
    EXPECT_FALSE(Preferences::isShortcut(QStringLiteral("showKeyHint")));
    EXPECT_FALSE(Preferences::isShortcut(QStringLiteral("someOtherKey")));
}

TEST(Preferences, LoopbackTest)
{
    EXPECT_TRUE(Preferences::isLocalHost(QStringLiteral("http://localhost:11434")));
    EXPECT_TRUE(Preferences::isLocalHost(QStringLiteral("http://LOCALHOST:11434")));
    EXPECT_TRUE(Preferences::isLocalHost(QStringLiteral("http://127.0.0.1:1234/v1")));
    EXPECT_TRUE(Preferences::isLocalHost(QStringLiteral("http://[::1]:8080")));
    EXPECT_TRUE(Preferences::isLocalHost(QStringLiteral("https://foo.localhost/x")));
    EXPECT_FALSE(Preferences::isLocalHost(QStringLiteral("https://api.localhost.example")));
    EXPECT_FALSE(Preferences::isLocalHost(QStringLiteral("localhost:11434")));
    EXPECT_FALSE(Preferences::isLocalHost(QStringLiteral("http://192.168.1.5:11434")));
    EXPECT_FALSE(Preferences::isLocalHost(QStringLiteral("http://0.0.0.0:11434")));
    EXPECT_FALSE(Preferences::isLocalHost(QString()));
    EXPECT_FALSE(Preferences::isLocalHost(QStringLiteral("http://local host")));
}

TEST(Preferences, EngineIsLocalFollowsTheEngineAddress)
{
    FakeDefaults store({{QStringLiteral("ollamaURL"), QString()}});
    Preferences prefs(store);
    EXPECT_TRUE(prefs.engineIsLocal());
    prefs.setEngine(EngineKind::ollama);
    EXPECT_FALSE(prefs.engineIsLocal()); // an empty address has no host
    prefs.setOllamaURL(QStringLiteral("http://localhost:11434"));
    EXPECT_TRUE(prefs.engineIsLocal());
    prefs.setEngine(EngineKind::openAI);
    prefs.setServerURL(QStringLiteral("https://api.example.com/v1"));
    EXPECT_FALSE(prefs.engineIsLocal());
    prefs.setEngine(EngineKind::apple);
    EXPECT_TRUE(prefs.engineIsLocal());
}

} // namespace tq
