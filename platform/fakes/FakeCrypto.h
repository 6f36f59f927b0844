#pragma once
// Crypto for tests: real AES-GCM, but repeatable "random" bytes and switches for failures.

#include "platform/Crypto.h"

namespace tq {

class FakeCrypto final : public Crypto {
public:
    std::optional<QByteArray> randomBytes(int count) override;
    std::optional<QByteArray> seal(const QByteArray& key, const QByteArray& plaintext) override;
    std::optional<QByteArray> open(const QByteArray& key, const QByteArray& box) override;

    void setRandomFails(bool fail) { randomFails_ = fail; }
    void setSealFails(bool fail) { sealFails_ = fail; }
    // The next random bytes start with this value (a key of the test's choosing).
    void queueRandom(QByteArray bytes) { queued_ = std::move(bytes); }
    int sealCount() const { return seals_; }

private:
    bool randomFails_ = false;
    bool sealFails_ = false;
    QByteArray queued_;
    unsigned char counter_ = 0;
    int seals_ = 0;
};

} // namespace tq
