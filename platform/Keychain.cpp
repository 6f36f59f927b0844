// libsecret's headers use "signals" as a name, which Qt defines as a macro.
#pragma push_macro("signals")
#undef signals
#include <libsecret/secret.h>
#pragma pop_macro("signals")

#include "platform/Keychain.h"

#include <QDir>
#include <QFileInfo>
#include <QtGlobal>

namespace tq {

namespace {

// Items match on their attributes alone, so items other programs stored with the same
// "service"/"account" pair are found too.
const SecretSchema* schema()
{
    static const SecretSchema s = {
        "com.morvenfax.tessaquill.Secret",
        SECRET_SCHEMA_DONT_MATCH_NAME,
        {
            {"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
            {"account", SECRET_SCHEMA_ATTRIBUTE_STRING},
            {nullptr, SecretSchemaAttributeType(0)},
        },
        0, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
    };
    return &s;
}

struct ErrorHolder {
    GError* error = nullptr;
    ~ErrorHolder() { g_clear_error(&error); }
    QString message() const { return error ? QString::fromUtf8(error->message) : QString(); }
};

struct Attributes {
    GHashTable* table;
    Attributes(const QString& service, const QString* account)
    {
        table = g_hash_table_new_full(g_str_hash, g_str_equal, g_free, g_free);
        g_hash_table_insert(table, g_strdup("service"), g_strdup(service.toUtf8().constData()));
        if (account)
            g_hash_table_insert(table, g_strdup("account"), g_strdup(account->toUtf8().constData()));
    }
    ~Attributes() { g_hash_table_unref(table); }
};

// Without a session bus GDBus would try to autolaunch one; say plainly that there is none.
bool sessionBusExists()
{
    if (!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return !runtime.isEmpty() && QFileInfo::exists(runtime + QStringLiteral("/bus"));
}

// One use of the shared Secret Service proxy.
struct Connection {
    SecretService* service = nullptr;
    QString error;

    Connection()
    {
        if (!sessionBusExists()) {
            error = QStringLiteral("No session bus is running, so the keyring cannot be reached.");
            return;
        }
        ErrorHolder e;
        service = secret_service_get_sync(SECRET_SERVICE_NONE, nullptr, &e.error);
        if (!service)
            error = QStringLiteral("The keyring service cannot be reached: %1").arg(e.message());
    }
    ~Connection()
    {
        if (service)
            g_object_unref(service);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
};

bool fail(QString* out, const QString& why)
{
    if (out)
        *out = why;
    return false;
}

QByteArray bytesOf(SecretValue* value)
{
    gsize length = 0;
    const gchar* bytes = secret_value_get(value, &length);
    return QByteArray(bytes ? bytes : "", qsizetype(length));
}

void freeItems(GList* items) { g_list_free_full(items, g_object_unref); }

} // namespace

SecretLookup SecretServiceKeychain::read(const QString& service, const QString& account)
{
    Connection secrets;
    if (!secrets.service)
        return SecretLookup::makeFailed(secrets.error);
    Attributes attributes(service, &account);
    ErrorHolder e;
    // No SECRET_SEARCH_UNLOCK: a locked item stays locked and is reported as unreadable.
    GList* found = secret_service_search_sync(secrets.service, schema(), attributes.table,
                                              SECRET_SEARCH_LOAD_SECRETS, nullptr, &e.error);
    if (e.error)
        return SecretLookup::makeFailed(QStringLiteral("The keyring could not be searched: %1").arg(e.message()));
    if (!found)
        return SecretLookup::makeNotFound();
    auto* item = static_cast<SecretItem*>(found->data);
    SecretLookup result;
    if (SecretValue* value = secret_item_get_secret(item)) {
        result = SecretLookup::makeFound(bytesOf(value));
        secret_value_unref(value);
    } else if (secret_item_get_locked(item)) {
        result = SecretLookup::makeFailed(QStringLiteral("The keyring that holds the secret is locked."));
    } else {
        result = SecretLookup::makeFailed(QStringLiteral("The keyring did not hand out the secret."));
    }
    freeItems(found);
    return result;
}

bool SecretServiceKeychain::write(const QString& service, const QString& account, const QByteArray& secret,
                                  QString* error)
{
    Connection secrets;
    if (!secrets.service)
        return fail(error, secrets.error);
    Attributes attributes(service, &account);
    SecretValue* value = secret_value_new(secret.constData(), gssize(secret.size()), "application/octet-stream");
    const QByteArray label = QStringLiteral("%1 (%2)").arg(account, service).toUtf8();
    ErrorHolder e;
    // Storing replaces an item with the same attributes, so one item remains.
    const gboolean ok = secret_service_store_sync(secrets.service, schema(), attributes.table,
                                                  SECRET_COLLECTION_DEFAULT, label.constData(), value, nullptr, &e.error);
    secret_value_unref(value);
    return ok || fail(error, QStringLiteral("The keyring did not store the secret: %1").arg(e.message()));
}

bool SecretServiceKeychain::remove(const QString& service, const QString& account, QString* error)
{
    Connection secrets;
    if (!secrets.service)
        return fail(error, secrets.error);
    Attributes attributes(service, &account);
    ErrorHolder e;
    // False without an error means there was nothing to remove.
    secret_service_clear_sync(secrets.service, schema(), attributes.table, nullptr, &e.error);
    return !e.error || fail(error, QStringLiteral("The keyring did not remove the secret: %1").arg(e.message()));
}

SecretListing SecretServiceKeychain::items(const QString& service)
{
    SecretListing listing;
    Connection secrets;
    if (!secrets.service) {
        listing.error = secrets.error;
        return listing;
    }
    Attributes attributes(service, nullptr);
    ErrorHolder e;
    GList* found = secret_service_search_sync(secrets.service, schema(), attributes.table,
                                              SecretSearchFlags(SECRET_SEARCH_ALL | SECRET_SEARCH_LOAD_SECRETS),
                                              nullptr, &e.error);
    if (e.error) {
        listing.error = QStringLiteral("The keyring could not be searched: %1").arg(e.message());
        return listing;
    }
    listing.ok = true;
    for (GList* l = found; l; l = l->next) {
        auto* item = static_cast<SecretItem*>(l->data);
        SecretValue* value = secret_item_get_secret(item);
        if (!value)
            continue;
        KeychainItem entry;
        entry.data = bytesOf(value);
        secret_value_unref(value);
        if (GHashTable* attrs = secret_item_get_attributes(item)) {
            if (auto* account = static_cast<const char*>(g_hash_table_lookup(attrs, "account")))
                entry.account = QString::fromUtf8(account);
            g_hash_table_unref(attrs);
        }
        listing.items.append(entry);
    }
    freeItems(found);
    return listing;
}

} // namespace tq
