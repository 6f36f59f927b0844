#include "stores/Keychain.h"

#include "platform/fakes/FakeKeychain.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

using namespace tq;

namespace {

const QString kEarlier = QStringLiteral("app.quarmel.Quarmel");

TEST(KeychainAccess, ReadWriteAndSetOverOneService)
{
    FakeKeychain store;
    Keychain keychain(store);
    EXPECT_TRUE(keychain.lookup(kServerApiKeyAccount).notFound());
    EXPECT_FALSE(keychain.read(kServerApiKeyAccount).has_value());

    keychain.set(QStringLiteral("sk-1"), kServerApiKeyAccount);
    keychain.set(QStringLiteral("sk-2 ünïcode"), kServerApiKeyAccount);
    EXPECT_EQ(store.itemCount(), 1);
    EXPECT_EQ(keychain.read(kServerApiKeyAccount), QStringLiteral("sk-2 ünïcode").toUtf8());
    EXPECT_TRUE(store.contains(QStringLiteral("com.morvenfax.tessaquill"), QStringLiteral("server-api-key")));

    keychain.set(QString(), kServerApiKeyAccount);
    EXPECT_FALSE(keychain.read(kServerApiKeyAccount).has_value());
    EXPECT_EQ(store.itemCount(), 0);

    store.write(kKeychainService, kWritingMemoryKeyAccount, "k");
    store.setLocked(true);
    EXPECT_TRUE(keychain.lookup(kWritingMemoryKeyAccount).failed());
    EXPECT_FALSE(keychain.read(kWritingMemoryKeyAccount).has_value());
}

TEST(KeychainAccess, ImportMovesOnlyWhatIsMissingHere)
{
    FakeKeychain store;
    Keychain keychain(store);
    store.write(kEarlier, QStringLiteral("server-api-key"), "earlier-api");
    store.write(kEarlier, QStringLiteral("writing-memory-key"), "earlier-memory");
    store.write(kEarlier, QStringLiteral("token"), "earlier-token");
    store.write(kEarlier, QString(), "no account");
    keychain.write("ours-api", kServerApiKeyAccount);
    keychain.write("ours-memory", kWritingMemoryKeyAccount);
    store.setUnreadable(kKeychainService, kWritingMemoryKeyAccount);

    const auto result = keychain.migrateFromEarlierProduct(kEarlier);
    EXPECT_EQ(result.moved, 1);
    EXPECT_EQ(result.kept, 2);

    // Ours wins and the earlier item stays.
    EXPECT_EQ(store.value(kKeychainService, kServerApiKeyAccount), "ours-api");
    EXPECT_EQ(store.value(kEarlier, QStringLiteral("server-api-key")), "earlier-api");
    // Ours exists but cannot be read: never overwritten.
    EXPECT_EQ(store.value(kKeychainService, kWritingMemoryKeyAccount), "ours-memory");
    EXPECT_TRUE(store.contains(kEarlier, QStringLiteral("writing-memory-key")));
    // Missing here: moved, and the earlier one removed.
    EXPECT_EQ(store.value(kKeychainService, QStringLiteral("token")), "earlier-token");
    EXPECT_FALSE(store.contains(kEarlier, QStringLiteral("token")));
    EXPECT_TRUE(store.contains(kEarlier, QString()));
}

TEST(KeychainAccess, ImportLeavesTheEarlierItemWhenTheWriteFails)
{
    FakeKeychain store;
    store.write(kEarlier, QStringLiteral("token"), "earlier-token");
    store.setWritesFail(true);
    const auto result = Keychain(store).migrateFromEarlierProduct(kEarlier);
    EXPECT_EQ(result.moved, 0);
    EXPECT_TRUE(store.contains(kEarlier, QStringLiteral("token")));
    EXPECT_FALSE(store.contains(kKeychainService, QStringLiteral("token")));

    store.setUnreachable(true);
    EXPECT_EQ(Keychain(store).migrateFromEarlierProduct(kEarlier).kept, 0);
}

// ---- the real Secret Service (runs inside tools/desktop-session.sh; skipped elsewhere)

class SecretServiceTest : public ::testing::Test {
protected:
    SecretServiceKeychain real;
    const QString service = QStringLiteral("com.morvenfax.tessaquill.test-%1").arg(QCoreApplication::applicationPid());

