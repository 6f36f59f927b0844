#pragma once
// What the field inspector shows of the last field looked at, and the diagnostics report it
// copies. The report never holds text of the field, the window title, the prompt or answers.

#include "field/FieldSnapshot.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace tq::inspector {

// Everything the inspector reads, gathered from the model objects.
struct Facts {
    QString status;      // the engine status label
    QString engineTitle; // the chosen engine's title
    bool accessibility = false;
    bool listening = false; // the key tap runs
    std::optional<qint64> latency;
    std::optional<FieldSnapshot> snapshot;
    QStringList recentApps; // newest first
};

QString fieldType(const QString& role);                      // the role without "AX"
QString fieldSize(const std::optional<QRectF>& frame);       // "640 × 31 pt" or "Unknown"
QString caretText(const FieldSnapshot& snapshot);            // "Yes, at …" or "No"
QString fontText(const FieldSnapshot& snapshot);
bool atLineEnd(const FieldSnapshot& snapshot);
// The last 180 characters before the caret, "▏", the first 40 of the rest of the line.
QString textNearCaret(const FieldSnapshot& snapshot);
QString recentApps(const QStringList& names); // "A, B and C" or "None yet"
// The plain-text report, lines joined with "\n", no line feed at the end.
QString report(const Facts& facts);

// A coordinate or size as a whole number, dropping the fraction; 0 for values no integer holds.
qint64 whole(double value);

} // namespace tq::inspector
