#pragma once
// The application's one toggle: a row whose label sits at the leading end and a gold-and-ink
// switch at the trailing end. The whole row is clickable and keyboard-focusable; it reads to
// accessibility as a check box named by its label whose value is "On" or "Off" (also its
// description, which is what AT-SPI carries).

#include "ui/design/Animation.h"

#include <QAbstractButton>

class QHBoxLayout;

namespace tq {

class HandToggle : public QAbstractButton {
    Q_OBJECT
public:
    explicit HandToggle(MotionContext& motion, QWidget* parent = nullptr);
    HandToggle(const QString& label, MotionContext& motion, QWidget* parent = nullptr);

    // A widget that stands as the label (it lets clicks through to the row).
    void setLabelWidget(QWidget* label);
    // 0 at the leading end, 1 at the trailing end, as drawn now (mirrored right to left).
    double knobPosition() const { return knob_.value(); }
    QRectF switchRect() const;
    // The small switch of a dense row (the tray panel's), 28 by 16.
    void setCompact(bool compact);
    QSizeF switchSize() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

    static constexpr double kWidth = 38;
    static constexpr double kHeight = 22;

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override;
    void changeEvent(QEvent* event) override;

private:
    void placeLabel();
    void follow(bool byUser);
    void updateAccessibleValue();
    MotionContext& motion_;
    AnimatedValue knob_;
    FrameDriver driver_;
    QHBoxLayout* row_;
    QWidget* label_ = nullptr;
    bool userToggle_ = false;
    bool compact_ = false;
};

} // namespace tq
