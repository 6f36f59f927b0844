#pragma once
// Text laid out in lines with Qt's text layout, in place of the platform framesetter: line
// ranges in UTF-16 units, each line's width without trailing blanks, and caret offsets.

#include <QFont>
#include <QString>

#include <memory>
#include <vector>

class QTextLayout;

namespace tq {

class LaidOutText {
public:
    struct Line {
        qsizetype start = 0;
        qsizetype length = 0; // a line's range includes the line break that ends it
        double width = 0;     // without trailing whitespace
    };

    // Lays `text` out in `width` (every line break of the text ends a line).
    static LaidOutText layout(const QString& text, const QFont& font, double width);

    const std::vector<Line>& lines() const { return lines_; }
    // x of the caret at UTF-16 index `c`, measured from the line's left edge.
    double offsetFor(int line, qsizetype c) const;

private:
    std::shared_ptr<QTextLayout> layout_;
    std::vector<Line> lines_;
};

} // namespace tq
