#pragma once
// In-memory keychain for tests, with switches for the failures a real secret store has.

#include "platform/Keychain.h"

#include <QMap>
#include <QPair>
#include <QSet>

namespace tq {

class FakeKeychain final : public KeychainService {
public:
    SecretLookup read(const QString& service, const QString& account) override;
    bool write(const QString& service, const QString& account, const QByteArray& secret,
               QString* error = nullptr) override;
    bool remove(const QString& service, const QString& account, QString* error = nullptr) override;
    SecretListing items(const QString& service) override;

    // Whole store locked: reads fail, listings leave every item out, writes fail.
    void setLocked(bool locked) { locked_ = locked; }
    // No secret service at all: every call fails.
    void setUnreachable(bool unreachable) { unreachable_ = unreachable; }
    // One item that exists but cannot be read (reads fail, listings leave it out).
    void setUnreadable(const QString& service, const QString& account, bool unreadable = true);
    void setWritesFail(bool fail) { writesFail_ = fail; }
    void setRemovesFail(bool fail) { removesFail_ = fail; }

    bool contains(const QString& service, const QString& account) const;
    QByteArray value(const QString& service, const QString& account) const;
    int itemCount() const { return int(items_.size()); }
    int readCount() const { return reads_; }
    int writeCount() const { return writes_; }

private:
    using Key = QPair<QString, QString>;
    QMap<Key, QByteArray> items_;
    QSet<Key> unreadable_;
    bool locked_ = false;
    bool unreachable_ = false;
    bool writesFail_ = false;
    bool removesFail_ = false;
    int reads_ = 0;
    int writes_ = 0;
};

} // namespace tq
