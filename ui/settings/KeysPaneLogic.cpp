#include "ui/settings/KeysPaneLogic.h"

#include "platform/Text.h"

namespace tq {

ShortcutSet shortcutsOf(const Preferences& p)
{
    return {p.acceptWordKey(), p.acceptAllKey(), p.triggerKey(), p.alternativesKey(), p.toggleAppKey(), p.toggleGlobalKey()};
}

QString shortcutShortName(int index)
{
    switch (index) {
    case 0: return text("Take the next word");
    case 1: return text("Take the whole suggestion");
    case 2: return text("Suggest now");
    case 3: return text("Other suggestions");
    case 4: return text("Pause or resume");
    case 5: return text("Turn on or off");
    default: return {};
    }
}

std::optional<std::pair<int, int>> firstDuplicatePair(const ShortcutSet& s)
{
    for (int i = 0; i < int(s.size()); ++i) {
        if (!s[std::size_t(i)])
            continue;
        for (int j = i + 1; j < int(s.size()); ++j) {
            if (s[std::size_t(j)] && *s[std::size_t(j)] == *s[std::size_t(i)])
                return std::pair{i, j};
        }
    }
    return std::nullopt;
}

QString duplicateWarning(const ShortcutSet& shortcuts)
{
    const auto pair = firstDuplicatePair(shortcuts);
    if (!pair)
        return {};
    // One text for translators; the names go in together so neither is substituted twice.
    return text("%1 and %2 use the same keys. Only the first will work.")
        .arg(shortcutShortName(pair->first), shortcutShortName(pair->second));
}

QString takenWarning(const ShortcutSet& shortcuts, const QList<KeyCombo>& taken, const KeyLayout& layout)
{
    QStringList sentences;
    QList<KeyCombo> named;
    for (const Shortcut& s : shortcuts) {
        if (!s || !taken.contains(*s) || named.contains(*s))
            continue;
        named.append(*s);
        sentences << text("%1 is taken by another program.").arg(s->displayText(layout));
    }
    return sentences.join(u'\n');
}

} // namespace tq