    void SetUp() override
    {
        QString error;
        if (!real.write(service, QStringLiteral("probe"), "probe", &error))
            GTEST_SKIP() << "No secret service reachable: " << error.toStdString();
        real.remove(service, QStringLiteral("probe"));
    }
    void TearDown() override
    {
        for (const KeychainItem& item : real.items(service).items)
            real.remove(service, item.account);
    }
};

TEST_F(SecretServiceTest, BinaryKeyWithZeroBytesSurvives)
{
    QByteArray key(32, '\0');
    for (int i = 1; i < 32; i += 2)
        key[i] = char(0xF0 + i % 16);
    ASSERT_TRUE(real.write(service, QStringLiteral("writing-memory-key"), key));
    const SecretLookup read = real.read(service, QStringLiteral("writing-memory-key"));
    ASSERT_TRUE(read.found()) << read.error.toStdString();
    EXPECT_EQ(read.data, key);
    EXPECT_EQ(read.data.size(), 32);
}

TEST_F(SecretServiceTest, NotFoundIsNotAnError)
{
    const SecretLookup read = real.read(service, QStringLiteral("never-written"));
    EXPECT_TRUE(read.notFound());
    EXPECT_TRUE(read.error.isEmpty());
    QString error;
    EXPECT_TRUE(real.remove(service, QStringLiteral("never-written"), &error)) << error.toStdString();
}

TEST_F(SecretServiceTest, WritingTwiceKeepsOneItemAndRemoveDeletesIt)
{
    ASSERT_TRUE(real.write(service, QStringLiteral("server-api-key"), "first"));
    ASSERT_TRUE(real.write(service, QStringLiteral("server-api-key"), "second"));
    ASSERT_TRUE(real.write(service, QStringLiteral("other"), "x"));
    EXPECT_EQ(real.read(service, QStringLiteral("server-api-key")).data, "second");

    const SecretListing listing = real.items(service);
    ASSERT_TRUE(listing.ok) << listing.error.toStdString();
    ASSERT_EQ(listing.items.size(), 2);
    int apiItems = 0;
    for (const KeychainItem& item : listing.items)
        apiItems += item.account == QStringLiteral("server-api-key") && item.data == "second";
    EXPECT_EQ(apiItems, 1);

    ASSERT_TRUE(real.remove(service, QStringLiteral("server-api-key")));
    EXPECT_TRUE(real.read(service, QStringLiteral("server-api-key")).notFound());
    // Other services' items are not touched.
    EXPECT_TRUE(real.read(service + QStringLiteral(".other"), QStringLiteral("other")).notFound());
    EXPECT_TRUE(real.read(service, QStringLiteral("other")).found());
}

TEST_F(SecretServiceTest, ImportMovesItemsBetweenServices)
{
    const QString earlier = service + QStringLiteral(".earlier");
    ASSERT_TRUE(real.write(earlier, QStringLiteral("token"), QByteArray("a\0b", 3)));
    Keychain ours(real, service);
    EXPECT_EQ(ours.migrateFromEarlierProduct(earlier).moved, 1);
    EXPECT_EQ(real.read(service, QStringLiteral("token")).data, QByteArray("a\0b", 3));
    EXPECT_TRUE(real.read(earlier, QStringLiteral("token")).notFound());
}

TEST(SecretServiceUnreachable, NoSessionBusIsAFailureNotAMissingItem)
{
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qputenv("XDG_RUNTIME_DIR", "/nonexistent-runtime-dir");
    SecretServiceKeychain real;
    const SecretLookup read = real.read(QStringLiteral("com.morvenfax.tessaquill.test"), QStringLiteral("x"));
    const bool wrote = real.write(QStringLiteral("com.morvenfax.tessaquill.test"), QStringLiteral("x"), "y");
    const SecretListing listing = real.items(QStringLiteral("com.morvenfax.tessaquill.test"));
    if (!bus.isNull())
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus);
    if (!runtime.isNull())
        qputenv("XDG_RUNTIME_DIR", runtime);
    else
        qunsetenv("XDG_RUNTIME_DIR");
    EXPECT_TRUE(read.failed());
    EXPECT_FALSE(read.error.isEmpty());
    EXPECT_FALSE(wrote);
    EXPECT_FALSE(listing.ok);
}

} // namespace
