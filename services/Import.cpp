#include "services/Import.h"

#include "platform/Log.h"
#include "stores/KeychainQueue.h"

#include <QDir>
#include <QFileInfo>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <utility>

namespace tq {

namespace {

bool pathExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() || info.isSymLink();
}

QStringList entriesOf(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

void importEarlierDefaults(Defaults& into, const std::optional<QVariantMap>& from)
{
    const QVariantMap earlier = from ? *from : into.persistentDomain(kEarlierProductDomain);
    for (auto it = earlier.cbegin(); it != earlier.cend(); ++it) {
        if (into.contains(it.key()) || it.key().startsWith(QLatin1String("NSWindow Frame")))
            continue;
        into.set(it.key(), it.value());
    }
}

void moveEarlierFolder(const QString& from, const QString& to)
{
    if (!QFileInfo(from).isDir())
        return;
    if (!pathExists(to)) {
        QDir().rename(from, to);
        return;
    }
    for (const QString& name : entriesOf(from)) {
        const QString target = to + QLatin1Char('/') + name;
        if (!pathExists(target))
            QDir().rename(from + QLatin1Char('/') + name, target);
    }
    if (entriesOf(from).isEmpty())
        QDir().rmdir(from);
}

void migrateFromEarlierProduct(Defaults& defaults, const QString& supportFolder, const Keychain& keychain,
                               KeychainQueue& queue, std::chrono::milliseconds wait)
{
    if (defaults.object(kMigratedFromEarlierProduct).toBool())
        return;
    importEarlierDefaults(defaults);
    moveEarlierFolder(supportFolder + QLatin1Char('/') + kEarlierProductFolder,
                      supportFolder + QStringLiteral("/Tessaquill"));

    struct Answer {
        std::mutex mutex;
        std::condition_variable given;
        std::optional<Keychain::Migration> moved;
        bool taken = false; // main thread only
    };
    const auto answer = std::make_shared<Answer>();
    const auto finish = [&defaults](const Keychain::Migration& moved) {
        if (moved.moved + moved.kept > 0)
            log::info(QStringLiteral("Keychain items taken over from the earlier product: %1; left in place: %2")
                          .arg(moved.moved)
                          .arg(moved.kept));
        defaults.set(kMigratedFromEarlierProduct, true);
    };
    queue.run(
        [keychain, answer] {
            const Keychain::Migration moved = keychain.migrateFromEarlierProduct(kEarlierProductDomain);
            {
                std::lock_guard lock(answer->mutex);
                answer->moved = moved;
            }
            answer->given.notify_all();
            return moved;
        },
        [answer, finish](const Keychain::Migration& moved) {
            if (!std::exchange(answer->taken, true))
                finish(moved);
        });
    std::unique_lock lock(answer->mutex);
    if (!answer->given.wait_for(lock, wait, [&] { return answer->moved.has_value(); })) {
        log::warning(QStringLiteral("The keyring did not answer in time: the earlier product's keychain items are taken "
                                    "over once it does."));
        return;
    }
    const Keychain::Migration moved = *answer->moved;
    lock.unlock();
    answer->taken = true;
    finish(moved);
}

} // namespace tq
