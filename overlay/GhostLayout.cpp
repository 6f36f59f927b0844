#include "overlay/GhostLayout.h"

#include "platform/Chars.h"
#include "platform/FieldFont.h"

#include <QFontDatabase>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace tq {

namespace {

constexpr double kRightMargin = 6;
constexpr double kLeastInlineRoom = 24;
constexpr double kRowInset = 6;
constexpr double kCaretToBoxGap = 3;
constexpr double kBoxBottomReserve = 10;
constexpr double kBoxPadding = 10;
constexpr double kLeastBoxWidth = 40;
constexpr double kBoxLeftLimit = 2;
constexpr double kFirstRowTop = 5;
constexpr int kMaxBoxRows = 3;
constexpr double kFramePadding = 4;
constexpr double kHintGap = 6;
constexpr double kHintTrailing = 10;
constexpr double kHintKeycapPadding = 10; // the keycap is the hint's text and 5 on each side
const QString kEllipsis = QStringLiteral("…");

double minX(const QRectF& r) { return r.x(); }
double maxX(const QRectF& r) { return r.x() + r.width(); }
double minY(const QRectF& r) { return r.y(); }
double maxY(const QRectF& r) { return r.y() + r.height(); }

QString withoutLeadingSpaces(const QString& s)
{
    qsizetype i = 0;
    while (i < s.size() && s.at(i) == QLatin1Char(' '))
        ++i;
    return s.mid(i);
}

// Drops whole words from the end until the words and "…" fit; one word left keeps "…" anyway.
QString fitWithEllipsis(const QString& text, double room, const QFont& font, const GhostMetrics& m)
{
    QStringList words = GhostLayout::splitWords(text);
    while (words.size() >= 2) {
        const QString candidate = words.join(QString()) + kEllipsis;
        if (std::ceil(m.textWidth(candidate, font)) <= room)
            return candidate;
        words.removeLast();
    }
    return (words.isEmpty() ? QString() : words.first()) + kEllipsis;
}

} // namespace

const GhostMetrics& GhostMetrics::qt()
{
    static const GhostMetrics metrics{
        [](const QString& text, const QFont& font) { return std::ceil(QFontMetricsF(font).horizontalAdvance(text)); },
        [](const QFont& font) {
            const QFontMetricsF fm(font);
            return std::ceil(fm.ascent() + fm.descent() + fm.leading());
        }};
    return metrics;
}

QFont GhostLayout::fontFor(const GhostContent& content)
{
    return fieldFont(content.fontName.value_or(QString()), content.fontSize);
}

QFont GhostLayout::hintFont()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(9);
    font.setWeight(QFont::Medium);
    return font;
}

QRectF GhostLayout::unbounded() { return QRectF(-1.0e7, -1.0e7, 2.0e7, 2.0e7); }

int GhostLayout::boxRowCount() const
{
    return int(std::count_if(lines.begin(), lines.end(), [](const Line& l) { return l.inBox; }));
}

QStringList GhostLayout::splitWords(const QString& text)
{
    QStringList words;
    QString current;
    for (QChar c : text) {
        if (c != QLatin1Char(' ')) {
            current.append(c);
            continue;
        }
        if (!current.isEmpty() && current.back() != QLatin1Char(' ')) {
            words.append(current);
            current.clear();
        }
        current.append(c);
    }
    if (!current.isEmpty())
        words.append(current);
    return words;
}

QRectF GhostLayout::usableBounds(const QRectF& screen, const QRectF& visible, const QRectF& area)
{
    QRectF r = visible;
    if (minY(area) < minY(r))
        r = QRectF(r.x(), minY(screen), r.width(), maxY(r) - minY(screen));
    if (maxY(r) < maxY(area))
        r = QRectF(r.x(), r.y(), r.width(), maxY(screen) - r.y());
    return r;
}

