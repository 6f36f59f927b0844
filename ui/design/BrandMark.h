#pragma once
// The application's mark, drawn in code at any size: a dark plate, a gold caret, a white bar of
// typed text and two fading ghost bars. Each layer has its own progress so callers can build
// it up piece by piece; LiveBrandMark assembles itself when shown and swells under the pointer.

#include "platform/Clock.h"
#include "ui/design/Animation.h"

#include <QIcon>
#include <QImage>
#include <QWidget>

namespace tq {

struct BrandMarkProgress {
    double plate = 1;
    double caret = 1;
    double typed = 1;
    double ghost = 1;
};

// Paints the mark in the square of edge `size` whose top-left corner is `origin`.
void paintBrandMark(QPainter& painter, const QPointF& origin, double size, const BrandMarkProgress& progress = {});
QImage brandMarkImage(int pixels, const BrandMarkProgress& progress = {});
// The application icon: the still mark at 16 to 512 pixels.
QIcon appIcon();
// The icon sizes appIcon() holds.
QList<int> appIconSizes();

// The mark at a fixed progress; hidden from accessibility.
class BrandMark final : public QWidget {
    Q_OBJECT
public:
    explicit BrandMark(double size, QWidget* parent = nullptr);
    void setProgress(const BrandMarkProgress& progress);
    const BrandMarkProgress& progress() const { return progress_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double size_;
    BrandMarkProgress progress_;
};

// Assembles itself each time it is shown: caret at 0.22 s, typed bar 0.15 s later, ghost bars
// 0.15 s after that, each step a spring; complete at once under Reduce Motion. Swells to 1.06
// under the pointer (not under Reduce Motion). The widget leaves room around the mark for the
// swell.
class LiveBrandMark final : public QWidget {
    Q_OBJECT
public:
    LiveBrandMark(double size, MotionContext& motion, QWidget* parent = nullptr);
    int step() const { return step_; }
    BrandMarkProgress progress() const;
    double scale() const { return scale_.value(); }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void setStep(int step, bool animated);
    void animate();
    double size_;
    MotionContext& motion_;
    FrameDriver driver_;
    Timer timer_;
    AnimatedValue caret_;
    AnimatedValue typed_;
    AnimatedValue ghost_;
    AnimatedValue scale_;
    int step_ = 0;
};

} // namespace tq
