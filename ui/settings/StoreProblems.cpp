#include "ui/settings/StoreProblems.h"

#include "platform/Defaults.h"
#include "platform/Text.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "look/Palette.h"
#include "ui/settings/SettingsStyle.h"
#include "ui/design/Text.h"

#include <QLabel>

namespace tq {

QStringList storeProblems(const StoreSet& s)
{
    QStringList out;
    if (s.settings && s.settings->store().appDomainSetAside())
        out << text("Your settings could not be read, so they were set aside and %app started over with its defaults.");
    if (s.settings && !s.settings->corrected().isEmpty())
        out << text("%Ln settings held values %app cannot use, so they were corrected and saved.",
                    int(s.settings->corrected().size()));
    if (s.settings && s.settings->store().appDomainUnsaved())
        out << text("Your settings are not saved: %app cannot write to its settings folder.");
    if (s.rules && !s.rules->movedAsidePath().isEmpty())
        out << text("Your app and website rules could not be read, so they were set aside.");
    if (s.stats && !s.stats->movedAsidePath().isEmpty())
        out << text("Your statistics could not be read, so they were set aside and counting started over.");
    if (s.memory && !s.memory->problem().isEmpty())
        out << s.memory->problem();
    // A memory that waits for its key is the keyring's doing, not the folder's.
    const bool memoryKey = s.memory && s.memory->isUnsavedForKey();
    if (memoryKey)
        out << text("Your writing memory is not saved: the keyring is missing or locked, so its key cannot be kept.");
    if ((s.rules && s.rules->isUnsaved()) || (s.stats && s.stats->isUnsaved())
        || (s.memory && s.memory->isUnsaved() && !memoryKey))
        out << text("Not saved: %app cannot write to its data folder.");
    return out;
}

QLabel* makeStoreProblemLine(const StoreSet& stores, QWidget* parent)
{
    QLabel* line = makeLabel(QString(), fonts::Role::callout, palette::orange(), true, parent);
    line->setObjectName(QStringLiteral("storeProblems"));
    auto refresh = [line, stores] {
        const QStringList problems = storeProblems(stores);
        line->setText(problems.isEmpty() ? QString() : QStringLiteral("⚠ ") + problems.join(QStringLiteral("\n⚠ ")));
        line->setAccessibleName(problems.join(QLatin1Char(' ')));
        line->setVisible(!problems.isEmpty());
    };
    if (stores.rules)
        QObject::connect(stores.rules, &AppRules::storeStateChanged, line, refresh);
    if (stores.stats)
        QObject::connect(stores.stats, &StatsStore::storeStateChanged, line, refresh);
    if (stores.memory)
        QObject::connect(stores.memory, &WritingMemory::storeStateChanged, line, refresh);
    // The settings file is written on every change: look again after each.
    if (stores.settings)
        QObject::connect(stores.settings, &Preferences::changed, line, refresh);
    refresh();
    return line;
}

} // namespace tq
