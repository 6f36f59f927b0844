#pragma once
// A window list set by the test, front to back.

#include "platform/WindowList.h"

namespace tq {

class FakeWindowList final : public WindowList {
public:
    QVector<ListedWindow> list;
    QVector<QRectF> screenFrames{QRectF(0, 0, 1920, 1080)};
    QVector<ListedWindow> windows() override { return list; }
    QVector<QRectF> screens() override { return screenFrames; }
};

} // namespace tq
