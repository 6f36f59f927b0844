#pragma once
// The intro's picture at one moment: the ink backdrop with motes, the falling drop and its
// splash, the lockup of mark and typed name with its reflection, the Tab key and the tagline.
// Painting is a pure function of the scene time, so any moment can be drawn again exactly.

#include "ui/onboarding/IntroCues.h"

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QWidget>

class QPainter;

namespace tq {

// The typed name's look and its measured width.
struct IntroWordmarkFont {
    IntroWordmarkFont();
    QFont font;
    QString typed; // first half of the name
    QString ghost; // second half
    double typedAdvance[5] = {};
    double ghostWidth = 0;
    double width = 330;
};

struct IntroFrame {
    double t = 0;
    const IntroCues* cue = &IntroCues::regular();
    bool still = false;
    QSizeF size;
};

// Paints the whole stage (no buttons) into `painter` over `frame.size`.
void paintIntroStage(QPainter& painter, const IntroFrame& frame, const IntroWordmarkFont& word);

// The widget that paints the stage at the time it is given. While `leaving` is above 0 it
// shows the frozen last frame growing and blurring (`blur` false under Reduce Motion).
class IntroStage final : public QWidget {
    Q_OBJECT
public:
    explicit IntroStage(QWidget* parent = nullptr);
    void setFrame(double t, const IntroCues& cue, bool still);
    // `lastFrame` (the whole view at its last frame) is kept from the first call on.
    void setLeaving(double amount, bool grow, const QImage& lastFrame = {});
    QImage renderFrame() const;
    double time() const { return frame_.t; }
    const IntroWordmarkFont& wordmark() const { return word_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IntroFrame frame_;
    IntroWordmarkFont word_;
    double leaving_ = 0;
    bool grow_ = true;
    QImage frozen_;
};

} // namespace tq
