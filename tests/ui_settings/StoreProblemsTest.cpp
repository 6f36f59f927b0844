// The sentences the windows show about store files, over real stores in a temporary folder.

#include "ui/settings/StoreProblems.h"

#include "platform/Clock.h"
#include "platform/Defaults.h"
#include "platform/fakes/FakeCrypto.h"
#include "platform/fakes/FakeKeychain.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"

#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace tq {

namespace {
void write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

TEST(StoreProblems, EveryFileSetAsideOrUnsavedIsSaidOnce)
{
    VirtualClock clock;
    QTemporaryDir dir;
    write(dir.filePath(QStringLiteral("com.morvenfax.tessaquill.json")), "null");
    write(dir.filePath(QStringLiteral("rules.json")), "{\"rules\":");
    write(dir.filePath(QStringLiteral("stats.json")), "garbage");
    write(dir.filePath(QStringLiteral("memory.sealed")), "not sealed");
    write(dir.filePath(QStringLiteral("blocker")), "a file where a folder should be");

    JsonFileDefaults defaults(clock, dir.path());
    Preferences prefs(defaults);
    AppRules rules(dir.filePath(QStringLiteral("rules.json")), clock);
    StatsStore stats(dir.filePath(QStringLiteral("stats.json")), clock);
    stats.load();
    FakeKeychain keys;
    FakeCrypto crypto;
    WritingMemory memory(dir.filePath(QStringLiteral("memory.sealed")), Keychain(keys), crypto, clock);
    memory.load();

    StoreSet all{&prefs, &rules, &stats, &memory};
    const QStringList problems = storeProblems(all);
    ASSERT_EQ(problems.size(), 4) << problems.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(problems[0].contains(QStringLiteral("settings could not be read")));
    EXPECT_TRUE(problems[1].contains(QStringLiteral("rules could not be read")));
    EXPECT_TRUE(problems[2].contains(QStringLiteral("statistics could not be read")));
    EXPECT_EQ(problems[3], memory.problem());

    // A data folder that cannot be written: said once, and only to the panes of its stores.
    StatsStore nowhere(dir.filePath(QStringLiteral("blocker/stats.json")), clock);
    StoreSet statsOnly;
    statsOnly.stats = &nowhere;
    QWidget pane;
    QLabel* line = makeStoreProblemLine(statsOnly, &pane);
    EXPECT_TRUE(line->isHidden());
    nowhere.recordShown(clock.now());
    nowhere.flush();
    EXPECT_FALSE(line->isHidden());
    EXPECT_EQ(line->accessibleName(), QStringLiteral("Not saved: Tessaquill cannot write to its data folder."));
    StoreSet settingsOnly;
    settingsOnly.settings = &prefs;
    EXPECT_EQ(storeProblems(settingsOnly).size(), 1);
}

TEST(StoreProblems, TheSentenceNamesTheRealCause)
{
    VirtualClock clock;
    QTemporaryDir dir;
    // Two settings out of range and one of the wrong type: one sentence for them, and the
    // corrected values are on disk.
    write(dir.filePath(QStringLiteral("com.morvenfax.tessaquill.json")),
          R"({"textScale":1e308,"verticalNudge":-5000,"isEnabled":"yes","creativity":0.5})");
    JsonFileDefaults defaults(clock, dir.path());
    Preferences prefs(defaults);
    StoreSet settings;
    settings.settings = &prefs;
    EXPECT_EQ(storeProblems(settings),
              QStringList{QStringLiteral("3 settings held values Tessaquill cannot use, so they were corrected and saved.")});
    EXPECT_TRUE(Preferences(defaults).corrected().isEmpty());

    // No secret service: the memory cannot keep its key, and the folder is not to blame.
    FakeKeychain keys;
    keys.setUnreachable(true);
    FakeCrypto crypto;
    WritingMemory memory(dir.filePath(QStringLiteral("memory.sealed")), Keychain(keys), crypto, clock);
    memory.load();
    memory.record(QStringLiteral("A passage long enough to be remembered by the memory."), QStringLiteral("app:x"),
                  clock.now());
    memory.save();
    StoreSet memoryOnly;
    memoryOnly.memory = &memory;
    ASSERT_TRUE(QTest::qWaitFor([&] { return !storeProblems(memoryOnly).isEmpty(); }, 2000));
    EXPECT_EQ(storeProblems(memoryOnly),
              QStringList{QStringLiteral("Your writing memory is not saved: the keyring is missing or locked, so its key "
                                         "cannot be kept.")});
}

} // namespace tq
