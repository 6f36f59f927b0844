#include "overlay/ListPanel.h"

#include "overlay/GhostLayout.h"
#include "platform/OverlayWindow.h"
#include "ui/design/Palette.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace tq::listpanel {

double height(int rows) { return rows * kRowHeight + 2 * kInset; }

QRectF frame(const QRectF& caret, int rows, double width, const QRectF& v)
{
    const double h = height(rows);
    double y = caret.y() - h - 6;
    if (y < v.y())
        y = caret.y() + caret.height() + 6;
    double x = caret.x() - 14;
    x = std::max(x, v.x() + 4);
    x = std::min(x, v.x() + v.width() - width - 4);
    return QRectF(x, y, width, h);
}

QRectF visibleFrameFor(const QRectF& caret)
{
    const std::optional<ScreenArea> screen = OverlayScreens::current().screenFor(caret.topLeft());
    return screen ? screen->visibleFrame : GhostLayout::unbounded();
}

void placeAtCaret(QWidget* panel, const QRectF& caretRect, int rows, double width)
{
    overlay::setFrame(panel, frame(caretRect, rows, width, visibleFrameFor(caretRect)));
    panel->update();
    if (!panel->isVisible())
        overlay::orderFront(panel);
}

qint64 moved(qint64 selected, qint64 delta, qint64 count)
{
    if (count == 0)
        return selected;
    return (selected + delta + count) % count;
}

} // namespace tq::listpanel

namespace tq {

ListPanelView::ListPanelView(double width, QWidget* parent) : QWidget(parent), width_(width)
{
    overlay::prepare(this);
}

void ListPanelView::resizeEvent(QResizeEvent*)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), 12, 12);
    overlay::applyShape(this, QRegion(path.toFillPolygon().toPolygon()));
}

void ListPanelView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(rect(), Qt::transparent);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const QColor primary = palette().color(QPalette::WindowText);
    QColor secondary = primary;
    secondary.setAlphaF(0.6f);
    QColor background = palette().color(QPalette::Window);
    background.setAlphaF(0.96f);

    QPainterPath panel;
    panel.addRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    p.fillPath(panel, background);
    p.setPen(QPen(palette::withOpacity(primary, 0.08), 1));
    p.drawPath(panel);

    const int n = rowCount ? rowCount() : 0;
    const qint64 sel = selected ? selected() : -1;
    const QFont base = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (int i = 0; i < n; ++i) {
        const ListRow r = row(i);
        const bool isSel = i == sel;
        const QRectF rowRect(listpanel::kInset, listpanel::kInset + i * listpanel::kRowHeight,
                             width_ - 2 * listpanel::kInset, listpanel::kRowHeight);
        if (isSel) {
            QPainterPath fill;
            fill.addRoundedRect(rowRect, 7, 7);
            p.fillPath(fill, palette::withOpacity(palette::gold(), 0.22));
        }
        double x = rowRect.x() + 10;
        double right = rowRect.right() - 10;

        if (isSel && badge) {
            QFont bf = base;
            bf.setPixelSize(10);
            bf.setWeight(QFont::Medium);
            const QFontMetricsF bm(bf);
            const QString text = badge();
            const QRectF cap(right - bm.horizontalAdvance(text) - 10, rowRect.center().y() - (bm.height() + 2) / 2,
                             bm.horizontalAdvance(text) + 10, bm.height() + 2);
            QPainterPath capPath;
            capPath.addRoundedRect(cap.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
            p.setPen(QPen(palette::withOpacity(secondary, 0.5), 1));
            p.drawPath(capPath);
            p.setFont(bf);
            p.setPen(secondary);
            p.drawText(cap, Qt::AlignCenter, text);
            right = cap.x() - 10;
        }
        if (!r.leading.isEmpty()) {
            QFont ef = base;
            ef.setPixelSize(18);
            p.setFont(ef);
            p.setPen(primary);
            p.drawText(QRectF(x, rowRect.y(), 26, rowRect.height()), Qt::AlignCenter, r.leading);
            x += 26 + 10;
        }
        QFont tf = base;
        tf.setPixelSize(int(std::lround(r.textSize)));
        tf.setWeight(isSel ? QFont::Medium : QFont::Normal);
        p.setFont(tf);
        p.setPen(isSel ? primary : secondary);
        const QString shown = QFontMetricsF(tf).elidedText(r.text, r.elide, std::max(0.0, right - x));
        p.drawText(QRectF(x, rowRect.y(), std::max(0.0, right - x), rowRect.height()), Qt::AlignVCenter | Qt::AlignLeft, shown);
    }
}

} // namespace tq
