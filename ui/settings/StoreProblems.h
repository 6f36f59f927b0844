#pragma once
// What went wrong with the files the settings window shows data of: a file that could not be
// read and was set aside, or one that cannot be written. One sentence each, shown on the
// Overview and in the pane that owns the data.

#include <QStringList>

#include <initializer_list>

class QLabel;
class QWidget;

namespace tq {

struct SettingsContext;

enum class StoreKind { settings, rules, stats, memory };

// The sentences for the stores named, in their order; a folder that cannot be written is said
// once.
QStringList storeProblems(const SettingsContext& c, std::initializer_list<StoreKind> which);

// A status line that shows those sentences (hidden while there are none) and follows the
// stores' changes.
QLabel* makeStoreProblemLine(SettingsContext& c, std::initializer_list<StoreKind> which, QWidget* parent);

} // namespace tq
