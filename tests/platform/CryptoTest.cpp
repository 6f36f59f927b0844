#include "platform/Crypto.h"

#include <gtest/gtest.h>

using namespace tq;

namespace {

QByteArray hex(const QByteArray& b) { return b.toHex(); }

TEST(Crypto, SealedBoxIsNonceCiphertextTagAndOpensWithTheKeyOnly)
{
    OpenSslCrypto crypto;
    const QByteArray key = *crypto.randomBytes(32);
    const QByteArray plain = "[{\"text\":\"hello\"}]";
    const auto box = crypto.seal(key, plain);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->size(), 12 + plain.size() + 16);
    EXPECT_EQ(crypto.open(key, *box), plain);
    EXPECT_NE(crypto.seal(key, plain), box); // a fresh nonce every time

    QByteArray otherKey = key;
    otherKey[0] = char(otherKey[0] ^ 1);
    EXPECT_FALSE(crypto.open(otherKey, *box));
    for (int i : {0, 12, int(box->size()) - 1}) {
        QByteArray altered = *box;
        altered[i] = char(altered[i] ^ 0x80);
        EXPECT_FALSE(crypto.open(key, altered)) << i;
    }
    EXPECT_FALSE(crypto.open(key, box->left(27)));
    EXPECT_FALSE(crypto.open(key.left(31), *box));
    EXPECT_FALSE(crypto.seal(key.left(16), plain));

    const auto empty = crypto.seal(key, QByteArray());
    ASSERT_TRUE(empty.has_value());
    EXPECT_EQ(empty->size(), 28);
    EXPECT_EQ(crypto.open(key, *empty), QByteArray());
}

TEST(Crypto, AesGcmMatchesAKnownVector)
{
    // NIST GCM test case 13/14 family: zero key and nonce, 16 zero bytes of plaintext.
    const QByteArray key(32, '\0');
    const QByteArray nonce(12, '\0');
    const auto box = OpenSslCrypto::sealWithNonce(key, nonce, QByteArray(16, '\0'));
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(hex(box->mid(12, 16)), "cea7403d4d606b6e074ec5d3baf39d18");
    EXPECT_EQ(hex(box->right(16)), "d0d1c8a799996bf0265b98b5d48ab919");
}

TEST(Crypto, Sha256WholeAndStreamed)
{
    EXPECT_EQ(hex(sha256("")), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(hex(sha256("abc")), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");

    Sha256 hash;
    hash.update("a");
    hash.update("");
    hash.update("bc");
    EXPECT_EQ(hex(hash.final()), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // final() starts over, as does init().
    hash.update("abc");
    EXPECT_EQ(hex(hash.final()), hex(sha256("abc")));
    hash.update("junk");
    hash.init();
    EXPECT_EQ(hex(hash.final()), hex(sha256("")));
}

} // namespace
