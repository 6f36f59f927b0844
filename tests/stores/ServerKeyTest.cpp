#include "stores/ServerKey.h"

#include "platform/fakes/FakeKeychain.h"
#include "stores/BlockingKeychain.h"
#include "support/Wait.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace tq;

namespace {

TEST(ServerKey, AWriteStuckInTheKeychainNeverHoldsTheCaller)
{
    auto store = std::make_shared<BlockingKeychain>();
    {
        ServerKey key{Keychain(*store)};
        key.set(QStringLiteral("sk-1"));
        EXPECT_EQ(key.state(), ServerKey::State::saving);
        EXPECT_EQ(key.typedKey(), QStringLiteral("sk-1")); // used at once
        store->release();
        EXPECT_TRUE(testwait::waitFor([&] { return key.state() == ServerKey::State::saved; }, 2000));
        EXPECT_EQ(store->stored(kServerApiKeyAccount), QByteArray("sk-1"));
    }
    // The owner ends with a write waiting on the keychain: it does not wait, and the write
    // still lands once the keychain answers.
    auto blocked = std::make_shared<BlockingKeychain>();
    QElapsedTimer timer;
    timer.start();
    {
        ServerKey key{Keychain(*blocked)};
        key.set(QStringLiteral("sk-2"));
        ASSERT_TRUE(testwait::waitFor([&] { return blocked->waitingCalls() == 1; }, 2000));
    }
    EXPECT_LT(timer.elapsed(), 1500);
    blocked->release();
    EXPECT_TRUE(testwait::waitFor([&] { return blocked->stored(kServerApiKeyAccount) == "sk-2"; }, 2000));
}

TEST(ServerKey, WithoutAKeychainTheKeyLivesForTheSession)
{
    FakeKeychain store;
    store.setUnreachable(true);
    ServerKey key{Keychain(store)};
    key.set(QStringLiteral("sk-session"));
    EXPECT_TRUE(testwait::waitFor([&] { return key.state() == ServerKey::State::sessionOnly; }, 2000));
    EXPECT_EQ(key.typedKey(), QStringLiteral("sk-session"));
}

TEST(ServerKey, PastedKeysLoseTheirEdgesAndRefuseControlCharacters)
{
    const struct {
        QString typed;
        std::optional<QString> key;
    } cases[] = {
        {QStringLiteral("sk-1"), QStringLiteral("sk-1")},
        {QStringLiteral("  sk-1\n"), QStringLiteral("sk-1")},
        {QStringLiteral("\tsk-1\r\n"), QStringLiteral("sk-1")},
        {QStringLiteral("sk\r\nX-Injected: yes"), std::nullopt},
        {QStringLiteral("sk") + QChar(0) + QStringLiteral("1"), std::nullopt},
        {QStringLiteral("sk\u20281"), std::nullopt},
        {QStringLiteral("sk\x1B[1"), std::nullopt},
        {QStringLiteral("sk\u200B1"), std::nullopt}, // zero-width space
        {QStringLiteral("sk\u00A01"), std::nullopt}, // no-break space
        {QStringLiteral("sk 1"), std::nullopt},
        {QStringLiteral("sk-\u00E91"), std::nullopt},
        {QStringLiteral("sk\u202E1"), std::nullopt},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ServerKey::normalize(c.typed), c.key) << c.typed.toStdString();
        // Every refused key is told why; the two kinds of fault are told apart.
        EXPECT_EQ(ServerKey::refusal(c.typed).isEmpty(), c.key.has_value()) << c.typed.toStdString();
    }
    EXPECT_TRUE(ServerKey::refusal(QStringLiteral("sk\r\nX")).contains(QLatin1String("line break")));
    EXPECT_TRUE(ServerKey::refusal(QStringLiteral("sk\u200B1")).contains(QLatin1String("invisible")));
}

TEST(ServerKey, AKeyTypedWhileTheStoredOneIsOnItsWayWinsOverIt)
{
    auto late = std::make_shared<BlockingKeychain>();
    late->inner.write(kKeychainService, kServerApiKeyAccount, "sk-old");
    ServerKey key{Keychain(*late)};
    key.load();
    EXPECT_EQ(key.loadState(), ServerKey::Load::reading);
    key.set(QStringLiteral("sk-new"));
    EXPECT_EQ(key.current(), QStringLiteral("sk-new"));
    late->release();
    ASSERT_TRUE(testwait::waitFor([&] { return key.state() == ServerKey::State::saved; }, 2000));
    EXPECT_EQ(key.current(), QStringLiteral("sk-new"));
    EXPECT_EQ(late->stored(kServerApiKeyAccount), QByteArray("sk-new"));
}

TEST(ServerKey, AKeyTheKeychainCannotHandOutIsSaidAndAskedForAgain)
{
    FakeKeychain store;
    store.setUnreachable(true); // no secret service
    ServerKey key{Keychain(store)};
    key.load();
    ASSERT_TRUE(testwait::waitFor([&] { return key.loadState() == ServerKey::Load::failed; }, 2000));
    EXPECT_EQ(key.current(), QString());
    EXPECT_FALSE(key.problem().isEmpty());
    store.setUnreachable(false);
    store.write(kKeychainService, kServerApiKeyAccount, "sk-\xe2\x80\x8b" "1"); // a zero-width space inside
    key.load();
    ASSERT_TRUE(testwait::waitFor([&] { return key.loadState() == ServerKey::Load::failed && store.readCount() == 2; }, 2000));
    EXPECT_EQ(key.current(), QString()); // never sent
    store.write(kKeychainService, kServerApiKeyAccount, "sk-1");
    key.load();
    ASSERT_TRUE(testwait::waitFor([&] { return key.current() == QStringLiteral("sk-1"); }, 2000));
    EXPECT_TRUE(key.problem().isEmpty());
}

TEST(ServerKey, QuittingWithAWriteStuckInTheKeychainWaitsOnlyBriefly)
{
    auto store = std::make_shared<BlockingKeychain>();
    ServerKey key{Keychain(*store)};
    key.set(QStringLiteral("sk-1"));
    QElapsedTimer timer;
    timer.start();
    EXPECT_FALSE(key.flush(Millis(200)));
    EXPECT_LT(timer.elapsed(), 1000);
    store->release();
    ASSERT_TRUE(testwait::waitFor([&] { return key.state() == ServerKey::State::saved; }, 2000));
    EXPECT_TRUE(key.flush(Millis(200)));
}

} // namespace
