#pragma once
// Placement of ghost text: on the caret's row, continued in a box of at most three rows
// under (or above) it, or as one pill anchored to the field. Pure geometry over fonts and
// rectangles in bottom-left, y-up screen space. Right-to-left paragraphs are laid out as the
// mirror image: from the caret leftwards, rows wrapping to the line's right edge, the key
// hint left of the text.

#include "overlay/GhostContent.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <QStringView>

#include <functional>
#include <optional>

namespace tq {

// Text measurement, replaceable in tests.
struct GhostMetrics {
    // Width of a text in a font, rounded up to a whole point.
    std::function<double(const QString&, const QFont&)> textWidth;
    // Rounded-up height of one row of a font (ascent + descent + leading).
    std::function<double(const QFont&)> fontHeight;

    static const GhostMetrics& qt();
};

struct GhostLayout {
    struct Line {
        QString text;
        double x = 0;   // left end of the row
        double top = 0; // top edge of the row
        bool inBox = false;
        friend bool operator==(const Line&, const Line&) = default;
    };

    QRectF frame;
    QList<Line> lines;
    double lineHeight = 0;
    std::optional<double> hintX;
    QFont font;
    bool anchored = false;
    std::optional<QRectF> container;

    friend bool operator==(const GhostLayout&, const GhostLayout&) = default;

    static GhostLayout make(const GhostContent& content, const QRectF& bounds,
                            const GhostMetrics& metrics = GhostMetrics::qt());
    static GhostLayout anchoredBox(const GhostContent& content, const QFont& font, double lineHeight,
                                   const QRectF& bounds, const GhostMetrics& metrics = GhostMetrics::qt());
    // Whether a ghost continuing `lineBefore` (the caret's line up to the caret) with
    // `continuation` runs right to left: the paragraph's first strong character decides, the
    // continuation's when the line has none yet.
    static bool runsRightToLeft(QStringView lineBefore, QStringView continuation);
    // Words, each keeping the spaces in front of it; joined they give the text back.
    static QStringList splitWords(const QString& text);
    // The area the layout may use on a screen: the visible frame, stretched to the screen's
    // bottom or top edge where the field reaches under a panel.
    static QRectF usableBounds(const QRectF& screen, const QRectF& visible, const QRectF& area);
    // Bounds used when there is no screen at all: large but finite.
    static QRectF unbounded();

    // The font of a content at its size in screen pixels: the named family (or generic face)
    // when installed, else the system font.
    static QFont fontFor(const GhostContent& content);
    static QFont hintFont();
    // Number of rows drawn in the box or pill.
    int boxRowCount() const;
};

} // namespace tq
