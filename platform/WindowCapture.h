#pragma once
// A still image of one window, for text recognition: the window's own pixels where a
// compositing manager keeps them off screen, else the screen's pixels over the window with
// every window stacked above it blanked out.
//
// With TESSAQUILL_CAPTURE_DUMP naming a folder, each image taken is also saved there as a PNG
// file (for looking at what recognition is given).

#include <QImage>
#include <QRectF>
#include <QVector>

#include <memory>

namespace tq {

struct WindowShot {
    QImage image; // null when nothing could be captured
    // Whether the image holds the window's own pixels only. Otherwise it was taken from the
    // screen and `covering` names the processes of the windows over it that were blanked
    // (0 for a window that names none).
    bool own = false;
    QVector<qint64> covering;
};

class WindowCapture {
public:
    virtual ~WindowCapture() = default;
    // The top-level window `window` (an id of the window list), `area` its rectangle as listed
    // (top-left screen coordinates, its frame included), at `scale` pixels per point, without
    // the pointer.
    virtual WindowShot capture(quint64 window, const QRectF& area, double scale) = 0;
    // Pixels per point of the primary screen; 2.0 when there is no screen.
    virtual double scale() = 0;

    // The system implementation (made once, by SystemPlatform).
    static std::unique_ptr<WindowCapture> createSystem();
};

} // namespace tq
