#pragma once
// A window that shows every control and animated piece of the design system. Animated pieces
// start when the window is shown (or when Replay is pressed), so with a virtual clock the
// window can be rendered at any moment.

#include "ui/design/Animation.h"

#include <QWidget>

namespace tq {

class Gallery final : public QWidget {
    Q_OBJECT
public:
    // `spinner`: show the checking status, whose spinner turns for as long as it is shown.
    explicit Gallery(MotionContext& motion, bool spinner = true, QWidget* parent = nullptr);
    // Restarts the bursts, the stamp and the mark's entrance.
    void replay();
    // Seconds since the last (re)start.
    double elapsed() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    MotionContext& motion_;
    double started_ = 0;
    FrameDriver driver_;
    QWidget* live_ = nullptr;
};

} // namespace tq