GhostLayout GhostLayout::anchoredBox(const GhostContent& content, const QFont& font, double lineHeight,
                                     const QRectF& bounds, const GhostMetrics& m)
{
    QString text = content.kind.isFix() ? content.shownText() : content.kind.text;
    if (!content.kind.isFix()) {
        qsizetype a = 0, b = text.size();
        auto blank = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
        while (a < b && blank(text.at(a)))
            ++a;
        while (b > a && blank(text.at(b - 1)))
            --b;
        text = text.mid(a, b - a);
    }
    const QRectF anchor = content.fieldFrame.value_or(QRectF(content.caretRect.topLeft(), QSizeF(0, 0)));
    const double left = std::max(minX(anchor) + 4, minX(bounds) + 4);
    const double right = std::min(maxX(anchor), maxX(bounds));
    const double room = std::max(right - left - 16 - 4, 40.0);
    if (m.textWidth(text, font) > room)
        text = fitWithEllipsis(text, room, font, m);

    GhostLayout layout;
    const double textX = left + 8;
    double contentRight = textX + m.textWidth(text, font);
    if (content.hint) {
        layout.hintX = contentRight + kHintGap;
        contentRight = *layout.hintX + m.textWidth(*content.hint, hintFont()) + kHintTrailing;
    }
    const double height = lineHeight + 6;
    double y = minY(anchor) - 4 - height;
    if (y < minY(bounds))
        y = maxY(anchor) + 4;
    layout.frame = QRectF(std::floor(left), std::floor(y), std::ceil(contentRight - left) + 8, std::ceil(height));
    layout.lines = {Line{text, textX, maxY(layout.frame) - 3, true}};
    layout.anchored = true;
    layout.lineHeight = lineHeight;
    layout.font = font;
    return layout;
}

namespace {

// The left-to-right rules; a right-to-left paragraph goes through them mirrored.
GhostLayout leftToRight(const GhostContent& content, const QRectF& bounds, const GhostMetrics& m)
{
    using Line = GhostLayout::Line;
    const QFont font = GhostLayout::fontFor(content);
    const double fontHeight = m.fontHeight(font);
    if (content.anchored)
        return GhostLayout::anchoredBox(content, font, fontHeight, bounds, m);

    const QRectF& caret = content.caretRect;
    const double rowHeight = std::max({fontHeight, caret.height(), 1.0});
    const double caretX = minX(caret);
    const double rightLimit = std::min(content.fieldFrame ? maxX(*content.fieldFrame) : maxX(bounds), maxX(bounds)) - kRightMargin;
    const double lineStart = content.lineStartX ? *content.lineStartX
                             : content.fieldFrame ? minX(*content.fieldFrame) + kRowInset
                                                  : caretX;
    const QString shown = content.shownText();
    auto width = [&](const QString& s) { return std::ceil(m.textWidth(s, font)); };

    GhostLayout layout;
    QString firstRow;
    QList<Line> boxLines;

    if (!content.allowWrap || caretX <= lineStart) {
        const double room = std::max(rightLimit - caretX, kLeastInlineRoom);
        firstRow = width(shown) <= room ? shown : fitWithEllipsis(shown, room, font, m);
    } else {
        const QStringList words = GhostLayout::splitWords(shown);
        qsizetype next = 0;
        for (; next < words.size(); ++next) {
            if (caretX + width(firstRow + words.at(next)) > rightLimit)
                break;
            firstRow += words.at(next);
        }
        const QString rest = withoutLeadingSpaces(words.mid(next).join(QString()));
        if (!rest.isEmpty()) {
            QStringList rows;
            QString current;
            for (const QString& word : GhostLayout::splitWords(rest)) {
                const QString candidate = current + word;
                if (lineStart + width(candidate) <= rightLimit || current.isEmpty()) {
                    current = candidate;
                } else {
                    rows.append(current);
                    current = withoutLeadingSpaces(word);
                }
            }
            if (!current.isEmpty())
                rows.append(current);

            // Whole rows that fit between the caret's row and the bottom of the area. Compared
            // as a real number first: unbounded areas must not reach an integer conversion.
            const double roomBelow = std::floor((minY(caret) - kCaretToBoxGap - minY(bounds) - kBoxBottomReserve) / rowHeight);
            const int limit = (roomBelow >= 1 && roomBelow < kMaxBoxRows) ? int(roomBelow) : kMaxBoxRows;
            if (rows.size() > limit) {
                rows = rows.mid(0, limit);
                rows.last() += kEllipsis;
            }
            const double boxHeight = rowHeight * double(rows.size()) + kBoxPadding;
            const double boxLeft = std::max(lineStart - kBoxPadding, minX(bounds) + kBoxLeftLimit);
            double widest = 0;
            for (const QString& row : rows)
                widest = std::max(widest, width(row));
            double boxRight = std::max(boxLeft + kLeastBoxWidth, lineStart + widest + kBoxPadding);
            boxRight = std::min(boxRight, rightLimit + kRightMargin);
            const bool above = !(roomBelow >= 1);
            const double boxTop = above ? maxY(caret) + boxHeight + kCaretToBoxGap : minY(caret) - kCaretToBoxGap;
            for (qsizetype i = 0; i < rows.size(); ++i)
                boxLines.append(Line{rows.at(i), lineStart, boxTop - kFirstRowTop - rowHeight * double(i), true});
            layout.container = QRectF(std::floor(boxLeft), std::floor(boxTop - boxHeight),
                                      std::ceil(boxRight - boxLeft), std::ceil(boxHeight));
        }
    }

    if (!firstRow.isEmpty())
        layout.lines.append(Line{firstRow, caretX, maxY(caret), false});
    layout.lines += boxLines;
    if (layout.lines.isEmpty())
        layout.lines.append(Line{shown, caretX, maxY(caret), false});

    double hintWidth = 0;
    if (content.hint && !layout.lines.isEmpty()) {
        const Line& last = layout.lines.last();
        const double hintX = last.x + width(last.text) + kHintGap;
        hintWidth = std::ceil(m.textWidth(*content.hint, GhostLayout::hintFont()));
        if (hintX + hintWidth + kHintTrailing <= rightLimit + kRightMargin)
            layout.hintX = hintX;
    }

    double left = caretX, right = caretX, top = maxY(caret), bottom = minY(caret);
    if (!layout.lines.isEmpty()) {
        left = right = top = bottom = 0;
        bool first = true;
        for (const Line& l : layout.lines) {
            const double r = l.x + width(l.text);
            left = first ? l.x : std::min(left, l.x);
            right = first ? r : std::max(right, r);
            top = first ? l.top : std::max(top, l.top);
            bottom = first ? l.top - rowHeight : std::min(bottom, l.top - rowHeight);
            first = false;
        }
    }
    if (layout.hintX)
        right = std::max(right, *layout.hintX + hintWidth + kHintTrailing);
    if (layout.container) {
        left = std::min(left, minX(*layout.container));
        right = std::max(right, maxX(*layout.container));
        top = std::max(top, maxY(*layout.container));
        bottom = std::min(bottom, minY(*layout.container));
    }
    layout.frame = QRectF(std::floor(left), std::floor(bottom), std::ceil(right - left) + kFramePadding, std::ceil(top - bottom));
    layout.anchored = false;
    layout.font = font;
    layout.lineHeight = rowHeight;
    return layout;
}

// x ↦ −x: left and right swap, widths stay.
QRectF mirrored(const QRectF& r) { return QRectF(-r.x() - r.width(), r.y(), r.width(), r.height()); }

} // namespace

