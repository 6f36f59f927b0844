#pragma once

#include "ui/design/Animation.h"

#include <QString>
#include <QWidget>

namespace tq {

class MotionContext;

// One day of the streak: its weekday letter over a dot, checked when words were saved.
class DayCell final : public QWidget {
public:
    DayCell(MotionContext& motion, QWidget* parent);
    void set(const QString& letter, qint64 words, bool today);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void hover(bool on);
    MotionContext& motion_;
    QString letter_;
    qint64 words_ = 0;
    bool today_ = false;
    AnimatedValue scale_;
    FrameDriver driver_;
};

} // namespace tq
