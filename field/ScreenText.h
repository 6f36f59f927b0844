#pragma once
// Visible text of windows as lines with their place on screen, and the choice of the lines
// worth putting into a prompt. Frames are in top-left screen coordinates (y grows downward).

#include <QRectF>
#include <QSet>
#include <QString>
#include <QVector>

#include <optional>

namespace tq {

struct ScreenLine {
    QString text; // as read, not trimmed
    QRectF frame;

    friend bool operator==(const ScreenLine&, const ScreenLine&) = default;
};

struct NearbyLines {
    QString app;
    QVector<ScreenLine> lines;
};

struct ScreenRead {
    QVector<ScreenLine> lines;   // focused window: accessibility lines, then recognised ones
    QVector<NearbyLines> nearby; // one per nearby window that gave a line, window-list order
};

class ScreenText {
public:
    // ---- Line picking (pure)
    static QSet<QString> tokenize(const QString& text);
    // The best lines within `budget` characters (each line counts one more for its separator),
    // in reading order, joined with "\n"; empty when nothing is picked.
    static QString pickLines(const QVector<ScreenLine>& lines, const std::optional<QRectF>& fieldFrame,
                             const QString& typed, int budget);
    // Lines of recently viewed windows that share a word with the typed text.
    static QString pickRecent(const QVector<ScreenLine>& lines, const QString& typed, int budget);
    // Rows first (tops within 4 points of the row's first line), then left to right.
    static void sortReadingOrder(QVector<ScreenLine>& lines);

    // ---- Reading helpers (pure)
    // Splits an element's text at line breaks into equal bands of its frame.
    static QVector<ScreenLine> splitLines(const QRectF& frame, const QString& text);

    static bool isCJK(const QString& text);
};

} // namespace tq
