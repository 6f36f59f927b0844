#include "overlay/GhostView.h"

#include "look/Palette.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>
#include <QTextLayout>

#include <cmath>

namespace tq {

namespace {
QColor white(double w, double a) { return QColor::fromRgbF(float(w), float(w), float(w), float(a)); }

// `top` blended over the opaque `under`: the colour a compositing manager would show.
QColor over(const QColor& top, const QColor& under)
{
    const float a = top.alphaF();
    return QColor::fromRgbF(top.redF() * a + under.redF() * (1 - a), top.greenF() * a + under.greenF() * (1 - a),
                            top.blueF() * a + under.blueF() * (1 - a), 1.0f);
}

// The pixels `drawn` accepts, as a region (rows of runs, in order).
template <typename Drawn>
QRegion pixelsWhere(const QImage& image, Drawn drawn)
{
    QList<QRect> runs;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        int x = 0;
        while (x < image.width()) {
            if (!drawn(row[x])) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < image.width() && drawn(row[x]))
                ++x;
            runs.append(QRect(start, y, x - start, 1));
        }
    }
    QRegion region;
    region.setRects(runs.constData(), int(runs.size()));
    return region;
}
} // namespace

GhostView::GhostView(QWidget* parent) : QWidget(parent) {}

bool GhostView::isDark() const
{
    return backdrop ? backdrop->lightnessF() < 0.5 : desktopDark;
}

QRectF GhostView::toView(const QRectF& r) const
{
    if (!layout)
        return {};
    const QRectF& f = layout->frame;
    return QRectF(r.x() - f.x(), (f.y() + f.height()) - (r.y() + r.height()), r.width(), r.height());
}

double GhostView::rowY(const GhostLayout::Line& line, double textHeight) const
{
    const QRectF& f = layout->frame;
    return (layout->lineHeight - textHeight) * 0.5 + ((f.y() + f.height()) - line.top);
}

QRectF GhostView::hintRect() const
{
    if (!layout || !content || !layout->hintX || !content->hint || layout->lines.isEmpty())
        return {};
    const QFontMetricsF fm(GhostLayout::hintFont());
    const QSizeF s(fm.horizontalAdvance(*content->hint), fm.height());
    const QRectF& f = layout->frame;
    const double y = ((f.y() + f.height()) - layout->lines.last().top) + (layout->lineHeight - s.height() - 4) * 0.5;
    return QRectF(*layout->hintX - f.x(), y, s.width() + 10, s.height() + 4);
}

QRegion GhostView::drawnRegion() const
{
    if (!layout || !content)
        return {};
    if (flat) {
        flatImage_ = QImage(size(), QImage::Format_ARGB32_Premultiplied);
        renderingFlat_ = true;
        // The mask of the last shape would clip the drawing to the old pixels.
        const_cast<GhostView*>(this)->render(&flatImage_, QPoint(), QRegion(), QWidget::IgnoreMask);
        renderingFlat_ = false;
        if (backdrop) {
            // Every pixel the drawing changed, its edges already mixed over the field.
            const QRgb field = backdrop->rgb();
            return pixelsWhere(flatImage_, [field](QRgb px) { return px != field; });
        }
        // The pixels drawn with at least half coverage.
        return pixelsWhere(flatImage_, [](QRgb px) { return qAlpha(px) >= 128; });
    }
    if (layout->anchored)
        return QRegion(rect());
    QRegion region;
    const QFontMetricsF fm(layout->font);
    for (const GhostLayout::Line& line : layout->lines) {
        const double y = rowY(line, fm.height()) + content->verticalNudge;
        region += QRectF(line.x - layout->frame.x() - 3, y - 1, fm.horizontalAdvance(line.text) + 6, fm.height() + 2).toAlignedRect();
    }
    if (layout->container)
        region += toView(*layout->container).toAlignedRect();
    if (const QRectF h = hintRect(); !h.isEmpty())
        region += h.toAlignedRect();
    return region;
}

