#include "platform/Crypto.h"

#include <openssl/evp.h>
#include <openssl/rand.h>

#include <climits>
#include <memory>

namespace tq {

namespace {

struct CipherFree {
    void operator()(EVP_CIPHER_CTX* c) const { EVP_CIPHER_CTX_free(c); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherFree>;

} // namespace

std::optional<QByteArray> OpenSslCrypto::randomBytes(int count)
{
    if (count < 0)
        return std::nullopt;
    QByteArray bytes(count, Qt::Uninitialized);
    if (count > 0 && RAND_bytes(reinterpret_cast<unsigned char*>(bytes.data()), count) != 1)
        return std::nullopt;
    return bytes;
}

std::optional<QByteArray> OpenSslCrypto::seal(const QByteArray& key, const QByteArray& plaintext)
{
    auto nonce = randomBytes(kNonceSize);
    if (!nonce)
        return std::nullopt;
    return sealWithNonce(key, *nonce, plaintext);
}

std::optional<QByteArray> OpenSslCrypto::open(const QByteArray& key, const QByteArray& box)
{
    return openBox(key, box);
}

std::optional<QByteArray> OpenSslCrypto::sealWithNonce(const QByteArray& key, const QByteArray& nonce,
                                                       const QByteArray& plaintext)
{
    if (key.size() != kKeySize || nonce.size() != kNonceSize || plaintext.size() > INT_MAX - kNonceSize - kTagSize)
        return std::nullopt;
    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return std::nullopt;
    const auto* k = reinterpret_cast<const unsigned char*>(key.constData());
    const auto* iv = reinterpret_cast<const unsigned char*>(nonce.constData());
    if (EVP_EncryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1
        || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceSize, nullptr) != 1
        || EVP_EncryptInit_ex(ctx.get(), nullptr, nullptr, k, iv) != 1)
        return std::nullopt;

    QByteArray box(kNonceSize + plaintext.size() + kTagSize, Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(box.data());
    std::copy(nonce.cbegin(), nonce.cend(), box.begin());
    int written = 0;
    if (!plaintext.isEmpty()
        && EVP_EncryptUpdate(ctx.get(), out + kNonceSize, &written,
                             reinterpret_cast<const unsigned char*>(plaintext.constData()), int(plaintext.size())) != 1)
        return std::nullopt;
    int tail = 0;
    if (EVP_EncryptFinal_ex(ctx.get(), out + kNonceSize + written, &tail) != 1 || written + tail != plaintext.size())
        return std::nullopt;
    if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, kTagSize, out + kNonceSize + plaintext.size()) != 1)
        return std::nullopt;
    return box;
}

std::optional<QByteArray> OpenSslCrypto::openBox(const QByteArray& key, const QByteArray& box)
{
    if (key.size() != kKeySize || box.size() < kNonceSize + kTagSize)
        return std::nullopt;
    CipherContext ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return std::nullopt;
    const auto* in = reinterpret_cast<const unsigned char*>(box.constData());
    const int length = int(box.size()) - kNonceSize - kTagSize;
    if (EVP_DecryptInit_ex(ctx.get(), EVP_aes_256_gcm(), nullptr, nullptr, nullptr) != 1
        || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_IVLEN, kNonceSize, nullptr) != 1
        || EVP_DecryptInit_ex(ctx.get(), nullptr, nullptr, reinterpret_cast<const unsigned char*>(key.constData()), in)
            != 1)
        return std::nullopt;

    QByteArray plain(length, Qt::Uninitialized);
    auto* out = reinterpret_cast<unsigned char*>(plain.data());
    int written = 0;
    if (length > 0 && EVP_DecryptUpdate(ctx.get(), out, &written, in + kNonceSize, length) != 1)
        return std::nullopt;
    // The tag is set before the final step, which fails when it does not authenticate.
    QByteArray tag = box.right(kTagSize);
    if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, kTagSize, tag.data()) != 1)
        return std::nullopt;
    int tail = 0;
    if (EVP_DecryptFinal_ex(ctx.get(), out + written, &tail) != 1 || written + tail != length)
        return std::nullopt;
    return plain;
}

// ---- SHA-256

struct DigestFree {
    void operator()(EVP_MD_CTX* c) const { EVP_MD_CTX_free(c); }
};

struct Sha256::Impl {
    std::unique_ptr<EVP_MD_CTX, DigestFree> ctx{EVP_MD_CTX_new()};
};

Sha256::Sha256() : d(std::make_unique<Impl>()) { init(); }

Sha256::~Sha256() = default;

void Sha256::init() { EVP_DigestInit_ex(d->ctx.get(), EVP_sha256(), nullptr); }

void Sha256::update(QByteArrayView data)
{
    if (!data.isEmpty())
        EVP_DigestUpdate(d->ctx.get(), data.data(), size_t(data.size()));
}

QByteArray Sha256::final()
{
    QByteArray digest(32, Qt::Uninitialized);
    unsigned int length = 0;
    EVP_DigestFinal_ex(d->ctx.get(), reinterpret_cast<unsigned char*>(digest.data()), &length);
    digest.truncate(int(length));
    init();
    return digest;
}

QByteArray sha256(QByteArrayView data)
{
    Sha256 hash;
    hash.update(data);
    return hash.final();
}

} // namespace tq
