#pragma once
// Draws a ghost layout: the caret row, the rounded box of wrapped rows or the anchored pill,
// the key-hint keycap and the highlight of a spelling fix.

#include "overlay/GhostContent.h"
#include "overlay/GhostLayout.h"

#include <QImage>
#include <QWidget>

#include <optional>

namespace tq {

class GhostView : public QWidget {
    Q_OBJECT
public:
    explicit GhostView(QWidget* parent = nullptr);

    std::optional<GhostLayout> layout;
    std::optional<GhostContent> content;
    // Without a compositing manager the window cannot blend: everything is drawn opaque and
    // the window is shaped to exactly the pixels drawn, so the field shows between the glyphs
    // and inside the keycap instead of black. Edges are mixed over `backdrop`, the field's own
    // colour under the ghost; without it nothing is anti-aliased.
    bool flat = false;
    std::optional<QColor> backdrop;
    // The desktop is dark: the box, the pill and their rows are drawn dark where the field's
    // own colour is not known.
    bool desktopDark = false;

    // The parts of the view that are drawn on, in view coordinates (for the shape mask).
    QRegion drawnRegion() const;
    // Screen-space rectangle → view coordinates (y down from the frame's top).
    QRectF toView(const QRectF& screenRect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The flat drawing made for the shape mask; painted as it is so mask and pixels agree.
    mutable QImage flatImage_;
    mutable bool renderingFlat_ = false;

    bool isDark() const;
    void draw(class QPainter& p, bool opaque) const;
    void drawBox(class QPainter& p, const QRectF& rect, bool dark, bool opaque) const;
    QRectF hintRect() const;
    void drawRow(class QPainter& p, const QString& text, const QFont& font, const QPointF& baseline) const;
    double rowY(const GhostLayout::Line& line, double textHeight) const;
};

} // namespace tq
