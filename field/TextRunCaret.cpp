// The caret from the static-text runs an editor shows: match the text before the caret
// against the runs, then place the caret in its run, laying a wrapped run out again at the
// font size that reproduces its rows.
#include "field/AXFieldSource.h"
#include "field/LaidOutText.h"

#include "platform/Chars.h"

#include <QFontDatabase>
#include <QTextBoundaryFinder>

#include <cmath>

namespace tq {

namespace {

QString attr(const char* name) { return QString::fromLatin1(name); }

QString& runNoteText()
{
    static QString note;
    return note;
}

QString& wrappedNoteText()
{
    static QString note;
    return note;
}

// UTF-16 offsets of every user-visible character boundary, 0 included.
std::vector<qsizetype> boundaries(const QString& text)
{
    std::vector<qsizetype> out{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    while (finder.toNextBoundary() > 0)
        out.push_back(finder.position());
    if (out.back() != text.size())
        out.push_back(text.size());
    return out;
}

QString size(const QRectF& r)
{
    return QStringLiteral("%1x%2").arg(qint64(r.width())).arg(qint64(r.height()));
}

} // namespace

QString AXFieldSource::runNote() { return runNoteText(); }
QString AXFieldSource::wrappedNote() { return wrappedNoteText(); }

double AXFieldSource::runsLeftEdge(const std::vector<TextRun>& runs, const QRectF& containerFrame)
{
    if (runs.empty())
        return containerFrame.x();
    double left = runs.front().frame.x();
    for (const TextRun& r : runs)
        left = std::min(left, r.frame.x());
    return left;
}

std::vector<AXFieldSource::TextRun> AXFieldSource::collectRuns(const AXElement& element, int depth)
{
    std::vector<TextRun> runs;
    if (depth > 4 || !element.screen())
        return runs;
    const QVariant children = element.attribute(attr(ax::kChildren));
    if (children.metaType() != QMetaType::fromType<QVariantList>())
        return runs;
    for (const QVariant& v : children.toList()) {
        const std::optional<AXElement> child = axvalue::element(v, *element.screen());
        if (!child)
            continue;
        if (child->string(attr(ax::kRole)) == QLatin1String(ax::kStaticText)) {
            if (const std::optional<QRectF> frame = child->frame())
                runs.push_back({child->string(attr(ax::kValue)).value_or(QString()), *frame, *child});
            continue;
        }
        std::vector<TextRun> inner = collectRuns(*child, depth + 1);
        runs.insert(runs.end(), inner.begin(), inner.end());
    }
    return runs;
}

AXFieldSource::Caret AXFieldSource::textRuns(const AXElement& holder, const AXTextMarker& end, const QString& before)
{
    if (!holder.screen())
        return {};
    const std::optional<AXElement> atCaret = axvalue::element(
        holder.parameterized(attr(ax::kUIElementForTextMarker), QVariant::fromValue(end)), *holder.screen());
    if (!atCaret)
        return {};
    AXElement container = *atCaret;
    if (atCaret->string(attr(ax::kRole)) == QLatin1String(ax::kStaticText))
        container = atCaret->element(attr(ax::kParent)).value_or(*atCaret);
    const std::optional<QRectF> frame = container.frame();
    if (!frame)
        return {};
    const std::vector<TextRun> runs = collectRuns(container);
    const QRectF caret = runCaret(runs, *frame, before, [&](const TextRun& run) {
        for (const TextRun& r : runs)
            if (r == run)
                return markerLineProbe(holder, end, r.element);
        return std::vector<qsizetype>();
    });
    return {caret, runsLeftEdge(runs, *frame)};
}

QRectF AXFieldSource::runCaret(const std::vector<TextRun>& runs, const QRectF& container, const QString& before,
                               const std::function<std::vector<qsizetype>(const TextRun&)>& rowStarts)
{
    std::optional<double> smallest;
    for (const TextRun& r : runs) {
        const double h = r.frame.height();
        if (h >= 10 && h <= 26)
            smallest = std::min(smallest.value_or(h), h);
    }
    // A container without height gives no line height: a usual one stands in.
    double lineHeight = smallest.value_or(std::min(container.height(), 20.0));
    if (!(lineHeight > 0))
        lineHeight = 20;
    QString& note = runNoteText();
    note = QStringLiteral("runs %1, line %2, line height %3").arg(runs.size()).arg(size(container)).arg(qint64(lineHeight));
    if (runs.empty())
        return QRectF(container.x(), container.y() + container.height() - lineHeight, 1, lineHeight);

    QString joined;
    for (const TextRun& r : runs)
        joined += r.text;
    const std::vector<qsizetype> bounds = boundaries(joined);
    const int total = int(bounds.size()) - 1;
    int k = 0;
    for (int n = total; n >= 1 && k == 0; --n) {
        const qsizetype units = bounds[n];
        if (before.size() >= units && before.back() == joined[units - 1] && QStringView(before).endsWith(QStringView(joined).left(units)))
            k = n;
    }
    if (k == 0 && !before.isEmpty())
        k = total;

    const TextRun* run = &runs.back();
    int offset = chars::count(run->text);
    int seen = 0;
    for (const TextRun& r : runs) {
        const int count = chars::count(r.text);
        if (seen + count >= k) {
            run = &r;
            offset = k - seen;
            break;
        }
        seen += count;
    }
    const int runCount = chars::count(run->text);
    const std::vector<qsizetype> starts = rowStarts(*run);
    QStringList startTexts;
    for (qsizetype s : starts)
        startTexts << QString::number(s);
    note += QStringLiteral(", run %1 at %2/%3, matched %4/%5, starts [%6]")
                .arg(size(run->frame))
                .arg(offset)
                .arg(runCount)
                .arg(k)
                .arg(total)
                .arg(startTexts.join(QLatin1Char(',')));
    if (!starts.empty() || run->frame.height() > 1.5 * lineHeight) {
        const QRectF caret = wrappedRowsCaret(*run, offset, starts, container.width(), lineHeight);
        note += QStringLiteral(", ") + wrappedNoteText();
        return caret;
    }
    const double x = offset < runCount ? run->frame.x() + run->frame.width() * offset / std::max(runCount, 1)
                                       : run->frame.x() + run->frame.width();
    return QRectF(x, run->frame.y(), 1, run->frame.height());
}

std::vector<qsizetype> AXFieldSource::markerLineProbe(const AXElement& holder, const AXTextMarker& end, const AXElement& runElement)
{
    std::vector<qsizetype> starts;
    const auto range = axvalue::markerRange(
        holder.parameterized(attr(ax::kTextMarkerRangeForUIElement), QVariant::fromValue(runElement.ref)));
    const std::optional<QString> value = runElement.string(attr(ax::kValue));
    if (!range || !value)
        return starts;
    const qsizetype v = value->size();
    const AXTextMarker elementStart = range->start;
    auto textTo = [&](const AXTextMarker& m) -> std::optional<QString> {
        const QVariant s = holder.parameterized(attr(ax::kStringForTextMarkerRange), QVariant::fromValue(AXTextMarkerRange{elementStart, m}));
        if (s.metaType() != QMetaType::fromType<QString>() || s.toString().isEmpty())
            return std::nullopt;
        return s.toString();
    };
    AXTextMarker cursor = end;
    if (const auto line = axvalue::markerRange(holder.parameterized(attr(ax::kLineTextMarkerRangeForTextMarker), QVariant::fromValue(end)))) {
        cursor = line->start;
        if (const auto s = textTo(cursor); s && s->size() < v && value->startsWith(*s))
            starts.push_back(s->size());
    }
    for (int i = 0; i < 40; ++i) {
        const auto m = axvalue::marker(holder.parameterized(attr(ax::kPreviousLineStartTextMarkerForTextMarker), QVariant::fromValue(cursor)));
        if (!m)
            break;
        const auto s = textTo(*m);
        if (!s)
            break;
        const qsizetype n = s->size();
        if (n >= v || !value->startsWith(*s) || (!starts.empty() && n >= starts.back()))
            break;
        starts.push_back(n);
        cursor = *m;
    }
    return starts;
}

std::optional<AXFieldSource::LayoutCandidate> AXFieldSource::layoutRows(double size, double width, const QString& text, qsizetype c,
                                                                        std::vector<qsizetype>* lineStarts, int* lineCount)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(size);
    const LaidOutText laid = LaidOutText::layout(text, font, width);
    const auto& lines = laid.lines();
    if (lineCount)
        *lineCount = int(lines.size());
    if (lines.empty())
        return std::nullopt;
    int row = int(lines.size()) - 1;
    for (int i = 0; i < int(lines.size()); ++i) {
        if (lines[i].start + lines[i].length > c) {
            row = i;
            break;
        }
    }
    LayoutCandidate out;
    out.row = row;
    out.caretX = laid.offsetFor(row, c);
    for (const auto& line : lines)
        out.widest = std::max(out.widest, line.width);
    if (lineStarts) {
        lineStarts->clear();
        for (const auto& line : lines)
            lineStarts->push_back(line.start);
    }
    return out;
}

std::vector<AXFieldSource::LayoutCandidate> AXFieldSource::fittingLayouts(double width, bool strict, const QString& text, qsizetype c,
                                                                          int rows, const std::vector<qsizetype>& knownStarts)
{
    std::vector<LayoutCandidate> out;
    std::vector<qsizetype> starts;
    for (int step = 0; step <= 36; ++step) {
        const double size = 11 + 0.25 * step;
        int count = 0;
        const auto candidate = layoutRows(size, width, text, c, &starts, &count);
        if (!candidate || count != rows)
            continue;
        if (strict && !std::all_of(knownStarts.begin(), knownStarts.end(), [&](qsizetype s) {
                return std::find(starts.begin(), starts.end(), s) != starts.end();
            }))
            continue;
        out.push_back(*candidate);
    }
    return out;
}

QRectF AXFieldSource::wrappedRowsCaret(const TextRun& run, int offset, const std::vector<qsizetype>& rowStarts, double leastWidth,
                                       double lineHeight)
{
    const qsizetype c = chars::offsetAfter(run.text, offset);
    std::vector<qsizetype> known;
    for (qsizetype s : rowStarts)
        if (s >= 1 && s < run.text.size() && std::find(known.begin(), known.end(), s) == known.end())
            known.push_back(s);
    const int rows = !known.empty() ? int(known.size()) + 1
                                    : std::max(2, int(std::round(run.frame.height() / std::max(lineHeight, 1.0))));
    const double width = std::max({1.0, run.frame.width(), leastWidth});
    const std::vector<LayoutCandidate> strict = fittingLayouts(width, true, run.text, c, rows, known);
    const std::vector<LayoutCandidate> loose = strict.empty() ? fittingLayouts(width, false, run.text, c, rows, known)
                                                              : std::vector<LayoutCandidate>();
    const std::vector<LayoutCandidate>& candidates = strict.empty() ? loose : strict;
    int row = rows - 1;
    double caretX = 0;
    if (!candidates.empty()) {
        const LayoutCandidate* best = &candidates.front();
        for (const LayoutCandidate& candidate : candidates)
            if (std::abs(candidate.widest - run.frame.width()) < std::abs(best->widest - run.frame.width()))
                best = &candidate;
        row = best->row;
        caretX = std::min(best->caretX, width);
    } else if (const auto fallback = layoutRows(14, width, run.text, c)) {
        row = fallback->row;
        caretX = std::min(fallback->caretX, width);
    }
    const double r = run.frame.height() / rows;
    const double h = std::min(r, lineHeight);
    wrappedNoteText() = QStringLiteral("wrapped rows %1, row %2, strict %3, loose %4, x %5 of %6")
                            .arg(rows)
                            .arg(row)
                            .arg(strict.size())
                            .arg(loose.size())
                            .arg(qint64(caretX))
                            .arg(qint64(width));
    return QRectF(run.frame.x() + caretX, run.frame.y() + run.frame.height() - r * row - (r - h) / 2 - h, 1, h);
}

} // namespace tq