void GhostView::drawBox(QPainter& p, const QRectF& rect, bool dark, bool opaque) const
{
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    const QColor fill = dark ? white(0.13, 0.96) : white(0.99, 0.97);
    const QColor edge = dark ? white(1.0, 0.16) : white(0.0, 0.14);
    p.fillPath(path, opaque ? over(fill, white(dark ? 0.0 : 1.0, 1)) : fill);
    p.setPen(QPen(opaque ? over(edge, over(fill, white(dark ? 0.0 : 1.0, 1))) : edge, 1));
    p.drawPath(path);
}

void GhostView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    if (flat && !renderingFlat_ && layout && content && flatImage_.size() == size()) {
        p.drawImage(QPoint(0, 0), flatImage_);
        return;
    }
    // The flat drawing over the field's colour is drawn as a compositing manager would show it.
    const bool overField = flat && backdrop;
    p.fillRect(rect(), overField ? QColor(backdrop->rgb()) : QColor(Qt::transparent));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!layout || !content)
        return;
    draw(p, flat && !overField);
}

void GhostView::drawRow(QPainter& p, const QString& text, const QFont& font, const QPointF& baseline) const
{
    // Shaped as one run in the paragraph's direction (the bidi algorithm orders mixed text),
    // drawn from the row's left end whatever the widget's own direction, on the font's own
    // baseline (a fallback face for another script may make the line taller).
    QTextLayout row(text, font, p.device());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setTextDirection(content->rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
    option.setWrapMode(QTextOption::NoWrap);
    row.setTextOption(option);
    row.beginLayout();
    QTextLine line = row.createLine();
    line.setLineWidth(1.0e6);
    line.setPosition(QPointF(0, 0));
    row.endLayout();
    line.draw(&p, QPointF(baseline.x() - line.x(), baseline.y() - line.ascent()));
}

void GhostView::draw(QPainter& p, bool opaque) const
{
    p.setRenderHint(QPainter::Antialiasing, !opaque);
    p.setRenderHint(QPainter::TextAntialiasing, !opaque);
    // Opaque drawing blends over the field as it would most likely look: light, or dark.
    const bool dark = isDark();
    const QColor under = white(dark ? 0.13 : 1.0, 1);
    const auto shown = [&](const QColor& c) { return opaque ? over(c, under) : c; };
    const QColor& gold = palette::gold();
    const QColor caretRow = shown(content->tinted ? palette::withOpacity(gold, 0.9) : white(0.55, 0.92));
    const QColor boxRow = shown(content->tinted ? gold : (dark ? white(0.88, 0.96) : white(0.2, 0.96)));

    if (layout->anchored)
        drawBox(p, QRectF(rect()), dark, opaque);
    if (layout->container)
        drawBox(p, toView(*layout->container), dark, opaque);

    const QFontMetricsF fm(layout->font);
    QFont font = layout->font;
    if (opaque)
        font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    for (const GhostLayout::Line& line : layout->lines) {
        const double x = line.x - layout->frame.x();
        const double y = content->verticalNudge + rowY(line, fm.height());
        if (content->kind.isFix()) {
            const double w = fm.horizontalAdvance(line.text);
            QPainterPath highlight;
            highlight.addRoundedRect(QRectF(x - 3, y - 1, w + 6, fm.height() + 2), 4, 4);
            p.fillPath(highlight, shown(palette::withOpacity(gold, 0.16)));
            p.setPen(shown(dark ? white(1.0, 0.85) : white(0.0, 0.85))); // the label colour
        } else {
            p.setPen(line.inBox || layout->anchored ? boxRow : caretRow);
        }
        drawRow(p, line.text, font, QPointF(x, y + fm.ascent()));
    }

    if (const QRectF cap = hintRect(); !cap.isEmpty()) {
        QPainterPath path;
        path.addRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
        p.setPen(QPen(shown(white(0.55, 0.55)), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        QFont hf = GhostLayout::hintFont();
        if (opaque)
            hf.setStyleStrategy(QFont::NoAntialias);
        p.setFont(hf);
        p.setPen(shown(white(0.55, 0.95)));
        p.drawText(QPointF(cap.x() + 5, cap.y() + 2 + QFontMetricsF(hf).ascent()), *content->hint);
    }
}

} // namespace tq
