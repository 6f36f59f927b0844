#include "overlay/GhostView.h"

#include "ui/design/Palette.h"

#include <QBitmap>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>

#include <cmath>

namespace tq {

namespace {
QColor white(double w, double a) { return QColor::fromRgbF(float(w), float(w), float(w), float(a)); }
} // namespace

GhostView::GhostView(QWidget* parent) : QWidget(parent) {}

bool GhostView::isDark() const { return palette().color(QPalette::Window).lightnessF() < 0.5; }

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
    if (layout->anchored)
        return QRegion(rect());
    QRegion region;
    QRegion lines;
    const QFontMetricsF fm(layout->font);
    for (const GhostLayout::Line& line : layout->lines) {
        const double y = rowY(line, fm.height()) + content->verticalNudge;
        lines += QRectF(line.x - layout->frame.x() - 3, y - 1, fm.horizontalAdvance(line.text) + 6, fm.height() + 2).toAlignedRect();
    }
    if (layout->container) {
        region += toView(*layout->container).toAlignedRect();
        region += lines;
    } else if (!lines.isEmpty()) {
        // Text drawn straight over the field: only the glyphs' own pixels, so the field
        // shows between them when no compositing manager blends the window.
        QImage image(size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        renderingFlat_ = true;
        const_cast<GhostView*>(this)->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
        renderingFlat_ = false;
        region += QRegion(QBitmap::fromImage(image.createAlphaMask(Qt::ThresholdAlphaDither))) & lines;
        if (opaqueText)
            flatImage_ = image;
    }
    if (const QRectF h = hintRect(); !h.isEmpty())
        region += h.toAlignedRect();
    return region;
}

void GhostView::drawBox(QPainter& p, const QRectF& rect, bool dark) const
{
    QPainterPath path;
    path.addRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.fillPath(path, dark ? white(0.13, 0.96) : white(0.99, 0.97));
    p.setPen(QPen(dark ? white(1.0, 0.16) : white(0.0, 0.14), 1));
    p.drawPath(path);
}

void GhostView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (!layout || !content)
        return;
    if (opaqueText && !renderingFlat_ && !layout->container && !layout->anchored && flatImage_.size() == size()) {
        p.drawImage(QPoint(0, 0), flatImage_);
        return;
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const bool dark = isDark();
    const QColor& gold = palette::gold();
    QColor caretRow = content->tinted ? palette::withOpacity(gold, 0.9) : white(0.55, 0.92);
    const bool flatText = opaqueText && !layout->container && !layout->anchored;
    if (flatText) {
        caretRow.setAlphaF(1.0);
        p.setRenderHint(QPainter::TextAntialiasing, false);
    }
    const QColor boxRow = content->tinted ? gold : (dark ? white(0.88, 0.96) : white(0.2, 0.96));

    if (layout->anchored)
        drawBox(p, QRectF(rect()), dark);
    if (layout->container)
        drawBox(p, toView(*layout->container), dark);

    const QFontMetricsF fm(layout->font);
    QFont font = layout->font;
    if (flatText)
        font.setStyleStrategy(QFont::NoAntialias);
    p.setFont(font);
    for (const GhostLayout::Line& line : layout->lines) {
        const double x = line.x - layout->frame.x();
        const double y = content->verticalNudge + rowY(line, fm.height());
        if (content->kind.isFix()) {
            const double w = fm.horizontalAdvance(line.text);
            QPainterPath highlight;
            highlight.addRoundedRect(QRectF(x - 3, y - 1, w + 6, fm.height() + 2), 4, 4);
            p.fillPath(highlight, palette::withOpacity(gold, 0.16));
            p.setPen(palette().color(QPalette::WindowText));
        } else {
            p.setPen(line.inBox || layout->anchored ? boxRow : caretRow);
        }
        p.drawText(QPointF(x, y + fm.ascent()), line.text);
    }

    if (const QRectF cap = hintRect(); !cap.isEmpty()) {
        QPainterPath path;
        path.addRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), 3.5, 3.5);
        p.setPen(QPen(white(0.55, 0.55), 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        const QFont hf = GhostLayout::hintFont();
        p.setFont(hf);
        p.setPen(white(0.55, 0.95));
        p.drawText(QPointF(cap.x() + 5, cap.y() + 2 + QFontMetricsF(hf).ascent()), *content->hint);
    }
}

} // namespace tq
