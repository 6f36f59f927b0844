#include "stores/ServerKey.h"

#include "platform/Log.h"
#include "platform/Text.h"

#include <QStringDecoder>
#include <QThread>

#include <chrono>

namespace tq {

ServerKey::ServerKey(Keychain keychain, QObject* parent)
    : QObject(parent), keychain_(std::move(keychain))
{
}

ServerKey::~ServerKey()
{
    if (queue_.busy() && state_ == State::saving)
        log::warning(QStringLiteral("The server's API key was still being stored when the program ended."));
}

QString ServerKey::current() const { return typed_ ? *typed_ : stored_; }

namespace {
bool isKeyCharacter(QChar c) { return c.unicode() > 0x20 && c.unicode() < 0x7F; }
} // namespace

std::optional<QString> ServerKey::normalize(const QString& typed)
{
    const QString key = typed.trimmed();
    for (const QChar c : key)
        if (!isKeyCharacter(c))
            return std::nullopt;
    return key;
}

QString ServerKey::refusal(const QString& typed)
{
    const QString key = typed.trimmed();
    bool control = false;
    bool other = false;
    for (const QChar c : key) {
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Separator_Line
            || category == QChar::Separator_Paragraph)
            control = true;
        else if (!isKeyCharacter(c))
            other = true;
    }
    if (control)
        return text("The key holds a line break or another control character. Paste it again without them.");
    if (other)
        return text("The key holds a space, an invisible character or a letter outside plain ASCII. Paste it again "
                    "exactly as your server gave it.");
    return {};
}

ServerKey::Read ServerKey::readStored(const Keychain& keychain)
{
    const SecretLookup lookup = keychain.lookup(kServerApiKeyAccount);
    if (lookup.notFound())
        return Read{Load::none, {}, {}};
    if (lookup.failed())
        return Read{Load::failed, {}, lookup.error};
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(lookup.data);
    if (decoder.hasError())
        return Read{Load::failed, {}, QStringLiteral("the stored key is not UTF-8 text")};
    // A key stored with its pasted line break works; one with anything else inside is not sent.
    if (const auto key = normalize(text))
        return Read{key->isEmpty() ? Load::none : Load::found, *key, {}};
    return Read{Load::failed, {}, QStringLiteral("the stored key holds characters a key cannot have")};
}

void ServerKey::load()
{
    if (typed_ || load_ == Load::reading || load_ == Load::found || load_ == Load::none)
        return;
    load_ = Load::reading;
    emit keyChanged();
    queue_.run([keychain = keychain_] { return readStored(keychain); }, [this](const Read& read) { arrived(read); });
}

void ServerKey::arrived(const Read& read)
{
    if (read.load == Load::failed)
        log::warning(QStringLiteral("The server's API key could not be read from the keyring: ") + read.error);
    load_ = read.load;
    stored_ = read.key;
    emit keyChanged();
}

QString ServerKey::problem() const
{
    if (typed_ || load_ != Load::failed)
        return {};
    return text("The keyring could not be read, so your server is asked without an API key. Type the key again if "
                "your server needs one.");
}

void ServerKey::set(const QString& key)
{
    typed_ = key;
    state_ = State::saving;
    const quint64 generation = ++generation_;
    emit stateChanged();
    emit keyChanged();
    queue_.run(
        [store = &keychain_.store(), service = keychain_.service(), key] {
            QString error;
            const bool ok = key.isEmpty() ? store->remove(service, kServerApiKeyAccount, &error)
                                          : store->write(service, kServerApiKeyAccount, key.toUtf8(), &error);
            // Said here: at quit the answer is never delivered.
            if (!ok)
                log::error(QStringLiteral("The server's API key could not be stored: ") + error);
            return std::pair{ok, error};
        },
        [this, generation](const std::pair<bool, QString>& result) { finished(generation, result.first, result.second); });
}

void ServerKey::finished(quint64 generation, bool ok, const QString& error)
{
    Q_UNUSED(error);
    if (generation != generation_)
        return; // a newer key is on its way
    state_ = ok ? State::saved : State::sessionOnly;
    emit stateChanged();
}

bool ServerKey::flush(Millis wait)
{
    if (state_ == State::sessionOnly && typed_ && !typed_->isEmpty()) {
        log::warning(QStringLiteral("The server's API key typed this run was not stored: the keyring refused it."));
        return false;
    }
    if (state_ != State::saving)
        return true;
    // The result comes back through the event loop, which no longer turns: watch the queue.
    const auto until = std::chrono::steady_clock::now() + wait;
    while (queue_.busy() && std::chrono::steady_clock::now() < until)
        QThread::msleep(10);
    if (!queue_.busy())
        return true; // landed, or failed and was logged on the keychain's thread
    log::warning(QStringLiteral("The server's API key typed this run was not stored before quitting: the keyring did "
                                "not answer."));
    return false;
}

} // namespace tq
