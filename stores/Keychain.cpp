#include "stores/Keychain.h"

#include "platform/Log.h"

namespace tq {

SecretLookup Keychain::lookup(const QString& account) const { return store_->read(service_, account); }

std::optional<QByteArray> Keychain::read(const QString& account) const
{
    SecretLookup result = lookup(account);
    if (!result.found())
        return std::nullopt;
    return result.data;
}

bool Keychain::write(const QByteArray& data, const QString& account) const
{
    return store_->write(service_, account, data);
}

void Keychain::set(const QString& text, const QString& account) const
{
    if (text.isEmpty())
        store_->remove(service_, account);
    else
        store_->write(service_, account, text.toUtf8());
}

Keychain::Migration Keychain::migrateFromEarlierProduct(const QString& earlierService) const
{
    Migration result;
    const SecretListing listing = store_->items(earlierService);
    if (!listing.ok || listing.items.isEmpty())
        return result;
    for (const KeychainItem& item : listing.items) {
        if (item.account.isEmpty() || item.data.isEmpty())
            continue;
        const SecretLookup ours = lookup(item.account);
        if (!ours.notFound()) {
            if (ours.failed())
                log::warning(QStringLiteral("Keychain import: an item of ours could not be read, so the earlier one stays: ")
                             + ours.error);
            ++result.kept;
            continue;
        }
        if (!write(item.data, item.account)) {
            ++result.kept;
            continue;
        }
        store_->remove(earlierService, item.account);
        ++result.moved;
    }
    return result;
}

} // namespace tq
