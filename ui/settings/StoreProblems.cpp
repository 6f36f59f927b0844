#include "ui/settings/StoreProblems.h"

#include "platform/Defaults.h"
#include "platform/Text.h"
#include "settings/AppRules.h"
#include "settings/Preferences.h"
#include "stores/StatsStore.h"
#include "stores/WritingMemory.h"
#include "ui/design/Palette.h"
#include "ui/settings/SettingsContext.h"
#include "ui/settings/SettingsStyle.h"

#include <QLabel>

#include <vector>

namespace tq {

QStringList storeProblems(const SettingsContext& c, std::initializer_list<StoreKind> which)
{
    QStringList out;
    bool dataUnsaved = false;
    for (const StoreKind kind : which) {
        switch (kind) {
        case StoreKind::settings:
            if (c.prefs.store().appDomainSetAside())
                out << text("Your settings could not be read, so they were set aside and %app started over with its "
                            "defaults.");
            if (c.prefs.store().appDomainUnsaved())
                out << text("Your settings are not saved: %app cannot write to its settings folder.");
            break;
        case StoreKind::rules:
            if (!c.rules.movedAsidePath().isEmpty())
                out << text("Your app and website rules could not be read, so they were set aside.");
            dataUnsaved = dataUnsaved || c.rules.isUnsaved();
            break;
        case StoreKind::stats:
            if (!c.stats.movedAsidePath().isEmpty())
                out << text("Your statistics could not be read, so they were set aside and counting started over.");
            dataUnsaved = dataUnsaved || c.stats.isUnsaved();
            break;
        case StoreKind::memory:
            if (!c.memory.problem().isEmpty())
                out << c.memory.problem();
            dataUnsaved = dataUnsaved || c.memory.isUnsaved();
            break;
        }
    }
    if (dataUnsaved)
        out << text("Not saved: %app cannot write to its data folder.");
    return out;
}

QLabel* makeStoreProblemLine(SettingsContext& c, std::initializer_list<StoreKind> which, QWidget* parent)
{
    QLabel* line = makeLabel(QString(), 12, QFont::Normal, palette::orange(), parent, true);
    line->setObjectName(QStringLiteral("storeProblems"));
    const std::vector<StoreKind> kinds(which);
    auto refresh = [&c, line, kinds] {
        QStringList problems;
        for (const StoreKind kind : kinds)
            for (const QString& p : storeProblems(c, {kind}))
                if (!problems.contains(p))
                    problems << p;
        const QString joined = problems.join(QLatin1Char('\n'));
        line->setText(problems.isEmpty() ? QString() : QStringLiteral("⚠ ") + problems.join(QStringLiteral("\n⚠ ")));
        line->setAccessibleName(joined);
        line->setVisible(!problems.isEmpty());
    };
    QObject::connect(&c.rules, &AppRules::storeStateChanged, line, refresh);
    QObject::connect(&c.stats, &StatsStore::storeStateChanged, line, refresh);
    QObject::connect(&c.memory, &WritingMemory::storeStateChanged, line, refresh);
    // The settings file is written on every change: look again when a setting changes.
    QObject::connect(&c.prefs, &Preferences::changed, line, refresh);
    refresh();
    return line;
}

} // namespace tq
