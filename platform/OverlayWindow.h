#pragma once
// Floating overlay windows at the caret: the screens they may use, in bottom-left screen
// space, and the X11 window set-up of a panel that never takes focus and lets clicks through.

#include <QColor>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QRegion>

#include <optional>

class QImage;
class QWidget;

#include <memory>

namespace tq {

class ColourScheme;

// One screen in bottom-left, y-up screen space.
struct ScreenArea {
    QRectF frame;
    QRectF visibleFrame; // without panels and docks
    friend bool operator==(const ScreenArea&, const ScreenArea&) = default;
};

class OverlayScreens {
public:
    virtual ~OverlayScreens() = default;
    virtual QList<ScreenArea> screens() const = 0;
    // The screen that counts as the main one; none when there is no screen at all.
    virtual std::optional<ScreenArea> mainScreen() const = 0;

    // Whether the desktop is dark, followed as it changes; none: light.
    virtual const ColourScheme* colourScheme() const { return nullptr; }
    bool prefersDark() const;

    // The first screen whose frame contains the point, else the main screen, else none.
    std::optional<ScreenArea> screenFor(QPointF point) const;

    // The Qt screens (made once, by SystemPlatform).
    static std::unique_ptr<OverlayScreens> createSystem();
};

// Window set-up and placement of one overlay panel.
namespace overlay {

// Frameless tool window above the others: never focused, never activating this program,
// transparent for mouse input, translucent where a compositing manager runs.
void prepare(QWidget* window);
// True while a compositing manager runs on the default screen (_NET_WM_CM_S0 is owned).
bool compositing();
// True while translucent windows are blended on a real screen (X11 with a compositing
// manager): only then does a soft shadow drawn around a panel show as one.
bool blendsOnScreen();
// Tells compositing managers that the window draws its own shadow in a margin of that many
// points on each side (GTK's frame extents, as client-side decorations do), so that they add
// none of their own; 0 takes it back.
void setDrawnShadow(QWidget* window, int margin);
// Moves and sizes the window to a rectangle in screen space.
void setFrame(QWidget* window, const QRectF& screenRect);
// The window's frame in screen space.
QRectF frame(const QWidget* window);
// Without a compositing manager the window shows only `visible` (in window coordinates);
// with one the mask is cleared and translucency does the work.
void applyShape(QWidget* window, const QRegion& visible);
// Where a compositing manager runs, presses reach the window only inside `area` (in window
// coordinates) and fall through to the window beneath elsewhere, as in a drawn shadow's margin.
// An empty area takes the whole window again. Nothing happens off X11.
void setInputArea(QWidget* window, const QRegion& area);
// Shows the window when hidden and raises it, without activating it or taking the focus.
void orderFront(QWidget* window);
// The colour most pixels of the screen show in a rectangle of screen space, as they are now,
// leaving out the pixels the shaped overlay `window` shows itself; none when the screen cannot
// be read there.
std::optional<QColor> screenColour(const QRectF& screenRect, const QWidget* window);
// The colour most pixels of the image have (opaque), leaving out those in `skip`; none when no
// pixel is left.
std::optional<QColor> commonColour(const QImage& image, const QRegion& skip = {});

} // namespace overlay

} // namespace tq
