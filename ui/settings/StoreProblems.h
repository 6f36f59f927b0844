#pragma once
// What went wrong with the files the settings window shows data of: a file that could not be
// read and was set aside, or one that cannot be written. One sentence each, shown on the
// Overview and in the pane that owns the data.

#include <QStringList>

class QLabel;
class QWidget;

namespace tq {

class AppRules;
class Preferences;
class StatsStore;
class WritingMemory;

// The stores a line speaks for; the others are left out.
struct StoreSet {
    const Preferences* settings = nullptr;
    const AppRules* rules = nullptr;
    const StatsStore* stats = nullptr;
    const WritingMemory* memory = nullptr;
};

// The sentences for the stores of the set; a data folder that cannot be written is said once.
QStringList storeProblems(const StoreSet& stores);

// A status line that shows those sentences (hidden while there are none) and follows the
// stores' changes.
QLabel* makeStoreProblemLine(const StoreSet& stores, QWidget* parent);

} // namespace tq
