// Locating the caret on screen: plain character ranges, the line above after a line break,
// the neighbouring characters and the text markers of web areas; the field's font and the
// field diagnostic log.
#include "field/AXFieldSource.h"

#include "platform/Chars.h"
#include "platform/Log.h"

namespace tq {

namespace {

QString attr(const char* name) { return QString::fromLatin1(name); }

double minX(const QRectF& r) { return r.x(); }
double maxX(const QRectF& r) { return r.x() + r.width(); }
double minY(const QRectF& r) { return r.y(); }
double maxY(const QRectF& r) { return r.y() + r.height(); }
double midY(const QRectF& r) { return r.y() + r.height() / 2; }

QRectF leading(const QRectF& r) { return QRectF(minX(r), minY(r), 1, r.height()); }
QRectF trailing(const QRectF& r) { return QRectF(maxX(r), minY(r), 1, r.height()); }

// UTF-16 length of the character that starts at `pos`.
qint64 charLength(QStringView text, qsizetype pos)
{
    if (pos >= 0 && pos + 1 < text.size() && text[pos].isHighSurrogate() && text[pos + 1].isLowSurrogate())
        return 2;
    return 1;
}

QString describe(const QVariant& v)
{
    if (!v.isValid())
        return QStringLiteral("none");
    const auto r = axvalue::rect(v);
    if (!r)
        return QStringLiteral("not a box");
    return QStringLiteral("%1,%2 %3x%4").arg(qint64(r->x())).arg(qint64(r->y())).arg(qint64(r->width())).arg(qint64(r->height()));
}

// The last few diagnostic lines written. One snapshot can write two lines (a failed way,
// then the estimate), so comparing with the last line alone would repeat both on every
// keystroke.
QStringList& recentFieldLines()
{
    static QStringList lines;
    return lines;
}

} // namespace

void AXFieldSource::logField(const QString& line)
{
    QStringList& recent = recentFieldLines();
    if (recent.contains(line))
        return;
    recent.append(line);
    if (recent.size() > 4)
        recent.removeFirst();
    log::info(line);
}

void AXFieldSource::resetFieldLog()
{
    recentFieldLines().clear();
}

AXFieldSource::Caret AXFieldSource::caretRect(const AXElement& element, qint64 location, const QString& before)
{
    auto box = [&](qint64 p, qint64 n) { return element.bounds(AXRange{p, n}); };
    std::optional<QRectF> empty = box(location, 0);
    if (empty && minX(*empty) <= 0 && minY(*empty) <= 0)
        empty.reset();

    if (location >= 1) {
        if (chars::endsWithLineBreak(before)) {
            const std::optional<QRectF> prevStart = newLineProbe(element, location, before);
            const std::optional<double> x = prevStart ? std::optional<double>(minX(*prevStart)) : std::nullopt;
            if (const auto caret = combineWithPreviousLine(empty, prevStart, x))
                return {caret, minX(*caret)};
        } else {
            const qint64 lastLength = before.isEmpty() ? 1 : chars::last(before).size();
            const std::optional<QRectF> prev = box(location - std::min(lastLength, location), std::min(lastLength, location));
            // A right-to-left paragraph ends at the left edge of its line, whatever runs last
            // (toolkits put the empty box at its end on the wrong side): the left edge of the
            // line's box where it is one row, else the side the last character runs to.
            const QStringView line = chars::lastLine(before);
            if (prev && chars::firstStrongIsRightToLeft(line).value_or(false)) {
                if (empty && midY(*empty) < minY(*prev))
                    return {leading(*empty), std::nullopt};
                const std::optional<QRectF> row = location >= line.size() ? box(location - line.size(), line.size()) : std::nullopt;
                if (row && row->height() < 1.5 * prev->height() && std::abs(midY(*row) - midY(*prev)) < 0.5 * prev->height())
                    return {QRectF(minX(*row), minY(*prev), 1, prev->height()), std::nullopt};
                return {chars::runsRightToLeft(line, line.size() - 1, true) ? leading(*prev) : trailing(*prev), std::nullopt};
            }
            if (empty && prev)
                return {midY(*empty) > maxY(*prev) ? trailing(*prev) : leading(*empty), std::nullopt};
            if (empty)
                return {leading(*empty), std::nullopt};
            if (prev)
                return {trailing(*prev), std::nullopt};
        }
    } else if (empty) {
        return {leading(*empty), std::nullopt};
    }
    if (const std::optional<QRectF> next = box(location, 1))
        return {leading(*next), std::nullopt};
    return markerCaret(element, location, before);
}

std::optional<QRectF> AXFieldSource::newLineProbe(const AXElement& element, qint64 location, const QString& before)
{
    if (!chars::endsWithLineBreak(before))
        return std::nullopt;
    const qsizetype dropped = chars::last(before).size();
    const QStringView rest = QStringView(before).chopped(dropped);
    qsizetype start = rest.size();
    while (start > 0 && !chars::isLineBreak(rest[start - 1].unicode()))
        --start;
    const qsizetype previousLine = rest.size() - start;
    if (previousLine == 0)
        return std::nullopt;
    const qint64 first = location - dropped - previousLine;
    if (first < 0)
        return std::nullopt;
    return element.bounds(AXRange{first, charLength(rest, start)});
}

std::optional<QRectF> AXFieldSource::combineWithPreviousLine(std::optional<QRectF> empty, std::optional<QRectF> prevLine,
                                                             std::optional<double> x)
{
    if (empty && prevLine && midY(*empty) >= minY(*prevLine))
        return QRectF(x.value_or(minX(*empty)), minY(*prevLine) - empty->height(), 1, empty->height());
    if (empty)
        return leading(*empty);
    if (prevLine && x)
        return QRectF(*x, minY(*prevLine) - prevLine->height(), 1, prevLine->height());
    return std::nullopt;
}

std::optional<QRectF> AXFieldSource::markerBounds(const AXElement& holder, const AXTextMarkerRange& range,
                                                  std::optional<QRectF> fieldFrame)
{
    const auto raw = axvalue::rect(holder.parameterized(attr(ax::kBoundsForTextMarkerRange), QVariant::fromValue(range)));
    if (!raw || !(raw->height() > 0))
        return std::nullopt;
    const QRectF converted = holder.appKitRect(*raw);
    if (!fieldFrame)
        return converted;
    const QRectF grown = fieldFrame->adjusted(-2, -2, 2, 2);
    if (grown.contains(converted.center()))
        return converted;
    // Some holders report this box in the screen space already.
    if (grown.contains(raw->center()))
        return *raw;
    return converted;
}

bool AXFieldSource::plausibleBox(const QRectF& box, std::optional<QRectF> reference)
{
    const double h = box.height();
    const double limit = reference ? 1.5 * reference->height() : 60;
    return h >= 6 && h < 40 && h < limit;
}

AXFieldSource::Caret AXFieldSource::markerCaret(const AXElement& element, qint64 location, const QString& before)
{
    const QString role = element.string(attr(ax::kRole)).value_or(QString());
    const auto found = markerHolder(element);
    if (!found) {
        logField(role + QStringLiteral(" has no text-marker selection"));
        return {};
    }
    const AXElement& holder = found->first;
    const AXTextMarker end = found->second.end;
    const std::optional<QRectF> fieldFrame = element.frame();

    std::optional<QRectF> caretBox = markerBounds(holder, {end, end}, fieldFrame);
    if (caretBox && !((minX(*caretBox) > 0 || minY(*caretBox) > 0) && caretBox->width() < 40))
        caretBox.reset();
    const QVariant prevValue = holder.parameterized(attr(ax::kPreviousTextMarkerForTextMarker), QVariant::fromValue(end));
    const std::optional<AXTextMarker> prevMarker = axvalue::marker(prevValue);
    std::optional<QRectF> prevBox = prevMarker ? markerBounds(holder, {*prevMarker, end}, fieldFrame) : std::nullopt;
    if (prevBox && !(prevBox->width() < 100 && prevBox->height() < 100))
        prevBox.reset();

    auto success = [&](const QString& label, QRectF caret, std::optional<double> lineStart) {
        logField(role + QStringLiteral(" caret found through ") + label);
        return Caret{caret, lineStart};
    };

    if (location >= 1 && chars::endsWithLineBreak(before) && prevMarker) {
        const auto lineRange = axvalue::markerRange(
            holder.parameterized(attr(ax::kLineTextMarkerRangeForTextMarker), QVariant::fromValue(*prevMarker)));
        std::optional<QRectF> lineBox = lineRange ? markerBounds(holder, *lineRange, fieldFrame) : std::nullopt;
        if (lineBox && plausibleBox(*lineBox, caretBox)) {
            const QString label = QStringLiteral("text markers under the line above");
            if (caretBox && midY(*caretBox) < minY(*lineBox))
                return success(label, leading(*caretBox), std::nullopt);
            const double h = caretBox ? caretBox->height() : lineBox->height();
            return success(label, QRectF(minX(*lineBox), minY(*lineBox) - h, 1, h), std::nullopt);
        }
    }
    if (caretBox && prevBox)
        return success(QStringLiteral("text markers"), midY(*caretBox) <= maxY(*prevBox) ? leading(*caretBox) : trailing(*prevBox),
                       std::nullopt);
    if (caretBox)
        return success(QStringLiteral("text markers"), leading(*caretBox), std::nullopt);
    if (prevBox)
        return success(QStringLiteral("text markers"), trailing(*prevBox), std::nullopt);

    if (const auto lineRange = axvalue::markerRange(
            holder.parameterized(attr(ax::kLineTextMarkerRangeForTextMarker), QVariant::fromValue(end)))) {
        const std::optional<QRectF> toCaret = markerBounds(holder, {lineRange->start, end}, fieldFrame);
        const std::optional<QRectF> endBox = markerBounds(holder, {end, end}, fieldFrame);
        if (toCaret && (!endBox || *endBox != *toCaret) && toCaret->height() >= 6 && toCaret->height() < 40) {
            const QString label = QStringLiteral("line box (%1x%2)").arg(qint64(toCaret->width())).arg(qint64(toCaret->height()));
            return success(label, trailing(*toCaret), minX(*toCaret));
        }
    }
    const Caret runs = textRuns(holder, end, before);
    if (runs.rect)
        return success(QStringLiteral("text runs (") + runNote() + QStringLiteral("; empty none, previous none)"), *runs.rect,
                       runs.lineStartX);

    auto markerBox = [&](const AXTextMarkerRange& r) {
        return describe(holder.parameterized(attr(ax::kBoundsForTextMarkerRange), QVariant::fromValue(r)));
    };
    const QString b = prevMarker ? markerBox({*prevMarker, end}) : prevValue.isValid() ? QStringLiteral("not a marker")
                                                                                      : QStringLiteral("no marker");
    auto plainBox = [&](qint64 p, qint64 n) {
        return describe(element.parameterized(attr(ax::kBoundsForRange), QVariant::fromValue(AXRange{p, n})));
    };
    const QString ff = fieldFrame ? QStringLiteral("%1x%2").arg(qint64(fieldFrame->width())).arg(qint64(fieldFrame->height()))
                                  : QStringLiteral("none");
    logField(role + QStringLiteral(" has text markers but no box for them (marker selection ") + markerBox(found->second)
             + QStringLiteral(", marker empty ") + markerBox({end, end}) + QStringLiteral(", marker before ") + b
             + QStringLiteral(", plain empty ") + plainBox(location, 0) + QStringLiteral(", plain before ")
             + plainBox(std::max<qint64>(location - 1, 0), 1) + QStringLiteral(", holder ")
             + holder.string(attr(ax::kRole)).value_or(QString()) + QStringLiteral(", caret ")
             + (location < 1 ? QStringLiteral("at start") : QStringLiteral("after text")) + QStringLiteral(", field frame ") + ff
             + QLatin1Char(')'));
    return {};
}

std::optional<double> AXFieldSource::lineStartX(const AXElement& element, qint64 location, const QString& before,
                                                const QRectF& caret)
{
    qsizetype start = before.size();
    while (start > 0 && !chars::isLineBreak(before[start - 1].unicode()))
        --start;
    const qint64 n = before.size() - start;
    if (n < 1 || location - n < 0)
        return std::nullopt;
    const std::optional<QRectF> first = element.bounds(AXRange{location - n, charLength(before, start)});
    if (!first || std::abs(midY(*first) - midY(caret)) >= 0.5 * caret.height())
        return std::nullopt;
    // A right-to-left line begins at its right edge.
    return chars::firstStrongIsRightToLeft(QStringView(before).sliced(start)).value_or(false) ? maxX(*first) : minX(*first);
}

std::pair<std::optional<double>, std::optional<QString>> AXFieldSource::readFont(const AXElement& element, qint64 location)
{
    const std::optional<AXAttributedString> s = element.attributedString(AXRange{std::max<qint64>(location - 1, 0), 1});
    if (!s || s->string.isEmpty())
        return {};
    const QVariant font = s->attribute(attr(ax::kFont), 0);
    if (font.metaType() != QMetaType::fromType<QVariantMap>())
        return {};
    const QVariantMap map = font.toMap();
    std::optional<double> size;
    std::optional<QString> name;
    const QVariant sv = map.value(attr(ax::kFontSize));
    if (sv.metaType().id() == QMetaType::Double || sv.metaType().id() == QMetaType::Int || sv.metaType().id() == QMetaType::LongLong)
        size = sv.toDouble();
    const QVariant nv = map.value(attr(ax::kFontName));
    if (nv.metaType() == QMetaType::fromType<QString>())
        name = nv.toString();
    return {size, name};
}

} // namespace tq
