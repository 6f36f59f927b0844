#pragma once
// Plays a burst of gold confetti over a widget each time the trigger changes; each burst is
// removed 2.7 s after it began. Draws nothing under Reduce Motion. Clicks pass through.

#include "platform/Clock.h"
#include "ui/design/Animation.h"
#include "ui/design/Effects.h"

#include <QWidget>

#include <memory>
#include <optional>

namespace tq {

class ConfettiBurst final : public QWidget {
    Q_OBJECT
public:
    // Covers `over` (its parent) and follows its size.
    ConfettiBurst(QWidget* over, MotionContext& motion);
    ~ConfettiBurst() override;
    void setTrigger(std::int64_t trigger);
    std::optional<std::int64_t> burst() const { return burst_; }
    // Seconds since the burst on screen began.
    double elapsed() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MotionContext& motion_;
    FrameDriver driver_;
    Timer timer_;
    std::optional<std::int64_t> trigger_;
    std::optional<std::int64_t> burst_;
    std::unique_ptr<GoldConfetti> confetti_;
    double started_ = 0;
};

} // namespace tq
