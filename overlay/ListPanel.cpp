#include "overlay/ListPanel.h"

#include "overlay/GhostLayout.h"
#include "platform/ColourScheme.h"
#include "platform/OverlayWindow.h"
#include "look/Palette.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QBitmap>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>

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

QRectF visibleFrameFor(const OverlayScreens& screens, const QRectF& caret)
{
    const std::optional<ScreenArea> screen = screens.screenFor(caret.topLeft());
    return screen ? screen->visibleFrame : GhostLayout::unbounded();
}

void placeAtCaret(const OverlayScreens& screens, ListPanelView* panel, const QRectF& caretRect, int rows, double width)
{
    const bool shadowed = overlay::blendsOnScreen();
    panel->setShadowed(shadowed);
    const double m = shadowed ? kShadowMargin : 0;
    overlay::setFrame(panel, frame(caretRect, rows, width, visibleFrameFor(screens, caretRect)).adjusted(-m, -m, m, m));
    overlay::setDrawnShadow(panel, int(m));
    panel->follow(screens.colourScheme());
    panel->reshape();
    panel->update();
    overlay::orderFront(panel); // raised on every show, like the ghost
}

qint64 moved(qint64 selected, qint64 delta, qint64 count)
{
    if (count == 0)
        return selected;
    return (selected + delta + count) % count;
}

} // namespace tq::listpanel

namespace tq {

namespace {

constexpr double kRadius = 12;

QRectF rowRect(int i, double width)
{
    return QRectF(listpanel::kInset, listpanel::kInset + i * listpanel::kRowHeight, width - 2 * listpanel::kInset,
                  listpanel::kRowHeight);
}

// One row as one accessibility element: its text (and badge when highlighted), selected trait.
class RowAccessible final : public QAccessibleInterface {
public:
    RowAccessible(ListPanelView* view, int index) : view_(view), index_(index) {}
    bool isValid() const override { return view_ && view_->rowCount && index_ < view_->rowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view_ ? view_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(view_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        const ListRow r = view_->row(index_);
        QString name = r.leading.isEmpty() ? r.text : r.leading + QLatin1Char(' ') + r.text;
        if (selected() && view_->badge)
            name += QStringLiteral(", ") + view_->badge();
        return name;
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect local = rowRect(index_, view_->panelWidth()).translated(view_->panelRect().topLeft()).toAlignedRect();
        return QRect(view_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.selectable = true;
        s.selected = selected();
        s.invisible = !view_ || !view_->isVisible();
        return s;
    }

private:
    bool selected() const { return view_ && view_->selected && view_->selected() == index_; }
    QPointer<ListPanelView> view_;
    int index_;
};

class ListAccessible final : public QAccessibleWidget {
public:
    explicit ListAccessible(ListPanelView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~ListAccessible() override
    {
        for (QAccessible::Id id : std::as_const(rows_))
            QAccessible::deleteAccessibleInterface(id);
    }
    // The panel, without the room for its shadow.
    QRect rect() const override
    {
        const QRect local = view()->panelRect().toAlignedRect();
        return QRect(view()->mapToGlobal(local.topLeft()), local.size());
    }
    int childCount() const override { return view()->rowCount ? view()->rowCount() : 0; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        while (rows_.size() <= index)
            rows_.append(QAccessible::registerAccessibleInterface(new RowAccessible(view(), int(rows_.size()))));
        return QAccessible::accessibleInterface(rows_.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (qsizetype i = 0; i < rows_.size(); ++i)
            if (QAccessible::accessibleInterface(rows_.at(i)) == child)
                return int(i);
        return -1;
    }

private:
    ListPanelView* view() const { return static_cast<ListPanelView*>(widget()); }
    mutable QList<QAccessible::Id> rows_;
};

QAccessibleInterface* listFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tq::ListPanelView") && object && object->isWidgetType())
        return new ListAccessible(static_cast<ListPanelView*>(object));
    return nullptr;
}

} // namespace

ListPanelView::ListPanelView(double width, QWidget* parent) : QWidget(parent), width_(width)
{
    // Qt's accessibility factories are process-wide: this one is installed once.
    static const bool installed = [] {
        QAccessible::installFactory(listFactory);
        return true;
    }();
    Q_UNUSED(installed);
    overlay::prepare(this);
}

void ListPanelView::follow(const ColourScheme* scheme)
{
    if (scheme != scheme_) {
        if (scheme_)
            disconnect(scheme_, nullptr, this, nullptr);
        scheme_ = scheme;
        if (scheme_) {
            connect(scheme_, &ColourScheme::changed, this, [this](bool dark) {
                dark_ = dark;
                update();
            });
            connect(scheme_, &QObject::destroyed, this, [this] { scheme_ = nullptr; });
        }
    }
    dark_ = scheme_ && scheme_->isDark();
}

void ListPanelView::refresh()
{
    update();
    const qint64 sel = selected ? selected() : -1;
    if (sel == announced_)
        return;
    announced_ = sel;
    if (QAccessible::isActive() && isVisible() && sel >= 0 && rowCount && sel < rowCount()) {
        QAccessibleEvent event(this, QAccessible::Selection);
        event.setChild(int(sel));
        QAccessible::updateAccessibility(&event);
    }
}

void ListPanelView::resizeEvent(QResizeEvent*) { reshape(); }

QRectF ListPanelView::panelRect() const { return QRectF(rect()).adjusted(margin_, margin_, -margin_, -margin_); }

void ListPanelView::reshape()
{
    QBitmap outline(size());
    outline.fill(Qt::color0);
    QPainter p(&outline);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::color1);
    p.drawRoundedRect(panelRect(), kRadius, kRadius);
    p.end();
    overlay::applyShape(this, QRegion(outline));
}

void ListPanelView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // A shaped window has hard edges: its outline is drawn without soft ones to match.
    const bool blended = mask().isEmpty();
    p.setRenderHint(QPainter::Antialiasing, blended);

    const QColor primary = dark_ ? QColor::fromRgbF(0.92f, 0.92f, 0.92f) : QColor::fromRgbF(0.1f, 0.1f, 0.1f);
    QColor secondary = primary;
    secondary.setAlphaF(0.6f);
    const QColor background = dark_ ? QColor::fromRgbF(0.13f, 0.13f, 0.13f) : QColor::fromRgbF(0.99f, 0.99f, 0.99f);
    const QRectF outer = panelRect();
    if (margin_ > 0) {
        // A menu's soft shadow, a little below the panel: faint layers that add up towards its edge.
        for (int i = margin_ - 3; i > 0; --i) {
            QPainterPath layer;
            layer.addRoundedRect(outer.adjusted(-i, -i + 2, i, i + 2), kRadius + i, kRadius + i);
            p.fillPath(layer, QColor(0, 0, 0, dark_ ? 9 : 6));
        }
    }
    if (!blended)
        p.fillRect(rect(), background);

    QPainterPath panel;
    panel.addRoundedRect(outer.adjusted(0.5, 0.5, -0.5, -0.5), kRadius, kRadius);
    p.fillPath(panel, background);
    p.setPen(QPen(palette::withOpacity(primary, 0.08), 1));
    p.drawPath(panel);
    p.translate(outer.topLeft());

    const int n = rowCount ? rowCount() : 0;
    const qint64 sel = selected ? selected() : -1;
    const QFont base = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (int i = 0; i < n; ++i) {
        const ListRow r = row(i);
        const bool isSel = i == sel;
        const QRectF rowRect = tq::rowRect(i, width_);
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
