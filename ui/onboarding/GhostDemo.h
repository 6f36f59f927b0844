#pragma once
// The welcome step's example: a sentence typed into a card, a grey suggestion blooming in
// glyph by glyph, Tab taking it word by word. Drawn from the elapsed time alone; moves only
// while shown, and stands still under Reduce Motion.

#include "ui/design/FrameClock.h"
#include "ui/onboarding/GhostDemoScript.h"

#include <QWidget>

#include <optional>

namespace tq {

class Keycap;
class MotionContext;

class GhostDemo final : public QWidget {
    Q_OBJECT
public:
    GhostDemo(const QString& typed, const QString& ghost, MotionContext& motion, QWidget* parent = nullptr);

    const GhostDemoScript& script() const { return script_; }
    // The state drawn now.
    GhostDemoState state() const;
    // Draws the moment `seconds` into the scene (tests and screenshots); none: follow the clock.
    void setFixedMoment(std::optional<double> seconds);
    bool isAnimating() const { return driver_.isRunning(); }

    QSize sizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void start();
    void placeHint(const GhostDemoState& s);
    QFont textFont() const;

    GhostDemoScript script_;
    MotionContext& motion_;
    FrameDriver driver_;
    double startedAt_ = 0;
    std::optional<double> fixed_;
    QWidget* hint_ = nullptr;
    Keycap* keycap_ = nullptr;
};

} // namespace tq
