#pragma once
// Shared parts of the alternatives and emoji lists: placement at the caret, wrap-around
// movement and the window that draws the rows.

#include <QList>
#include <QRectF>
#include <QString>
#include <QWidget>

#include <functional>
#include <optional>

namespace tq {

class ColourScheme;
class ListPanelView;
class OverlayScreens;

namespace listpanel {

inline constexpr double kRowHeight = 30;
inline constexpr double kInset = 6;
// Room around the panel for the shadow it draws where a compositing manager blends it.
inline constexpr int kShadowMargin = 14;

// Height of a list of n rows: n × 30 + 12.
double height(int rows);
// Frame of a list panel of `width` for a caret rectangle: 6 points under the caret, or 6 above
// it when the bottom would leave `visible`; 4 points from the left and right edges of `visible`.
QRectF frame(const QRectF& caretRect, int rows, double width, const QRectF& visible);
// The visible frame of the screen holding the caret's origin (else the main screen), or
// large finite bounds with no screen.
QRectF visibleFrameFor(const OverlayScreens& screens, const QRectF& caretRect);
// Index after moving by delta with wrap-around; the same index when the list is empty.
qint64 moved(qint64 selected, qint64 delta, qint64 count);
// The item at an index; none outside the list.
template <typename T>
std::optional<T> itemAt(const QList<T>& items, qint64 index)
{
    if (index < 0 || index >= items.size())
        return std::nullopt;
    return items.at(index);
}
// Sets the panel's frame for the caret (on every show; the window is larger by the shadow's
// room where one is drawn) and brings it to the front without activating this program.
void placeAtCaret(const OverlayScreens& screens, ListPanelView* panel, const QRectF& caretRect, int rows,
                  double width);

} // namespace listpanel

// One row as drawn.
struct ListRow {
    QString leading;       // fixed-width column (the emoji glyph); empty for none
    QString text;
    Qt::TextElideMode elide = Qt::ElideRight;
    double textSize = 13;
};

// The list window: rounded panel, one row per entry, the highlighted row filled with gold and
// carrying a badge.
class ListPanelView : public QWidget {
    Q_OBJECT
public:
    explicit ListPanelView(double width, QWidget* parent = nullptr);

    std::function<int()> rowCount;
    std::function<ListRow(int)> row;
    std::function<qint64()> selected;
    std::function<QString()> badge;

    double panelWidth() const { return width_; }
    // Redraws after a model change and tells assistive technology when the highlight moved.
    void refresh();
    // With a compositing manager the window is translucent: smooth corners and a soft shadow in
    // a margin around the panel. Without one it is shaped to the panel's rounded outline.
    void reshape();
    void setShadowed(bool shadowed) { margin_ = shadowed ? listpanel::kShadowMargin : 0; }
    // The panel inside the window, in window coordinates.
    QRectF panelRect() const;
    // Dark or light as the desktop is, following its changes (none: light).
    void follow(const ColourScheme* scheme);
    bool isDark() const { return dark_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    double width_;
    int margin_ = 0;
    qint64 announced_ = -1;
    const ColourScheme* scheme_ = nullptr;
    bool dark_ = false;
};

} // namespace tq
