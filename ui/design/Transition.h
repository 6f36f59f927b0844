#pragma once
// Entrances and exits of whole widgets, children included: a fade combined with a scale about
// an anchor (the centre, or the leading edge), driven by the frame clock and gone when done;
// and changes of a layout, its parts gliding to their new places.

#include "ui/design/Animation.h"

#include <QGraphicsEffect>
#include <QList>

#include <functional>

class QWidget;

namespace tq {

// Draws its widget at an opacity and a scale about an anchor point of the widget.
class FadeScaleEffect final : public QGraphicsEffect {
    Q_OBJECT
public:
    explicit FadeScaleEffect(QObject* parent = nullptr) : QGraphicsEffect(parent) {}
    // `anchor`: Qt::AlignCenter, or Qt::AlignLeading (mirrored right to left).
    void set(double opacity, double scale, Qt::Alignment anchor);
    double opacity() const { return opacity_; }
    double scale() const { return scale_; }

protected:
    void draw(QPainter* painter) override;

private:
    double opacity_ = 1;
    double scale_ = 1;
    Qt::Alignment anchor_ = Qt::AlignCenter;
};

struct TransitionSpec {
    Animation animation;
    double scale = 1; // the scale at the far end (from for an entrance, to for an exit)
    Qt::Alignment anchor = Qt::AlignCenter;
};

// Shows `widget` and brings it in from transparent (and spec.scale) to its place. A running
// transition of the widget is replaced. Without animation it is simply shown.
void transitionIn(QWidget* widget, MotionContext& motion, const TransitionSpec& spec);
// Takes `widget` out to transparent (and spec.scale), then calls `done` (hide or delete it).
void transitionOut(QWidget* widget, MotionContext& motion, const TransitionSpec& spec, std::function<void()> done);
// Whether a transition of `widget` is under way.
bool inTransition(const QWidget* widget);

// Runs `change` on `host` (texts set, widgets shown or hidden) and animates what it does to the
// layout: each of `parts` that stays glides from where it stood to its new place and size, one
// that went fades out where it stood, one that came fades in. Under Reduce Motion the parts take
// their places at once and only the fades run. A later call takes over from the current places;
// one with Animation::none() lets a running glide go on to the new places.
void transitionLayout(QWidget* host, MotionContext& motion, const Animation& animation, const QList<QWidget*>& parts,
                      const std::function<void()>& change);

} // namespace tq
