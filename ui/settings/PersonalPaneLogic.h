#pragma once
// The Your Voice pane's texts and the cut of the instructions to their limit. Pure; lengths
// are user-visible characters.

#include <QString>

#include <optional>

namespace tq {

inline constexpr int kInstructionsLimit = 2000;

// The first `limit` characters of `typed` when it is longer, else none (keep it as it is).
std::optional<QString> cutInstructions(const QString& typed, int limit);
// "120 / 2000".
QString instructionsCounter(const QString& instructions, int limit);
bool instructionsOverLimit(const QString& instructions, int limit);
// "Nothing remembered yet", "1 passage remembered", "5 passages remembered".
QString passageCountText(int count);
// The stored strength as the slider shows it: whole steps from 1 to 6.
int influenceStep(double strength);

} // namespace tq
