#pragma once
// The tug of war over the Tab key that heads the competing-application prompt: the rival's
// icon and ours pulling a dashed rope with a big Tab keycap in the middle; once the rival
// quits, a short victory. Painting is a pure function of the clock and of the time since the
// rival quit.

#include "ui/design/Animation.h"

#include <QIcon>
#include <QWidget>

#include <optional>

namespace tq {

// t: seconds of the scene clock (wobble and dashes); e: seconds since the rival quit.
void paintTugOfWar(QPainter& painter, const QSizeF& size, double t, std::optional<double> e, const QIcon& rivalIcon);
// The large "Tab" keycap lit in gold by `glow` (0 … 1), centred on `centre`.
void paintBigKeycap(QPainter& painter, const QPointF& centre, double glow);

class TugOfWarScene final : public QWidget {
    Q_OBJECT
public:
    TugOfWarScene(MotionContext& motion, QIcon rivalIcon, QWidget* parent = nullptr);
    ~TugOfWarScene() override;
    // Starts the victory (once).
    void resolve();
    bool isSettled() const { return settled_; }
    bool isTicking() const { return listener_ != 0; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void follow();
    MotionContext& motion_;
    QIcon rival_;
    std::optional<double> resolvedAt_;
    bool settled_ = false;
    FrameClock::ListenerId listener_ = 0;
};

} // namespace tq
