#pragma once
// What the overview's hero card says: the state line, today's label, the caption under the
// count and the streak. Pure.

#include "settings/Enums.h"

#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace tq {

enum class StateKind { needsAccess, rivalRunning, engineFailed, turnedOff, pausedEverywhere, on };
enum class StateTone { warning, muted, good };

struct StateInputs {
    bool accessibility = false;
    std::optional<QString> firstRival;    // the first running competing application
    std::optional<QString> engineFailure; // the engine's failure message
    bool isEnabled = true;
    std::optional<QDateTime> globalPauseUntil;
    QDateTime now;
    std::optional<std::int64_t> medianLatencyMs; // none while no latency is recorded
    EngineKind engine = EngineKind::builtIn;
};

struct StateLineText {
    StateKind kind = StateKind::on;
    StateTone tone = StateTone::good;
    QString text;
    QString symbol;
    QString speed; // "Tessaquill model, 420 ms typical wait"; empty when left out
};

StateLineText stateLine(const StateInputs& in);
// "word saved today" / "words saved today".
QString wordsSavedLabel(std::int64_t today);
// "1,234 words saved today": the count and its label as one text.
QString wordsSavedText(std::int64_t today);
// The caption from today's and the week's words.
QString heroCaption(std::int64_t today, std::int64_t week);
// "Start your streak today.", "1 day streak", "4 day streak".
QString streakText(int days);

} // namespace tq
