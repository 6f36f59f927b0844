#pragma once
// One-time import from the maker's earlier product (Quarmel): its settings, its data folder
// and its keychain items are taken over on the first start, without overwriting anything of
// this program's, and never looked at again.

#include "platform/Defaults.h"
#include "stores/Keychain.h"

#include <QString>
#include <QVariantMap>

#include <chrono>
#include <optional>

namespace tq {

inline const QString kEarlierProductDomain = QStringLiteral("app.quarmel.Quarmel"); // defaults domain and keychain service
inline const QString kEarlierProductFolder = QStringLiteral("Quarmel");
inline const QString kMigratedFromEarlierProduct = QStringLiteral("migratedFromQuarmel");

class KeychainQueue;

// How long the first start waits for the keyring's part of the import.
inline constexpr std::chrono::milliseconds kImportKeyringWait{1500};

// Runs the import unless the flag says it already ran. The settings and the folder come over
// at once; the keychain items on `queue`, waited for at most `wait`. The flag is set once the
// keyring has answered (also with failures, which are silent), then or later in the run, so
// that a keyring that never answers leaves the import to the next start. `supportFolder` is
// the folder that holds both products' data folders (the XDG data folder).
void migrateFromEarlierProduct(Defaults& defaults, const QString& supportFolder, const Keychain& keychain,
                               KeychainQueue& queue, std::chrono::milliseconds wait = kImportKeyringWait);

// Copies the settings this program does not hold yet, leaving out saved window frames.
// Without `from`, the earlier product's persistent domain is read from `into`.
void importEarlierDefaults(Defaults& into, const std::optional<QVariantMap>& from = std::nullopt);

// Moves the earlier folder into place in one rename when this program has none; otherwise
// moves over each entry this program's folder lacks and removes the earlier folder once empty.
void moveEarlierFolder(const QString& from, const QString& to);

} // namespace tq