bool GhostLayout::runsRightToLeft(QStringView lineBefore, QStringView continuation)
{
    return chars::firstStrongIsRightToLeft(lineBefore).value_or(chars::firstStrongIsRightToLeft(continuation).value_or(false));
}

GhostLayout GhostLayout::make(const GhostContent& content, const QRectF& bounds, const GhostMetrics& m)
{
    if (!content.rightToLeft)
        return leftToRight(content, bounds, m);
    // Mirrored, laid out left to right and mirrored back. The caret is a position: the
    // text ends where it begins.
    GhostContent flipped = content;
    flipped.caretRect = QRectF(-content.caretRect.x(), content.caretRect.y(), content.caretRect.width(), content.caretRect.height());
    if (content.lineStartX)
        flipped.lineStartX = -*content.lineStartX;
    if (content.fieldFrame)
        flipped.fieldFrame = mirrored(*content.fieldFrame);
    GhostLayout layout = leftToRight(flipped, mirrored(bounds), m);
    for (Line& line : layout.lines)
        line.x = -line.x - std::ceil(m.textWidth(line.text, layout.font));
    if (layout.hintX && content.hint)
        layout.hintX = -*layout.hintX - std::ceil(m.textWidth(*content.hint, hintFont())) - kHintKeycapPadding;
    layout.frame = mirrored(layout.frame);
    if (layout.container)
        layout.container = mirrored(*layout.container);
    return layout;
}

} // namespace tq
