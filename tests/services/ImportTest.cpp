#include "services/Import.h"
#include "platform/Clock.h"

#include "platform/fakes/FakeDefaults.h"
#include "platform/fakes/FakeKeychain.h"
#include "stores/BlockingKeychain.h"
#include "stores/KeychainQueue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTest>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace tq;

namespace {

void writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class ImportTest : public ::testing::Test {
protected:
    QTemporaryDir support;
    FakeDefaults defaults;
    FakeKeychain keys;
    QString earlier = support.filePath(QStringLiteral("Quarmel"));
    QString ours = support.filePath(QStringLiteral("Tessaquill"));

    QObject owner;
    KeychainQueue queue{&owner};
    void run() { migrateFromEarlierProduct(defaults, support.path(), Keychain(keys), queue); }
    QStringList entries(const QString& folder) const
    {
        return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

TEST_F(ImportTest, WithoutAnEarlierProductOnlyTheFlagIsWritten)
{
    run();
    EXPECT_EQ(defaults.stored(), (QVariantMap{{kMigratedFromEarlierProduct, true}}));
    EXPECT_EQ(defaults.writeCount(), 1);
    EXPECT_FALSE(QFileInfo::exists(ours));
    EXPECT_EQ(keys.itemCount(), 0);
    EXPECT_EQ(keys.writeCount(), 0);
}

TEST_F(ImportTest, SettingsAreCopiedUnlessOursOrAWindowFrame)
{
    defaults.set(QStringLiteral("engine"), QStringLiteral("ollama"));
    defaults.setPersistentDomain({{"engine", QStringLiteral("openAI")},
                                  {"completionLength", QStringLiteral("long")},
                                  {"pauseMs", qlonglong(350)},
                                  {"NSWindow Frame Settings", QStringLiteral("10 10 600 400")},
                                  {"shortcut", QVariantMap{{"keyCode", qlonglong(48)}, {"modifiers", qlonglong(0)}}},
                                  {"blob", QByteArray("\x00\x01", 2)}},
                                 kEarlierProductDomain);
    run();
    EXPECT_EQ(defaults.object(QStringLiteral("engine")), QStringLiteral("ollama"));
    EXPECT_EQ(defaults.object(QStringLiteral("completionLength")), QStringLiteral("long"));
    EXPECT_EQ(defaults.object(QStringLiteral("pauseMs")), qlonglong(350));
    EXPECT_EQ(defaults.object(QStringLiteral("shortcut")).toMap().value("keyCode"), qlonglong(48));
    EXPECT_EQ(defaults.object(QStringLiteral("blob")), QByteArray("\x00\x01", 2));
    EXPECT_FALSE(defaults.stored().contains(QStringLiteral("NSWindow Frame Settings")));
    // The earlier domain itself is left as it was.
    EXPECT_EQ(defaults.persistentDomain(kEarlierProductDomain).size(), 6);
}

TEST_F(ImportTest, EarlierFolderMovesInOneRenameWhenWeHaveNone)
{
    writeFile(earlier + "/rules.json", "earlier rules");
    writeFile(earlier + "/Models/model.gguf", "weights");
    run();
    EXPECT_FALSE(QFileInfo::exists(earlier));
    EXPECT_EQ(readAll(ours + "/rules.json"), "earlier rules");
    EXPECT_EQ(readAll(ours + "/Models/model.gguf"), "weights");
}

TEST_F(ImportTest, FoldersMergeWithoutReplacingOurFiles)
{
    writeFile(ours + "/rules.json", "our rules");
    writeFile(earlier + "/rules.json", "earlier rules");
    writeFile(earlier + "/stats.json", "earlier stats");
    writeFile(earlier + "/.hidden", "dot file");
    writeFile(earlier + "/Models/model.gguf", "weights");
    run();
    EXPECT_EQ(readAll(ours + "/rules.json"), "our rules");
    EXPECT_EQ(readAll(ours + "/stats.json"), "earlier stats");
    EXPECT_EQ(readAll(ours + "/.hidden"), "dot file");
    EXPECT_EQ(readAll(ours + "/Models/model.gguf"), "weights");
    // What could not move stays, and so does the earlier folder.
    EXPECT_EQ(entries(earlier), QStringList{"rules.json"});
    EXPECT_EQ(readAll(earlier + "/rules.json"), "earlier rules");
}

TEST_F(ImportTest, EmptiedEarlierFolderIsRemoved)
{
    QDir().mkpath(ours);
    writeFile(earlier + "/memory.sealed", "sealed");
    run();
    EXPECT_FALSE(QFileInfo::exists(earlier));
    EXPECT_EQ(readAll(ours + "/memory.sealed"), "sealed");
}

TEST_F(ImportTest, KeychainItemsMoveUnlessOursExistsOrCannotBeRead)
{
    keys.write(kEarlierProductDomain, kWritingMemoryKeyAccount, QByteArray(32, '\0'));
    keys.write(kEarlierProductDomain, kServerApiKeyAccount, "earlier-api");
    keys.write(kKeychainService, kServerApiKeyAccount, "our-api");
    keys.setUnreadable(kKeychainService, kServerApiKeyAccount);
    run();
    EXPECT_EQ(keys.value(kKeychainService, kWritingMemoryKeyAccount), QByteArray(32, '\0'));
    EXPECT_FALSE(keys.contains(kEarlierProductDomain, kWritingMemoryKeyAccount));
    // Ours could not be read: it is not overwritten, and the earlier item stays.
    EXPECT_EQ(keys.value(kKeychainService, kServerApiKeyAccount), "our-api");
    EXPECT_EQ(keys.value(kEarlierProductDomain, kServerApiKeyAccount), "earlier-api");
}

TEST_F(ImportTest, RunsOnceEvenAfterFailures)
{
    keys.write(kEarlierProductDomain, kServerApiKeyAccount, "earlier-api");
    keys.setUnreachable(true);
    defaults.setPersistentDomain({{"completionLength", QStringLiteral("long")}}, kEarlierProductDomain);
    run();
    EXPECT_EQ(defaults.object(kMigratedFromEarlierProduct), true);
    EXPECT_EQ(defaults.object(QStringLiteral("completionLength")), QStringLiteral("long"));

    // The earlier product's data comes back; nothing is looked at again.
    keys.setUnreachable(false);
    defaults.setPersistentDomain({{"ghostStyle", QStringLiteral("tinted")}}, kEarlierProductDomain);
    writeFile(earlier + "/stats.json", "again");
    const int writes = defaults.writeCount();
    run();
    EXPECT_FALSE(defaults.contains(QStringLiteral("ghostStyle")));
    EXPECT_EQ(defaults.writeCount(), writes);
    EXPECT_TRUE(QFileInfo::exists(earlier + "/stats.json"));
    EXPECT_FALSE(keys.contains(kKeychainService, kServerApiKeyAccount));
}

TEST(ImportFromFiles, EarlierDomainFileOfTheJsonStoreIsImported)
{
    QTemporaryDir config;
    QTemporaryDir support;
    FakeKeychain keys;
    writeFile(config.filePath(QStringLiteral("app.quarmel.Quarmel.json")),
              R"({"completionLength":"short","NSWindow Frame Main":"1 2 3 4","introSeen":true})");
    VirtualClock clock;
    {
        JsonFileDefaults defaults(clock, config.path());
        QObject owner;
        KeychainQueue queue(&owner);
        migrateFromEarlierProduct(defaults, support.path(), Keychain(keys), queue);
    }
    JsonFileDefaults reread(clock, config.path());
    EXPECT_EQ(reread.object(QStringLiteral("completionLength")), QStringLiteral("short"));
    EXPECT_EQ(reread.object(QStringLiteral("introSeen")), true);
    EXPECT_FALSE(reread.contains(QStringLiteral("NSWindow Frame Main")));
    EXPECT_EQ(reread.object(kMigratedFromEarlierProduct), true);
}

TEST_F(ImportTest, AKeyringThatDoesNotAnswerHoldsTheStartOnlyBrieflyAndLeavesTheFlagUnsetUntilItDoes)
{
    BlockingKeychain stalled;
    ASSERT_TRUE(stalled.inner.write(kEarlierProductDomain, kServerApiKeyAccount, "sk-earlier", nullptr));
    defaults.setPersistentDomain({{"engine", QStringLiteral("openAI")}}, kEarlierProductDomain);
    QElapsedTimer held;
    held.start();
    migrateFromEarlierProduct(defaults, support.path(), Keychain(stalled), queue, std::chrono::milliseconds(100));
    EXPECT_LT(held.elapsed(), 2000);
    EXPECT_EQ(defaults.object(QStringLiteral("engine")), QStringLiteral("openAI"));
    EXPECT_FALSE(defaults.contains(kMigratedFromEarlierProduct));

    stalled.release();
    ASSERT_TRUE(QTest::qWaitFor([&] { return defaults.contains(kMigratedFromEarlierProduct); }, 5000));
    EXPECT_EQ(stalled.stored(kServerApiKeyAccount), QByteArray("sk-earlier"));
}

} // namespace
