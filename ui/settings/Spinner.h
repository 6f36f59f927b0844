#pragma once

#include "ui/design/Animation.h"

#include <QWidget>

namespace tq {

class MotionContext;

// The small turning arc of a step being checked.
class Spinner final : public QWidget {
public:
    Spinner(MotionContext& motion, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    MotionContext& motion_;
    FrameDriver driver_;
};

} // namespace tq
