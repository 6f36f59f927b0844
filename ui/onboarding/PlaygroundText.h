#pragma once
// How the practice field cuts its text and finds the start of the caret's line. Positions are
// UTF-16 offsets into the field's text; the cuts count user-visible characters.

#include <QRectF>
#include <QString>
#include <QStringView>

#include <optional>

namespace tq::playground {

inline constexpr int kBeforeLimit = 3000;
inline constexpr int kAfterLimit = 500;

struct Cut {
    QString before; // the last 3000 characters before the caret
    QString after;  // the first 500 characters after the selection
};

// The caret is the selection's start (at most the text's length); `after` begins after the
// selection's end.
Cut cut(QStringView text, qsizetype selectionStart, qsizetype selectionLength);

// UTF-16 length from the last line break before `caret` (or the text's start) to the caret.
// Line breaks: LF, VT, FF, CR, CR LF, NEL, LS, PS.
qsizetype lineLengthBefore(QStringView text, qsizetype caret);

// The x of the line start's caret rectangle when it lies on the caret's visual row (their
// vertical middles closer than half the caret's height); none when the line has wrapped
// onto an earlier row.
std::optional<double> lineStartX(const QRectF& caret, const QRectF& lineStart);

} // namespace tq::playground
