#include "stores/ServerKey.h"

#include "platform/Log.h"

namespace tq {

ServerKey::ServerKey(Keychain keychain, QObject* parent)
    : QObject(parent), keychain_(std::move(keychain))
{
}

ServerKey::~ServerKey()
{
    if (queue_.busy())
        log::warning(QStringLiteral("The server's API key was still being stored when the program ended."));
}

std::optional<QString> ServerKey::normalize(const QString& typed)
{
    const QString key = typed.trimmed();
    for (const QChar c : key) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            return std::nullopt;
    }
    return key;
}

void ServerKey::set(const QString& key)
{
    typed_ = key;
    state_ = State::saving;
    const quint64 generation = ++generation_;
    emit stateChanged();
    queue_.run(
        [store = &keychain_.store(), service = keychain_.service(), key] {
            QString error;
            const bool ok = key.isEmpty() ? store->remove(service, kServerApiKeyAccount, &error)
                                          : store->write(service, kServerApiKeyAccount, key.toUtf8(), &error);
            return std::pair{ok, error};
        },
        [this, generation](const std::pair<bool, QString>& result) { finished(generation, result.first, result.second); });
}

void ServerKey::finished(quint64 generation, bool ok, const QString& error)
{
    if (!ok)
        log::error(QStringLiteral("The server's API key could not be stored: ") + error);
    if (generation != generation_)
        return; // a newer key is on its way
    state_ = ok ? State::saved : State::sessionOnly;
    emit stateChanged();
}

} // namespace tq
