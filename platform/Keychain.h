#pragma once
// The system's secret store: items per (service, account) holding arbitrary bytes. On Linux
// the Secret Service (gnome-keyring, KWallet) through libsecret.
//
// A read tells "not found" apart from "could not read" (locked keyring, no secret service,
// any other error): callers that would otherwise make a new secret must only do so when the
// old one is really not there.

#include <QByteArray>
#include <QList>
#include <QString>

namespace tq {

struct SecretLookup {
    enum class Status { found, notFound, failed };
    Status status = Status::notFound;
    QByteArray data; // the secret, when found
    QString error;   // a sentence saying why it could not be read, when failed

    bool found() const { return status == Status::found; }
    bool notFound() const { return status == Status::notFound; }
    bool failed() const { return status == Status::failed; }
    static SecretLookup makeFound(QByteArray data) { return {Status::found, std::move(data), {}}; }
    static SecretLookup makeNotFound() { return {Status::notFound, {}, {}}; }
    static SecretLookup makeFailed(QString error) { return {Status::failed, {}, std::move(error)}; }
};

struct KeychainItem {
    QString account;
    QByteArray data;
};

struct SecretListing {
    bool ok = false;          // false: the store could not be searched at all
    QList<KeychainItem> items;  // readable items only; locked ones are left out
    QString error;
};

class KeychainService {
public:
    virtual ~KeychainService() = default;

    // Never asks the user to unlock anything: a locked item reads as failed.
    virtual SecretLookup read(const QString& service, const QString& account) = 0;
    // Adds the item, or replaces the secret of the one already there (one item remains).
    virtual bool write(const QString& service, const QString& account, const QByteArray& secret,
                       QString* error = nullptr) = 0;
    // True when no item is left for the account (removed, or there was none).
    virtual bool remove(const QString& service, const QString& account, QString* error = nullptr) = 0;
    // Every item of a service whose secret can be read without asking the user.
    virtual SecretListing items(const QString& service) = 0;
};

// Items of the Secret Service's default collection with the attributes "service" and
// "account"; secrets are stored as binary values ("application/octet-stream").
class SecretServiceKeychain final : public KeychainService {
public:
    SecretLookup read(const QString& service, const QString& account) override;
    bool write(const QString& service, const QString& account, const QByteArray& secret,
               QString* error = nullptr) override;
    bool remove(const QString& service, const QString& account, QString* error = nullptr) override;
    SecretListing items(const QString& service) override;
};

} // namespace tq
