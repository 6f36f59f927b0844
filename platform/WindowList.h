#pragma once
// The desktop's top-level windows, front to back, from the window manager's stacking list,
// and the screens they lie on. Rectangles are in top-left screen coordinates (y downward),
// the accessibility layer's space; a window's bounds include its frame.

#include <QRectF>
#include <QVector>

#include <memory>

namespace tq {

class ScreenGeometry;

struct ListedWindow {
    quint64 id = 0;
    qint64 pid = 0;  // 0 when the window names no process
    int layer = 0;   // 0 for ordinary application windows, 1 for panels, splashes and the like
    QRectF bounds;
    friend bool operator==(const ListedWindow&, const ListedWindow&) = default;
};

class WindowList {
public:
    virtual ~WindowList() = default;
    // Windows shown now (not minimised), front to back, without the desktop and its docks.
    // Empty when the list cannot be read.
    virtual QVector<ListedWindow> windows() = 0;
    // Every screen's frame, the primary first.
    virtual QVector<QRectF> screens() = 0;

    // The system implementation (made once, by SystemPlatform).
    static std::unique_ptr<WindowList> createSystem(ScreenGeometry& geometry);
};

} // namespace tq
