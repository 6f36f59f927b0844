#pragma once
// What the tray item and its panel show, worked out from the state they read: the glyph
// variant, the status line, the attention card, the today card, the pause pills and the next
// moment at which any of these changes by itself. Pure functions, no widgets.

#include "field/RestartHint.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace tq::menu {

enum class GlyphVariant { active = 0, paused = 1, attention = 2 };

// Why no engine can answer: the chosen model is not on this computer yet.
struct EngineSilence {
    enum class Why { downloading, checking, notDownloaded };
    Why why = Why::notDownloaded;
    QString sentence; // the whole reason, for the attention card
    friend bool operator==(const EngineSilence&, const EngineSilence&) = default;
};

// The inputs of the glyph and the status line.
struct State {
    bool accessibility = true;
    QStringList rivals;      // names of the running competing applications, in order
    bool rivalsRefused = false; // the last quit request was refused
    std::optional<QDateTime> globalPauseUntil;
    bool isEnabled = true;
    QDateTime now;
    // The front program is built on Chromium and shares no text.
    std::optional<RestartHint> restartHint;
    // Why no engine can answer (no model yet and nothing to fill in); none when one can.
    std::optional<EngineSilence> engineSilent;
};

GlyphVariant glyphVariant(const State& state);

// A global pause that lasts beyond `now`.
bool globallyPaused(const State& state);

enum class StatusKind { needsAccess, rivalOpen, pausedUntilResumed, pausedUntil, off, engineSilent, appSharesNoText, ready };
enum class StatusColour { orange, gold, dim, green };

struct StatusLine {
    StatusKind kind = StatusKind::ready;
    QString text;
    StatusColour colour = StatusColour::green;
};

StatusKind statusKind(const State& state);
// Times in `locale`'s short time format, in local time.
StatusLine statusLine(const State& state, const QLocale& locale = QLocale());

enum class AttentionKind { none, access, rivals, engine, restartApp };

struct AttentionText {
    AttentionKind kind = AttentionKind::none;
    QString text;
    QString button;
    bool forceQuit = false; // the button ends the rivals instead of asking them
    QString copyText;       // what the button puts on the clipboard (restartApp)
    QString buttonNames;    // the part of `button` that gives way first when it is too long
};

AttentionText attentionText(const State& state, const QLocale& locale = QLocale());

// "Paused while A is open", "Paused while A and B are open".
QString pausedWhileOpen(const QStringList& names, const QLocale& locale = QLocale());

struct TodayCard {
    QString count;    // grouped digits
    QString label;    // "word saved today" / "words saved today"
    QString whole;    // "1,234 words saved today", for the tooltip and screen readers
    QString sentence;
};

// 40 words a minute.
constexpr double kWordsPerMinute = 40;

TodayCard todayCard(qint64 words, const QLocale& locale = QLocale());

// Tray tooltip: the program's name, and today's count when it is shown and above 0.
QString trayToolTip(qint64 words, bool showCount, const QLocale& locale = QLocale());

// The text beside the tray icon: today's count in the locale's digits while it is shown and
// above 0, with a guide of as many 8s for the label's width ("1,234", "8,888"); else empty.
struct TrayLabel {
    QString text;
    QString guide;
};
TrayLabel trayLabel(qint64 words, bool showCount, const QLocale& locale = QLocale());

enum class PillAction { pauseFrontApp, resumeFrontApp, pauseEverywhere, resumeEverywhere };

struct Pill {
    PillAction action = PillAction::pauseEverywhere;
    bool lit = false;      // a resume offer: filled gold, acts at once
    const char* symbol = ""; // symbol name for the symbol painter
    QString title;
    bool menu() const { return !lit; } // a pause offer opens the duration menu
};

// The front application's pill (when a front application is known) then the global pill.
std::vector<Pill> pausePills(const std::optional<QString>& frontAppName,
                             const std::optional<QDateTime>& frontAppPausedUntil,
                             const std::optional<QDateTime>& globalPauseUntil, const QDateTime& now);

struct PauseDuration {
    QString title;
    std::optional<double> seconds; // none: until resumed
    bool dividerBefore = false;
};

const std::vector<PauseDuration>& pauseDurations();

// Pills side by side when their smallest widths and the spacing fit in `available`.
constexpr int kPillSpacing = 8;
bool pillsFitInRow(const std::vector<int>& minimumWidths, int available);

// The next moment after `now` at which the glyph, the status line or today's count changes
// without any observed change: the end of a timed pause (global or of the front application),
// else the next local midnight.
QDateTime nextChange(const QDateTime& now, const std::optional<QDateTime>& globalPauseUntil,
                     const std::optional<QDateTime>& frontAppPausedUntil);

} // namespace tq::menu
