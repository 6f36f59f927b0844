#include "services/Import.h"

#include "platform/Log.h"

#include <QDir>
#include <QFileInfo>

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

void migrateFromEarlierProduct(Defaults& defaults, const QString& supportFolder, const Keychain& keychain)
{
    if (defaults.object(kMigratedFromEarlierProduct).toBool())
        return;
    importEarlierDefaults(defaults);
    moveEarlierFolder(supportFolder + QLatin1Char('/') + kEarlierProductFolder,
                      supportFolder + QStringLiteral("/Tessaquill"));
    const Keychain::Migration moved = keychain.migrateFromEarlierProduct(kEarlierProductDomain);
    if (moved.moved + moved.kept > 0)
        log::info(QStringLiteral("Keychain items taken over from the earlier product: %1; left in place: %2")
                      .arg(moved.moved)
                      .arg(moved.kept));
    defaults.set(kMigratedFromEarlierProduct, true);
}

} // namespace tq
