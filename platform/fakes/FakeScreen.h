#pragma once
// A primary screen of a chosen size.

#include "platform/Screen.h"

namespace tq {

class FakeScreenGeometry final : public ScreenGeometry {
public:
    explicit FakeScreenGeometry(QRectF frame = QRectF(0, 0, 1440, 900)) : frame(frame) {}
    QRectF primaryFrame() const override { return frame; }
    QRectF frame;
};

} // namespace tq
