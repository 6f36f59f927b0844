#pragma once
// The program's secrets: items of its own keychain service, one per account.

#include "platform/Keychain.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace tq {

inline const QString kKeychainService = QStringLiteral("com.morvenfax.tessaquill");
inline const QString kWritingMemoryKeyAccount = QStringLiteral("writing-memory-key");
inline const QString kServerApiKeyAccount = QStringLiteral("server-api-key");

class Keychain {
public:
    explicit Keychain(KeychainService& store, QString service = kKeychainService)
        : store_(&store), service_(std::move(service))
    {
    }

    // Found, not found, or could not be read (locked, no secret service, error).
    SecretLookup lookup(const QString& account) const;
    // The data when found; none when missing or unreadable.
    std::optional<QByteArray> read(const QString& account) const;
    // Adds the item or replaces its data; false when the store refused.
    bool write(const QByteArray& data, const QString& account) const;
    // A non-empty text is written as UTF-8; an empty one removes the item. Quiet.
    void set(const QString& text, const QString& account) const;

    // Takes over the items of an earlier service once: an item moves when this service has
    // nothing under its account, and the earlier item is removed only after a successful
    // write. An item of ours that exists but cannot be read is never overwritten.
    struct Migration {
        int moved = 0;
        int kept = 0; // left where they were (already ours, ours unreadable, or write failed)
    };
    Migration migrateFromEarlierProduct(const QString& earlierService) const;

    const QString& service() const { return service_; }
    KeychainService& store() const { return *store_; }

private:
    KeychainService* store_;
    QString service_;
};

} // namespace tq
