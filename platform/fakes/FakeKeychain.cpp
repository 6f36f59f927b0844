#include "platform/fakes/FakeKeychain.h"

namespace tq {

namespace {
const QString kUnreachable = QStringLiteral("No session bus is running, so the keyring cannot be reached.");
const QString kLocked = QStringLiteral("The keyring that holds the secret is locked.");
} // namespace

SecretLookup FakeKeychain::read(const QString& service, const QString& account)
{
    ++reads_;
    if (unreachable_)
        return SecretLookup::makeFailed(kUnreachable);
    const Key key{service, account};
    if (!items_.contains(key))
        return SecretLookup::makeNotFound();
    if (locked_ || unreadable_.contains(key))
        return SecretLookup::makeFailed(kLocked);
    return SecretLookup::makeFound(items_.value(key));
}

bool FakeKeychain::write(const QString& service, const QString& account, const QByteArray& secret, QString* error)
{
    if (unreachable_ || locked_ || writesFail_) {
        if (error)
            *error = unreachable_ ? kUnreachable : QStringLiteral("The keyring did not store the secret.");
        return false;
    }
    ++writes_;
    items_.insert(Key{service, account}, secret);
    unreadable_.remove(Key{service, account});
    return true;
}

bool FakeKeychain::remove(const QString& service, const QString& account, QString* error)
{
    if (unreachable_ || locked_ || removesFail_) {
        if (error)
            *error = QStringLiteral("The keyring did not remove the secret.");
        return false;
    }
    items_.remove(Key{service, account});
    unreadable_.remove(Key{service, account});
    return true;
}

SecretListing FakeKeychain::items(const QString& service)
{
    SecretListing listing;
    if (unreachable_) {
        listing.error = kUnreachable;
        return listing;
    }
    listing.ok = true;
    for (auto it = items_.cbegin(); it != items_.cend(); ++it) {
        if (it.key().first != service || locked_ || unreadable_.contains(it.key()))
            continue;
        listing.items.append(KeychainItem{it.key().second, it.value()});
    }
    return listing;
}

void FakeKeychain::setUnreadable(const QString& service, const QString& account, bool unreadable)
{
    if (unreadable)
        unreadable_.insert(Key{service, account});
    else
        unreadable_.remove(Key{service, account});
}

bool FakeKeychain::contains(const QString& service, const QString& account) const
{
    return items_.contains(Key{service, account});
}

QByteArray FakeKeychain::value(const QString& service, const QString& account) const
{
    return items_.value(Key{service, account});
}

} // namespace tq
