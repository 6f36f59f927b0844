#pragma once
// Symmetric sealing (AES-256-GCM) and SHA-256 over OpenSSL 3.
//
// A sealed box is laid out as 12-byte nonce, ciphertext (as long as the plaintext), 16-byte
// authentication tag; no associated data.

#include <QByteArray>
#include <QByteArrayView>

#include <memory>
#include <optional>

namespace tq {

class Crypto {
public:
    static constexpr int kKeySize = 32;
    static constexpr int kNonceSize = 12;
    static constexpr int kTagSize = 16;

    virtual ~Crypto() = default;

    // Cryptographically random bytes; none when the generator fails.
    virtual std::optional<QByteArray> randomBytes(int count) = 0;
    // Seals under a fresh random nonce. None for a key that is not 32 bytes or on failure.
    virtual std::optional<QByteArray> seal(const QByteArray& key, const QByteArray& plaintext) = 0;
    // Opens a sealed box, authenticating its tag. None for a wrong key, a short, truncated or
    // altered box, or a key that is not 32 bytes.
    virtual std::optional<QByteArray> open(const QByteArray& key, const QByteArray& box) = 0;
};

class OpenSslCrypto final : public Crypto {
public:
    std::optional<QByteArray> randomBytes(int count) override;
    std::optional<QByteArray> seal(const QByteArray& key, const QByteArray& plaintext) override;
    std::optional<QByteArray> open(const QByteArray& key, const QByteArray& box) override;

    // Sealing with a given 12-byte nonce (the fake uses it for repeatable boxes).
    static std::optional<QByteArray> sealWithNonce(const QByteArray& key, const QByteArray& nonce,
                                                   const QByteArray& plaintext);
    static std::optional<QByteArray> openBox(const QByteArray& key, const QByteArray& box);
};

// SHA-256 of a whole buffer (32 raw bytes).
QByteArray sha256(QByteArrayView data);

// Streaming SHA-256 for data that arrives in pieces: init(), update() any number of times,
// final() for the 32-byte digest, after which the hash starts over (as does init()).
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256&) = delete;
    Sha256& operator=(const Sha256&) = delete;

    void init();
    void update(QByteArrayView data);
    QByteArray final();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tq
