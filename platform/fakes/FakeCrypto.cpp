#include "platform/fakes/FakeCrypto.h"

namespace tq {

std::optional<QByteArray> FakeCrypto::randomBytes(int count)
{
    if (randomFails_ || count < 0)
        return std::nullopt;
    QByteArray bytes = queued_.left(count);
    queued_.remove(0, bytes.size());
    while (bytes.size() < count)
        bytes.append(char(++counter_));
    return bytes;
}

std::optional<QByteArray> FakeCrypto::seal(const QByteArray& key, const QByteArray& plaintext)
{
    if (sealFails_)
        return std::nullopt;
    auto nonce = randomBytes(kNonceSize);
    if (!nonce)
        return std::nullopt;
    ++seals_;
    return OpenSslCrypto::sealWithNonce(key, *nonce, plaintext);
}

std::optional<QByteArray> FakeCrypto::open(const QByteArray& key, const QByteArray& box)
{
    return OpenSslCrypto::openBox(key, box);
}

} // namespace tq
