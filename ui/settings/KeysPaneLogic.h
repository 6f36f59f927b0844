#pragma once
// The Keys pane's duplicate rule: the six shortcuts in a fixed order, and the warning for the
// first pair of them that is set and equal. Pure.

#include "settings/Preferences.h"

#include <QList>
#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace tq {

// acceptWordKey, acceptAllKey, triggerKey, alternativesKey, toggleAppKey, toggleGlobalKey.
using ShortcutSet = std::array<Shortcut, 6>;

ShortcutSet shortcutsOf(const Preferences& prefs);
// The short name of entry `index` (0 to 5) as the warning names it.
QString shortcutShortName(int index);
// The first pair (i < j) whose shortcuts are both set and equal; none when every one differs.
std::optional<std::pair<int, int>> firstDuplicatePair(const ShortcutSet& shortcuts);
// "Take the next word and Suggest now use the same keys. Only the first will work.", or an
// empty text when there is no pair.
QString duplicateWarning(const ShortcutSet& shortcuts);
// "Ctrl+Alt+Space is taken by another program." for each set shortcut among `taken`, once each,
// in the rows' order; empty when none is.
QString takenWarning(const ShortcutSet& shortcuts, const QList<KeyCombo>& taken, const KeyLayout& layout);

} // namespace tq
