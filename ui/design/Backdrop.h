#pragma once
// The dark surface of the windows and its quiet effects: the ink backdrop with its gold glow
// and grain, the title-bar shade, the rising entrance and the gold progress bar.

#include "ui/design/Animation.h"

#include <QImage>
#include <QWidget>

class QGraphicsOpacityEffect;

namespace tq {

// 128×128 near-black noise (values 0 to 6), the same on every run; made once.
const QImage& grainTexture();
// Tiles the grain at half scale (a 64-point tile) and adds it to what is below.
void paintGrain(QPainter& painter, const QRectF& rect);
// Ink, a faint gold glow from the top-trailing corner (top-left right to left), grain. Without a
// direction, the application's.
void paintInkBackdrop(QPainter& painter, const QRectF& rect);
void paintInkBackdrop(QPainter& painter, const QRectF& rect, Qt::LayoutDirection direction);

class InkBackdrop final : public QWidget {
    Q_OBJECT
public:
    explicit InkBackdrop(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The bar under a window's content that holds its buttons: raised ink with a hairline along
// its top.
class ButtonBar final : public QWidget {
    Q_OBJECT
public:
    explicit ButtonBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// The backdrop cut to the top `top` points of its area with an 18-point soft lower edge; laid
// over scrolling content so it disappears at the top. Clicks pass through.
class TitleShade final : public QWidget {
    Q_OBJECT
public:
    explicit TitleShade(QWidget* parent = nullptr);
    void setTop(double top);
    double top() const { return top_; }
    // Follows the parent's width, `top` + 18 points high.
    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
    double top_ = 52;
};

// Holds content that fades in while rising 12 points, begun order × 0.06 s after it is first
// shown; under Reduce Motion a 0.2 s fade in place, all at once. It rises once per life.
class Rise final : public QWidget {
    Q_OBJECT
public:
    Rise(QWidget* content, int order, MotionContext& motion, QWidget* parent = nullptr);
    ~Rise() override;
    QWidget* content() const { return content_; }
    double shownAmount() const { return shown_.value(); }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void place();
    QWidget* content_;
    int order_;
    MotionContext& motion_;
    AnimatedValue shown_;
    QGraphicsOpacityEffect* effect_;
    FrameClock::ListenerId listener_ = 0;
    bool offset_ = true; // rises (false under Reduce Motion)
    bool started_ = false;
};

// The gold capsule progress bar. Accessibility reads it as a whole percentage.
class InkProgressBar final : public QWidget {
    Q_OBJECT
public:
    InkProgressBar(double height, MotionContext& motion, QWidget* parent = nullptr);
    void setValue(double value); // springs to it
    double value() const { return value_; }
    double shownValue() const { return shown_.value(); }
    QString percentText() const;
    // What screen readers hear as the value ("2.1 GB of 5.0 GB"); the percentage while empty.
    void setValueText(const QString& text);
    QString valueText() const { return valueText_.isEmpty() ? percentText() : valueText_; }
    QSize sizeHint() const override;
    // The fill's rectangle for a value in a track (empty when nothing shows).
    static QRectF fillRect(const QRectF& track, double value);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double height_;
    double value_ = 0;
    QString valueText_;
    MotionContext& motion_;
    AnimatedValue shown_;
    FrameDriver driver_;
};

} // namespace tq
