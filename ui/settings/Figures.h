#pragma once
// Moving figures of the panes: a number that counts up in a rounded face with even-width digits
// and shrinks to fit, and a holder that fades (and optionally scales) its content in and out.

#include "ui/design/Animation.h"
#include "ui/design/FrameClock.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <functional>

namespace tq {

// One line of figures. Digits stand in cells of one width, so a changing number does not jump;
// the text shrinks down to `minimumScale` of its size when the width is short.
class RollingFigure final : public QWidget {
    Q_OBJECT
public:
    RollingFigure(const QFont& font, const QColor& colour, double minimumScale, MotionContext& motion,
                  QWidget* parent = nullptr);

    // Shows `text` at once.
    void setText(const QString& text);
    void setColour(const QColor& colour);
    // Moves to `text`: `frame(p)` gives the text shown at progress p (0…1) of `animation`.
    void roll(const QString& text, const std::function<QString(double)>& frame, const Animation& animation);
    // Counts from the number shown to `to`, formatted by the current locale.
    void countTo(qint64 to, const Animation& animation);
    // The final text (what screen readers hear).
    QString text() const { return final_; }
    // The text drawn now.
    QString shownText() const;
    bool isMoving() const { return progress_.isMoving(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double naturalWidth(const QFont& font, const QString& text) const;
    MotionContext& motion_;
    QFont font_;
    QColor colour_;
    double minimumScale_;
    QString final_;
    qint64 number_ = 0;
    std::function<QString(double)> frame_;
    AnimatedValue progress_;
    FrameDriver driver_;
};

// Holds one widget and lets it come and go: a fade, with a scale from `fromScale` about the
// centre while it moves (1 = fade only). Hidden content takes no room.
class Presence final : public QWidget {
    Q_OBJECT
public:
    Presence(QWidget* content, MotionContext& motion, double fromScale = 1, QWidget* parent = nullptr);
    ~Presence() override;

    QWidget* content() const { return content_; }
    bool isPresent() const { return present_; }
    // At once when `animation` is none.
    void setPresent(bool present, const Animation& animation);
    double amount() const { return amount_.value(); }
    // The scale it grows from when it comes (and shrinks to when it goes).
    void setFromScale(double scale) { fromScale_ = scale; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

signals:
    // The move ended; the holder is shown or hidden for good.
    void settled(bool present);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void settle();
    QWidget* content_;
    MotionContext& motion_;
    double fromScale_;
    bool present_ = true;
    AnimatedValue amount_;
    QPixmap snapshot_;
    FrameClock::ListenerId listener_ = 0;
};

} // namespace tq
